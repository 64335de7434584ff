#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace zephrane {

// A dialog implementation without windows, for tests and the test driver:
// every message box, folder browser and modal window is recorded and
// answered from queues filled beforehand.
class RecordingDialogs : public Dialogs {
public:
    struct Message {
        int style;
        std::string title;
        std::string text;
    };

    // Told of every event as it happens (the driver prints them).
    std::function<void(const Message&)> onMessage;
    std::function<void(const std::string& title, const std::string& start)> onBrowse;
    std::function<void(ModalWindow&)> onModal;
    std::function<void()> onYield;
    std::function<void(const std::string& path)> onChecklist;

    // Answers for the next folder browsers; an empty queue means cancel.
    void QueueBrowse(std::optional<std::string> answer) { browseAnswers_.push_back(std::move(answer)); }
    // What the user does in the next modal window: "tick", "untick", "ok".
    // The window closes after the last action; nothing queued means "ok".
    void QueueModal(std::vector<std::string> actions) { modalActions_.push_back(std::move(actions)); }
    // What the user does in the next modal window of this name, each action
    // handed to the window as a click; nothing queued means "close".
    void QueueModalFor(const std::string& window, std::vector<std::string> actions) {
        namedActions_[window].push_back(std::move(actions));
    }

    const std::vector<Message>& Messages() const { return messages_; }
    Pointer CurrentPointer() const { return pointer_; }
    int YieldCount() const { return yields_; }

    void MsgBox(const std::string& text, int style, const std::string& title) override;
    void SetPointer(Pointer pointer) override { pointer_ = pointer; }
    void YieldToEvents() override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& startFolder) override;
    void ShowModal(ModalWindow& window) override;
    void ShowChecklist(const std::string& path, const std::string& text, const std::string& why) override;

    // Paths of the checklists shown in a window.
    std::vector<std::string> checklists;

private:
    std::vector<Message> messages_;
    std::deque<std::optional<std::string>> browseAnswers_;
    std::deque<std::vector<std::string>> modalActions_;
    std::map<std::string, std::deque<std::vector<std::string>>> namedActions_;
    Pointer pointer_ = Pointer::Default;
    int yields_ = 0;
};

}  // namespace zephrane
