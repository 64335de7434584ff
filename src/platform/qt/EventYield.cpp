#include "platform/qt/EventYield.h"

#include <QApplication>

namespace zephrane {

void EventYield::Yield() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < interval_) return;
    QApplication::processEvents();
    last_ = std::chrono::steady_clock::now();
}

}  // namespace zephrane
