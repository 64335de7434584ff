#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/FrmHistory.h"
#include "app/FrmMain.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"

namespace zephrane::drive {

// Runs the real main window from commands on standard input and prints what
// happens as JSON lines (see the README of tools/drive).
class Driver {
public:
    Driver(FrmMain& window, RecordingDialogs& dialogs, RecordingShell& shell, std::ostream& out);

    void Run(std::istream& in);

private:
    void Execute(const std::string& line);
    void Print(const std::string& json);
    void PrintError(const std::string& message);
    void NoticeClosedWindow();

    void Answer(const std::string& args);
    void PrintHistory(const FrmHistory& history);
    void Start();
    void Set(const std::string& args);
    void Type(const std::string& args);
    void SelectText(const std::string& args);
    void Select(const std::string& args);
    void Click(const std::string& args);
    void SetDate(const std::string& args);
    void Show(const std::string& args);
    void State(const std::string& name);
    void Layout(const std::string& window);
    void PrintLayout(QWidget& window, const std::string& name);

    // The control named by "NAME [INDEX]" at the start of `args`; the rest of
    // `args` after it goes to `rest`.
    QWidget* FindControl(const std::string& args, std::string* rest, bool indexAllowed);
    // The same, when the control must be of kind T; an error names the kind.
    template <typename T>
    T* FindControlOf(const std::string& args, std::string* rest, bool indexAllowed, const std::string& kind) {
        QWidget* control = FindControl(args, rest, indexAllowed);
        if (!control) return nullptr;
        T* typed = qobject_cast<T*>(control);
        if (!typed) PrintError("not a " + kind + ": " + args);
        return typed;
    }
    std::string ShowControl(QWidget* control, const std::string& name);

    FrmMain& window_;
    RecordingDialogs& dialogs_;
    RecordingShell& shell_;
    std::ostream& out_;
    bool started_ = false;
    bool closed_ = false;
    // `layout frmSplash` asks for the next warning window's layout.
    bool splashLayout_ = false;
};

}  // namespace zephrane::drive
