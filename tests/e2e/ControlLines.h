#pragma once

// Expected driver lines for the main window's controls, and the quiet start
// that the form tests share: no warning window, no folder named, the user's
// documents on drive C:.
#include <string>
#include <vector>

#include "e2e/DriveSession.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

inline std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

// White when the control is enabled, grey when it is not.
inline std::string BackColour(bool enabled) {
    return enabled ? "#FFFFFF" : "#D4D0C8";
}

inline std::string JsonTexts(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) out += (i ? "," : "") + JsonQuote(texts[i]);
    return out + "]";
}

inline std::string Echo(const std::string& text) {
    return "{\"echo\":" + JsonQuote(text) + "}";
}

inline std::string StateLine(const std::string& name, const std::string& value) {
    return "{\"state\":\"" + name + "\",\"value\":" + JsonQuote(value) + "}";
}

inline std::string Caption(const std::string& name, const std::string& caption) {
    return "{\"control\":\"" + name + "\",\"caption\":" + JsonQuote(caption) + ",\"enabled\":true}";
}

// A text field.
inline std::string FieldLine(const std::string& name, const std::string& text, bool enabled = true) {
    return "{\"control\":\"" + name + "\",\"text\":" + JsonQuote(text) + ",\"enabled\":" + JsonBool(enabled) +
           ",\"backcolor\":\"" + BackColour(enabled) + "\"}";
}

// A list; without `dataJson` its items carry no data, as the folder fields
// fill the lists.
inline std::string ListLine(const std::string& name, const std::vector<std::string>& items, int selected = -1,
                            bool enabled = true, std::string dataJson = "") {
    if (dataJson.empty()) {
        dataJson = "[";
        for (std::size_t i = 0; i < items.size(); ++i) dataJson += i ? ",null" : "null";
        dataJson += "]";
    }
    return "{\"control\":\"" + name + "\",\"text\":" + JsonQuote(selected >= 0 ? items[selected] : "") +
           ",\"enabled\":" + JsonBool(enabled) + ",\"backcolor\":\"" + BackColour(enabled) +
           "\",\"items\":" + JsonTexts(items) + ",\"data\":" + dataJson +
           ",\"selected\":" + std::to_string(selected) + "}";
}

// Settings that switch the start-up warning off and name no folder.
inline void NoWarning(const TempDir& root) {
    root.Write("program/Control.txt", Crlf({" 1 ", "", "", ""}));
}

inline std::vector<std::string> Options(const TempDir& root) {
    return {"--program-dir", (root.Path() / "program").string(),
            "--drive",       "C=" + (root.Path() / "c").string(),
            "--documents",   "C:\\Docs"};
}

}  // namespace zephrane::testing
