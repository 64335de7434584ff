// The settings file's reader and writer, and the U-boat number field's key
// filter for the keys the driver cannot type.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/FrmMain.h"
#include "app/Settings.h"
#include "support/TestPlatform.h"

namespace zephrane::testing {
namespace {

TEST(Settings, TheFlagAndTheFolderLinesAreReadAsWritten) {
    // clang-format off
    const std::pair<std::string, int> flags[] = {{" 1 ", 1}, {"   0   ", 0}, {"-1 ", -1}, {" 1,0", 1}, {"7 and more", 7},
        {"", 0}, {"yes", 0}, {"\t1", 1}, {"+3", 3}};
    for (const auto& [line, flag] : flags) EXPECT_EQ(ReadNumber(line), flag) << line;
    for (const auto& [flag, printed] : {std::pair{0, " 0 "}, {12, " 12 "}, {-300, "-300 "}}) EXPECT_EQ(PrintNumber(flag), printed);
    const std::tuple<std::string, std::string, std::optional<std::string>> files[] = {
        {Crlf({" 1 ", " C:\\Game ", "", "  "}), "1| C:\\Game |", "  "},
        {" 1 \nC:\\Game\nC:\\SH3C", "1|C:\\Game|C:\\SH3C", std::nullopt},
        {Crlf({" 0 ", "C:\\Game", "C:\\SH3C", ""}), "0|C:\\Game|C:\\SH3C", ""},
        {"", "0||", std::nullopt}};
    // clang-format on
    TempDir dir;
    HostFileSystem fs({});
    const std::string path = (dir.Path() / "Control.txt").string();
    EXPECT_FALSE(ReadSettings(fs, path));
    for (const auto& [bytes, lines, careers] : files) {
        dir.Write("Control.txt", bytes);
        const auto s = ReadSettings(fs, path);
        ASSERT_TRUE(s);
        EXPECT_EQ(std::to_string(s->iSkipWarning) + "|" + s->gamePath + "|" + s->commanderPath, lines);
        EXPECT_EQ(s->careersPath, careers);
    }
    ASSERT_TRUE(WriteSettings(fs, path, 1, {" C:\\Game ", ""}));
    EXPECT_EQ(ReadBytes(path), Crlf({" 1 ", " C:\\Game ", ""}));
}

// Tab, Shift+Tab and Delete move the focus or edit: the number filter must
// let them pass whatever text the platform attaches to them.
TEST(FrmMain, TheUBoatNumberFilterLetsTabAndDeletePass) {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Installation install("form");
    TestPlatform p(install);
    FrmMain window(p.platform);
    auto* number = qobject_cast<QLineEdit*>(window.Control("txtUBoatNumber"));
    ASSERT_NE(number, nullptr);
    for (const auto& [key, text] : {std::pair{Qt::Key_Tab, QString("\t")},
                                    {Qt::Key_Backtab, QString()},
                                    {Qt::Key_Delete, QString(QChar(0x7f))}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        EXPECT_FALSE(static_cast<QObject&>(window).eventFilter(number, &press)) << key;
    }
}

}  // namespace
}  // namespace zephrane::testing
