#include "Json.h"

#include <cstdio>

#include "platform/Unicode.h"

namespace zephrane::drive {

std::string Json::Quote(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string Json::QuoteCp1252(const std::string& cp1252) {
    return Quote(TextToUtf8(cp1252));
}

std::string Json::Array(const std::vector<std::string>& jsonItems) {
    std::string out = "[";
    for (std::size_t i = 0; i < jsonItems.size(); ++i) out += (i ? "," : "") + jsonItems[i];
    return out + "]";
}

std::string Json::TextArray(const std::vector<std::string>& cp1252Items) {
    std::vector<std::string> quoted;
    for (const auto& item : cp1252Items) quoted.push_back(QuoteCp1252(item));
    return Array(quoted);
}

Json& Json::Add(const std::string& key, const std::string& json) {
    if (!body_.empty()) body_ += ",";
    body_ += Quote(key) + ":" + json;
    return *this;
}

Json& Json::Text(const std::string& key, const std::string& cp1252) {
    return Add(key, QuoteCp1252(cp1252));
}
Json& Json::Utf8(const std::string& key, const std::string& utf8) {
    return Add(key, Quote(utf8));
}
Json& Json::Number(const std::string& key, long long value) {
    return Add(key, std::to_string(value));
}
Json& Json::Bool(const std::string& key, bool value) {
    return Add(key, value ? "true" : "false");
}
Json& Json::Raw(const std::string& key, const std::string& json) {
    return Add(key, json);
}

}  // namespace zephrane::drive
