#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/FrmMain.h"
#include "platform/HostFileSystem.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"

namespace zephrane {
namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    // The window tests run the real widgets without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Keys that move the focus or belong to the window, not characters typed
// into the field: the number filter must let them pass on.
TEST(UBoatNumberKeys, NavigationKeysAreNotDropped) {
    App();
    HostFileSystem fs({});
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};
    FrmMain window(platform);
    auto* number = qobject_cast<QLineEdit*>(window.Control("txtUBoatNumber"));
    ASSERT_NE(number, nullptr);

    const struct {
        int key;
        QString text;
    } keys[] = {{Qt::Key_Tab, "\t"}, {Qt::Key_Backtab, ""}, {Qt::Key_Delete, QString(QChar(0x7f))}};
    for (const auto& k : keys) {
        // The window filters the field's keys; ask the filter directly.
        QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, k.text);
        const bool dropped = static_cast<QObject&>(window).eventFilter(number, &press);
        EXPECT_FALSE(dropped) << "key " << k.key;
    }
}

}  // namespace
}  // namespace zephrane
