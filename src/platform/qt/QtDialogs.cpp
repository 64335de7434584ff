#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt/QtText.h"

namespace zephrane {

void QtDialogs::MsgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box(owner_);
    box.setWindowTitle(ToQString(title));
    box.setText(ToQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    if (style == kStyleCritical) box.setIcon(QMessageBox::Critical);
    if (style == kStyleInformation) box.setIcon(QMessageBox::Information);
    // The hourglass belongs to the window's long run, not to the box.
    const bool waiting = hourglass_;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting) QApplication::restoreOverrideCursor();
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
    QApplication::processEvents();
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
