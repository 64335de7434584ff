#include "app/FrmSplash.h"

#include "app/Captions.h"
#include "app/ProgramInfo.h"
#include "app/Settings.h"
#include "app/Twips.h"
#include "platform/ShownPath.h"
#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const std::string& text, QRect rect) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    return label;
}

}  // namespace

FrmSplash::FrmSplash(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName("frmSplash");
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Px(7380), Px(4035));
    setFont(WindowFont());

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(TwipsRect(150, 0, 7080, 3915));

    lblProductName = MakeLabel(Frame1, "lblProductName", "", TwipsRect(120, 240, 2175, 255));
    lblVersion = MakeLabel(Frame1, "lblVersion", "", TwipsRect(3840, 240, 3135, 255));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1 = MakeLabel(Frame1, "Label1", "WARNING", TwipsRect(120, 600, 6855, 495));
    Label1->setAlignment(Qt::AlignCenter);
    // 18 and 9.75 points beside the window's 8, in the window's one family.
    SetCaptionScale(Label1, 18.0 / 8, true);
    Label2 =
        MakeLabel(Frame1, "Label2",
                  "There are linkages between SH3 mission save files and configuration files.  Modifying "
                  "configuration files can corrupt mission save files created before such modification.",
                  TwipsRect(120, 1200, 6855, 855));
    Label3 =
        MakeLabel(Frame1, "Label3",
                  "It is STRONGLY recommended that you only use this program, and other programs such as the "
                  "JSGME Mod Enabler, when ALL of your current U-Boats are IN PORT.",
                  TwipsRect(120, 2160, 6855, 855));
    for (QLabel* label : {Label2, Label3}) {
        SetCaptionScale(label, 9.75 / 8);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    Check1 = new QCheckBox("Do not show this warning again", Frame1);
    Check1->setObjectName("Check1");
    Check1->setGeometry(TwipsRect(240, 3360, 2655, 255));
    Command1 = new QPushButton("OK", Frame1);
    Command1->setObjectName("Command1");
    Command1->setGeometry(TwipsRect(5040, 3240, 1455, 375));
    Command1->setDefault(true);

    setTabOrder(Label1, Check1);
    setTabOrder(Check1, Command1);
    FitCaptions(this);
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Form_Load();
}

void FrmSplash::Form_Load() {
    CentreOnScreen(this);
    lblVersion->setText(ToQString(VersionText()));
    lblProductName->setText(ToQString(kProgramTitle));
}

void FrmSplash::Check1_Click() {
    const std::string path = platform_.shell.ProgramFolder() + kSettingsFile;
    std::string line2;
    std::string line3;
    if (const auto settings = ReadSettings(platform_.fs, path)) {
        line2 = settings->gamePath;
        line3 = settings->commanderPath;
    }
    if (auto written = WriteSettings(platform_.fs, path, Check1->isChecked() ? 1 : 0, {line2, line3});
        !written) {
        platform_.dialogs.MsgBox(
            "The setting could not be saved in\r\n" + ShownPath(path) + "\r\n" + written.error,
            kStyleCritical, kProgramTitle);
    }
}

std::map<std::string, std::string> FrmSplash::Captions() const {
    std::map<std::string, std::string> captions;
    for (const QLabel* label : {lblProductName, lblVersion, Label1, Label2, Label3}) {
        captions[label->objectName().toStdString()] = FromQString(label->text());
    }
    captions["Check1"] = FromQString(Check1->text());
    captions["Command1"] = FromQString(Command1->text());
    return captions;
}

void FrmSplash::ClickControl(const std::string& name) {
    if (name == "Check1") Check1->click();
    if (name == "Command1") Command1->click();
}

}  // namespace zephrane
