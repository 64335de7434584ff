#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

// A message box sizes itself by its text alone, and a short text under a
// long title ("Orv U-Boat Availability") leaves the title cut off. The width
// the title bar needs: the title in a bold face (as most window managers draw
// it), the window icon and the title bar's buttons.
int TitleBarWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    const int titleBar = std::max(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight), 24);
    return QFontMetrics(font).horizontalAdvance(title) + 5 * titleBar;
}

void KeepTitleVisible(QMessageBox& box, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(TitleBarWidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtDialogs::MsgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box(owner_);
    box.setWindowTitle(ToQString(title));
    box.setText(ToQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    if (style == kStyleCritical) box.setIcon(QMessageBox::Critical);
    if (style == kStyleInformation) box.setIcon(QMessageBox::Information);
    KeepTitleVisible(box, box.windowTitle());
    // The hourglass belongs to the window's long run, not to the box.
    const bool waiting = hourglass_;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting) QApplication::restoreOverrideCursor();
}

void QtDialogs::ShowChecklist(const std::string& path, const std::string& text, const std::string& why) {
    if (checklistWindow_) {
        checklistWindow_(path, text, why);
        return;
    }
    MsgBox(why + "\r\nYour checklist has been written to the file\r\n" + path, kStyleInformation,
           "Initiate Update");
}

void QtDialogs::SetPointer(Pointer pointer) {
    const bool wanted = pointer == Pointer::Hourglass;
    if (wanted == hourglass_) return;
    hourglass_ = wanted;
    if (wanted) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtDialogs::YieldToEvents() {
    yield_.Yield();
}

std::optional<std::string> QtDialogs::BrowseForFolder(const std::string& title,
                                                      const std::string& startFolder) {
    const QString start = hostPath_ ? QString::fromStdString(hostPath_(startFolder)) : ToQString(startFolder);
    const QString chosen =
        QFileDialog::getExistingDirectory(owner_, ToQString(title), start, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return std::nullopt;
    return FromQString(QDir::toNativeSeparators(chosen));
}

}  // namespace zephrane
