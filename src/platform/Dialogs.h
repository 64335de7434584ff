#pragma once

#include <map>
#include <optional>
#include <string>

namespace zephrane {

// Message box styles as the program uses them.
enum MsgBoxStyle : int {
    kStylePlain = 0,         // OK button, no icon
    kStyleCritical = 16,     // stop icon, OK button
    kStyleInformation = 64,  // information icon, OK button
};

enum class Pointer { Default, Hourglass };

// A window shown modally through `Dialogs::ShowModal` (the start-up warning).
class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    virtual std::string Name() const = 0;
    // Captions of the window's controls by control name (Windows-1252 text).
    virtual std::map<std::string, std::string> Captions() const = 0;
    // Whether the window's check box is ticked.
    virtual bool IsTicked() const = 0;
    // A click on the named control, as the user would make it.
    virtual void ClickControl(const std::string& name) = 0;
    // Runs the real modal loop until the window closes.
    virtual void ExecModal() = 0;
};

// Message boxes, the mouse pointer, yielding to window events, the folder
// browser and modal windows. Texts are in the program's single-byte
// character set (Windows-1252).
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void MsgBox(const std::string& text, int style, const std::string& title) = 0;
    virtual void SetPointer(Pointer pointer) = 0;
    virtual void YieldToEvents() = 0;
    // The chosen folder's path, or nullopt when the user cancels.
    virtual std::optional<std::string> BrowseForFolder(const std::string& title,
                                                       const std::string& startFolder) = 0;
    virtual void ShowModal(ModalWindow& window) = 0;
    // Shows a checklist the system's text viewer could not open, in a
    // read-only window of the program: the file's path as the user sees it,
    // its text, and why the viewer did not start.
    virtual void ShowChecklist(const std::string& path, const std::string& text, const std::string& why) = 0;
};

}  // namespace zephrane
