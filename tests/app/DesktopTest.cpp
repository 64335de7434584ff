// What the desktop asks of the windows: readable fields in a dark theme, one
// caption font, the About window's way back to the warning, and where an
// installed copy keeps its files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

#include "app/FrmAbout.h"
#include "app/FrmMain.h"
#include "app/FrmSplash.h"
#include "platform/HostFileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "platform/ShownPath.h"
#include "platform/qt/QtDialogs.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

struct Windows {
    Windows() { shell.programFolder = program.Path().string(); }
    // The windows run without a display.
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[10] = "app_tests";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    TempDir program;
    HostFileSystem fs{{}};
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};
};

double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Desktop, FieldsReadWellInADarkThemeEnabledAndDisabled) {
    Windows w;
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Button, QColor(0x38, 0x38, 0x38));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    QApplication::setPalette(dark);
    FrmMain window(w.platform);
    const char* fields[] = {"Text1",        "Text2",         "Text3",       "txtUBoatNumber",
                            "cboMonth",     "cboYear",       "cboLocation", "cboDestination",
                            "cboUBoatType", "cboKommandant", "ssEndDate",   "chkNew"};
    // As the window opens; with a new commander (the date and the
    // commander's fields disabled); for a transfer (the tick box disabled).
    for (const char* step : {"", "chkNew", "Option1"}) {
        if (*step) qobject_cast<QAbstractButton*>(window.Control(step, *step == 'O' ? 1 : -1))->click();
        for (const char* name : fields) {
            QWidget* field = window.Control(name);
            const auto group = field->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QPalette& p = field->palette();
            const bool check = qobject_cast<QCheckBox*>(field) != nullptr;
            const bool list = qobject_cast<QComboBox*>(field) != nullptr;
            const QColor back = p.color(group, check  ? QPalette::Window
                                               : list ? QPalette::Button
                                                      : QPalette::Base);
            const QColor text = p.color(group, check  ? QPalette::WindowText
                                               : list ? QPalette::ButtonText
                                                      : QPalette::Text);
            EXPECT_GE(Contrast(text, back), 4.5) << step << " " << name << " enabled " << field->isEnabled();
        }
    }
    // Disabled fields still look disabled.
    EXPECT_NE(window.Control("txtUBoatNumber")->palette().color(QPalette::Disabled, QPalette::Base),
              window.Control("Text1")->palette().color(QPalette::Active, QPalette::Base));
}

// Every caption of a window in the window's one family and, the warning's
// heading and text aside, its one size; each fits its control.
TEST(Desktop, OneCaptionFontPerWindowAndEveryCaptionFits) {
    Windows w;
    FrmMain main(w.platform);
    FrmSplash splash(w.platform);
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &splash}) {
        const QFontInfo windowFont(window->font());
        for (QWidget* c : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(c);
            auto* button = qobject_cast<QAbstractButton*>(c);
            auto* frame = qobject_cast<QGroupBox*>(c);
            const QString caption = label    ? (label->pixmap().isNull() ? label->text() : QString())
                                    : button ? button->text()
                                    : frame  ? frame->title()
                                             : QString();
            if (caption.isEmpty()) continue;
            const std::string what = window->objectName().toStdString() + "." + c->objectName().toStdString();
            EXPECT_EQ(QFontInfo(c->font()).family(), windowFont.family()) << what;
            const bool warningText = window == &splash && c->property("captionScale").isValid();
            if (!warningText) {
                EXPECT_EQ(c->font().pointSizeF(), window->font().pointSizeF()) << what;
            }
            if (label && !label->wordWrap()) {
                EXPECT_LE(QFontMetrics(c->font()).horizontalAdvance(caption), c->width()) << what;
            }
        }
    }
    EXPECT_LE(main.font().pointSizeF(), 8.0);
}

// A short text under a long title: the box is wide enough for the title in
// the bold face of a title bar ("Orv U...bility" before).
TEST(Desktop, AMessageBoxIsWideEnoughForItsTitle) {
    Windows w;
    QtDialogs dialogs;
    int width = 0;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            width = box->width();
            box->accept();
        }
    });
    dialogs.MsgBox("Update Complete.", kStylePlain, "Orv U-Boat Availability");
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(width, QFontMetrics(bold).horizontalAdvance("Orv U-Boat Availability") + 64);
}

// F1's window names the files with the system's separator and brings the
// start-up warning back; the folder lines of the settings stay.
TEST(Desktop, TheAboutWindowNamesTheFilesAndBringsTheWarningBack) {
    Windows w;
    const auto settings =
        w.program.Write("Control.txt", Crlf({" 1 ", "C:\\Game", "/home/kim/SH3C", "C:\\Careers"}));
    FrmAbout about(w.platform);
    QString text;
    for (const QLabel* label : about.findChildren<QLabel*>()) text += label->text();
    for (const std::string file : {"\\Control.txt", "\\Flotilla.cfg.orv"}) {
        EXPECT_TRUE(text.contains(QString::fromStdString(ShownPath(w.shell.programFolder + file)))) << file;
    }
    EXPECT_TRUE(text.contains(QString::fromStdString(ShownPath(ChooseJournalFolder()))));
    auto* show = about.findChild<QCheckBox*>();
    ASSERT_NE(show, nullptr);
    EXPECT_FALSE(show->isChecked());
    show->click();
    EXPECT_EQ(ReadBytes(settings), Crlf({" 0 ", "C:\\Game", "/home/kim/SH3C", "C:\\Careers"}));
    show->click();
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", "C:\\Game", "/home/kim/SH3C", "C:\\Careers"}));
}

}  // namespace
}  // namespace zephrane::testing
