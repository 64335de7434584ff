#pragma once

#include <chrono>

namespace zephrane {

// Lets pending window events run (the counters repaint, the window stays
// responsive), but at most once per interval: a walk asks after every folder
// and file, and handling events that often would cost more than the walk.
class EventYield {
public:
    explicit EventYield(std::chrono::milliseconds interval = std::chrono::milliseconds(50))
        : interval_(interval) {}

    void Yield();

private:
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point last_;
};

}  // namespace zephrane
