#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gamefiles/CfgLine.h"

namespace zephrane {

// Sequential reader over the lines of a file, for the readers that search
// key after key. Every search reads at least one new line before it tests,
// and stops at the end of the file instead of reading past it. It reads the
// lines where they are (views), so they must outlive the reader; a list of
// views it is given by reference must too, one given by value it keeps.
class LineReader {
public:
    // Implicit, so that a routine taking a reader takes a file's lines too.
    LineReader(const std::vector<std::string>& lines)
        : owned_(std::make_shared<const std::vector<std::string_view>>(lines.begin(), lines.end())),
          lines_(owned_.get()) {}
    LineReader(const std::vector<std::string_view>& lines) : lines_(&lines) {}
    LineReader(std::vector<std::string_view>&& lines)
        : owned_(std::make_shared<const std::vector<std::string_view>>(std::move(lines))),
          lines_(owned_.get()) {}

    // Over the bytes of a whole file, each line found as it is read: no list
    // of the lines is made (a large file's list takes more memory than its
    // bytes, and fresh memory is most of what reading it costs).
    static LineReader OverText(std::string_view bytes);

    bool AtEnd() const { return next_ >= (lines_ ? lines_->size() : text_.size()); }
    // Inline, like the key test: the readers of a large file call them for every line.
    bool Next(std::string_view& line) {
        if (AtEnd()) return false;
        line = lines_ ? (*lines_)[next_++] : NextOfText();
        return true;
    }
    bool Next(std::string& line);
    // Reads lines until one begins with `key` (the key test); false at the end.
    bool NextWithKey(std::string_view key, std::string_view& line) {
        while (Next(line)) {
            if (BeginsWithKey(line, key)) return true;
        }
        return false;
    }
    bool NextWithKey(std::string_view key, std::string& line);

private:
    LineReader() = default;
    std::string_view NextOfText();

    // Shared, so that a copy of the reader reads the same list.
    std::shared_ptr<const std::vector<std::string_view>> owned_;
    const std::vector<std::string_view>* lines_ = nullptr;  // none when reading over text_
    std::string_view text_;
    std::size_t next_ = 0;  // the next line's index, or over text_ its offset
};

}  // namespace zephrane
