#pragma once

#include <string>
#include <vector>

namespace zephrane::drive {

// A minimal JSON object writer: the driver prints one object per line.
// Texts are the program's Windows-1252 and come out as UTF-8.
class Json {
public:
    Json& Text(const std::string& key, const std::string& cp1252);
    Json& Utf8(const std::string& key, const std::string& utf8);
    Json& Number(const std::string& key, long long value);
    Json& Bool(const std::string& key, bool value);
    Json& Raw(const std::string& key, const std::string& json);
    std::string Str() const { return "{" + body_ + "}"; }

    static std::string Quote(const std::string& utf8);
    static std::string QuoteCp1252(const std::string& cp1252);
    static std::string Array(const std::vector<std::string>& jsonItems);
    static std::string TextArray(const std::vector<std::string>& cp1252Items);

private:
    Json& Add(const std::string& key, const std::string& json);
    std::string body_;
};

}  // namespace zephrane::drive
