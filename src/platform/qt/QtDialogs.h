#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/qt/EventYield.h"

namespace zephrane {

// Real modal windows: message boxes, the folder browser, the wait cursor.
class QtDialogs : public Dialogs {
public:
    // Message boxes and the folder browser are owned by this window.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Turns a program path ("C:\Games\...") into the host's own path (UTF-8),
    // so the folder browser can open at the folder a field names.
    void SetHostPath(std::function<std::string(const std::string&)> hostPath) {
        hostPath_ = std::move(hostPath);
    }

    void MsgBox(const std::string& text, int style, const std::string& title) override;
    void SetPointer(Pointer pointer) override;
    void YieldToEvents() override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& startFolder) override;
    void ShowModal(ModalWindow& window) override { window.ExecModal(); }
    // The program's checklist window, made by the application.
    using ChecklistWindow =
        std::function<void(const std::string& path, const std::string& text, const std::string& why)>;
    void SetChecklistWindow(ChecklistWindow show) { checklistWindow_ = std::move(show); }
    void ShowChecklist(const std::string& path, const std::string& text, const std::string& why) override;

private:
    QPointer<QWidget> owner_;
    std::function<std::string(const std::string&)> hostPath_;
    ChecklistWindow checklistWindow_;
    bool hourglass_ = false;
    EventYield yield_;
};

}  // namespace zephrane
