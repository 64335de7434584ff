#pragma once

#include <string>
#include <vector>

namespace zephrane {

// Sequential reader over the lines of a file, for the readers that search
// key after key. Every search reads at least one new line before it tests,
// and stops at the end of the file instead of reading past it.
class LineReader {
public:
    explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool AtEnd() const { return next_ >= lines_.size(); }
    bool Next(std::string& line);
    // Reads lines until one begins with `key` (the key test); false at the end.
    bool NextWithKey(const std::string& key, std::string& line);

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

}  // namespace zephrane
