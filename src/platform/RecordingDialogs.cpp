#include "platform/RecordingDialogs.h"

namespace zephrane {

void RecordingDialogs::MsgBox(const std::string& text, int style, const std::string& title) {
    messages_.push_back({style, title, text});
    if (onMessage) onMessage(messages_.back());
}

void RecordingDialogs::YieldToEvents() {
    ++yields_;
    if (onYield) onYield();
}

std::optional<std::string> RecordingDialogs::BrowseForFolder(const std::string& title,
                                                             const std::string& startFolder) {
    if (onBrowse) onBrowse(title, startFolder);
    if (browseAnswers_.empty()) return std::nullopt;
    auto answer = browseAnswers_.front();
    browseAnswers_.pop_front();
    return answer;
}

void RecordingDialogs::ShowChecklist(const std::string& path, const std::string&, const std::string&) {
    checklists.push_back(path);
    if (onChecklist) onChecklist(path);
}

void RecordingDialogs::ShowModal(ModalWindow& window) {
    if (onModal) onModal(window);
    if (window.Name() != "frmSplash") {
        std::vector<std::string> actions{"close"};
        auto& queue = namedActions_[window.Name()];
        if (!queue.empty()) {
            actions = queue.front();
            queue.pop_front();
        }
        for (const auto& action : actions) window.ClickControl(action);
        return;
    }
    std::vector<std::string> actions{"ok"};
    if (!modalActions_.empty()) {
        actions = modalActions_.front();
        modalActions_.pop_front();
    }
    for (const auto& action : actions) {
        if (action == "tick" && !window.IsTicked()) window.ClickControl("Check1");
        if (action == "untick" && window.IsTicked()) window.ClickControl("Check1");
        if (action == "ok") window.ClickControl("Command1");
    }
}

}  // namespace zephrane
