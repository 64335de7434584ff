#include "app/FrmMain.h"

#include <qdrawutil.h>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include "app/Artwork.h"
#include "app/Captions.h"
#include "app/FrmAbout.h"
#include "app/ProgramInfo.h"
#include "app/Twips.h"
#include "platform/WindowsApi.h"

namespace zephrane {
namespace {

constexpr int kWindowWidth = 7860;
constexpr int kWindowHeight = 9195;

QFrame* MakeLine(QWidget* parent, const char* name, int top) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Px(0), Px(top) - 1, Px(7800), 2);
    return line;
}

// A frame whose title sits on its top border, as the classic layout draws
// it. The toolkit's own frame puts its border below the title, across the
// option buttons that the layout places just under the top.
class ClassicFrame : public QGroupBox {
public:
    ClassicFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        // An etched line in the window's own colours, light and dark themes alike.
        qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1);
        const QRect caption(Px(120), 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().color(backgroundRole()));
        style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                              QPalette::WindowText);
    }
};

}  // namespace

QColor FrmMain::EnabledColor() {
    return QColor(255, 255, 255);
}

QColor FrmMain::DisabledColor() {
#ifdef _WIN32
    const COLORREF c = GetSysColor(COLOR_INACTIVEBORDER);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    // The classic value of the inactive window border colour.
    return QColor(0xD4, 0xD0, 0xC8);
#endif
}

FrmMain::FrmMain(Platform& platform, JournaledFileSystem* journal, QWidget* parent)
    : QWidget(parent), platform_(platform), journal_(journal) {
    setObjectName("frmMain");
    setWindowTitle(kProgramTitle);
    setWindowIcon(ProgramIcon());
    setFixedSize(Px(kWindowWidth), Px(kWindowHeight));
    setFont(WindowFont());
    CreateControls();
    FitCaptions(this);
    CreateLists();
    SetTabOrder();
    ConnectHandlers();
}

void FrmMain::Register(QWidget* widget, const std::string& name, int index) {
    widget->setObjectName(QString::fromStdString(name));
    auto& members = controls_[name];
    if (index < 0) {
        members.assign(1, widget);
    } else {
        if (static_cast<int>(members.size()) <= index) members.resize(index + 1, nullptr);
        members[index] = widget;
        widget->setProperty("controlIndex", index);
    }
}

QWidget* FrmMain::Control(const std::string& name, int index) const {
    const auto it = controls_.find(name);
    if (it == controls_.end()) return nullptr;
    const auto& members = it->second;
    const bool isArray = members.size() > 1 ||
                         (!members.empty() && members[0] && members[0]->property("controlIndex").isValid());
    if (!isArray) return index <= 0 && !members.empty() ? members[0] : nullptr;
    if (index < 0 || index >= static_cast<int>(members.size())) return nullptr;
    return members[index];
}

std::vector<std::string> FrmMain::DisabledButtons() const {
    std::vector<std::string> names;
    const auto add = [&](QPushButton* button, const std::string& name) {
        if (!button->isEnabled()) names.push_back(name);
    };
    add(Command1, "Command1");
    add(Command2, "Command2");
    for (int i = 0; i < 4; ++i) add(btnFixRenown[i], "btnFixRenown " + std::to_string(i));
    add(btnInitiateUpdate, "btnInitiateUpdate");
    add(cmdReset, "cmdReset");
    add(btnExit, "btnExit");
    add(Command3, "Command3");
    return names;
}

void FrmMain::CreateControls() {
    const auto label = [this](const char* name, const char* caption, QRect rect,
                              Qt::Alignment align = Qt::AlignLeft) {
        auto* l = new QLabel(caption, this);
        Register(l, name);
        l->setGeometry(rect);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    const auto field = [this](const char* name, QRect rect) {
        auto* t = new QLineEdit(this);
        Register(t, name);
        t->setGeometry(rect);
        return t;
    };
    const auto button = [this](const char* name, const char* caption, QRect rect, int index = -1) {
        auto* b = new QPushButton(caption, this);
        Register(b, name, index);
        b->setGeometry(rect);
        return b;
    };
    Image1 = new QLabel(this);
    Register(Image1, "Image1");
    const QPixmap banner = BannerPicture(Px(7875), Px(1500));
    Image1->setPixmap(banner);
    Image1->setGeometry(QRect(QPoint(0, 0), banner.deviceIndependentSize().toSize()));

    Label1 = label("Label1", "SilentHunterIII Home Directory", TwipsRect(120, 1680, 2175, 255));
    Text1 = field("Text1", TwipsRect(600, 1920, 5535, 285));
    Command1 = button("Command1", "Change", TwipsRect(6360, 1800, 1215, 495));
    Label2 = label("Label2", "SH3 Commander Home Directory", TwipsRect(120, 2400, 2415, 255));
    Text2 = field("Text2", TwipsRect(600, 2640, 5535, 285));
    Command2 = button("Command2", "Change", TwipsRect(6360, 2520, 1215, 495));
    Label15 = label("Label15", "SilentHunterIII Careers Path", TwipsRect(120, 3120, 2295, 255));
    Text3 = field("Text3", TwipsRect(600, 3360, 5535, 285));
    Command3 = button("Command3", "Change", TwipsRect(6360, 3240, 1215, 495));
    Line1 = MakeLine(this, "Line1", 3840);
    Register(Line1, "Line1");

    const char* patchCaptions[4] = {"Increase Starting Renown to 25,000",
                                    "Set Starting Renown    Back to 500",
                                    "Add Type XXI U-Boat to 33. U-Flottille", "Set Orv U-Boat Availability"};
    const int patchLefts[4] = {120, 2040, 4080, 6000};
    for (int i = 0; i < 4; ++i) {
        // The captions wrap onto two lines, as the buttons are narrow and tall.
        btnFixRenown[i] = button("btnFixRenown", "", TwipsRect(patchLefts[i], 4080, 1695, 615), i);
        auto* caption = new QLabel(patchCaptions[i], btnFixRenown[i]);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignCenter);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        caption->setGeometry(btnFixRenown[i]->rect().adjusted(4, 2, -4, -2));
        btnFixRenown[i]->setProperty("caption", QString(patchCaptions[i]));
        btnFixRenown[i]->setAccessibleName(patchCaptions[i]);
    }

    Label3 = label("Label3", "Files Checked:", TwipsRect(600, 4920, 1095, 255), Qt::AlignRight);
    lblChecked = label("lblChecked", "0", TwipsRect(1800, 4920, 855, 255));
    Label5 = label("Label5", "Files Found:", TwipsRect(3120, 4920, 975, 255), Qt::AlignRight);
    lblFound = label("lblFound", "0", TwipsRect(4200, 4920, 735, 255));
    Label4 = label("Label4", "Files Processed:", TwipsRect(5760, 4920, 1215, 255), Qt::AlignRight);
    lblProcessed = label("lblProcessed", "0", TwipsRect(7080, 4920, 495, 255));
    Line3 = MakeLine(this, "Line3", 5400);
    Register(Line3, "Line3");

    Frame1 = new ClassicFrame("Type of Orders", this);
    Register(Frame1, "Frame1");
    Frame1->setGeometry(TwipsRect(360, 5640, 2775, 975));
    const char* optionCaptions[2] = {"Commissioning New U-Boat", "Transfer Between U-Flottillen"};
    const int optionTops[2] = {240, 600};
    const int optionWidths[2] = {2295, 2415};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(optionCaptions[i], Frame1);
        Register(Option1[i], "Option1", i);
        Option1[i]->setGeometry(TwipsRect(240, optionTops[i], optionWidths[i], 255));
    }
    Option1[0]->setChecked(true);

    chkNew = new QCheckBox("New Kommandant; or", this);
    Register(chkNew, "chkNew");
    chkNew->setGeometry(TwipsRect(3360, 5640, 2175, 255));
    Label8 = label("Label8", "Date Last Patrol Ended:", TwipsRect(3360, 6000, 2175, 255));
    ssEndDate = new QDateEdit(QDate(1939, 8, 1), this);
    Register(ssEndDate, "ssEndDate");
    ssEndDate->setGeometry(TwipsRect(3360, 6240, 2175, 375));
    ssEndDate->setCalendarPopup(true);
    ssEndDate->setDisplayFormat("dd MMMM yyyy");
    ssEndDate->setDateRange(QDate(1939, 8, 1), QDate(1945, 5, 8));
    ssEndDate->setDate(QDate(1939, 8, 1));

    Label11 = label("Label11", "Next Patrol Starts", TwipsRect(5880, 5760, 1455, 255), Qt::AlignHCenter);
    Label9 = label("Label9", "Month", TwipsRect(5880, 6000, 735, 255), Qt::AlignHCenter);
    Label10 = label("Label10", "Year", TwipsRect(6600, 6000, 855, 255), Qt::AlignHCenter);
    Label6 = label("Label6", "U-Boat Pickup Location:", TwipsRect(360, 6720, 2175, 255));
    Label7 = label("Label7", "Destination U-Flottille", TwipsRect(2880, 6720, 3015, 255));
    btnInitiateUpdate = button("btnInitiateUpdate", "Initiate Update", TwipsRect(6360, 7200, 1215, 495));
    Label13 = label("Label13", "U-Boat Number", TwipsRect(360, 7440, 1215, 255));
    txtUBoatNumber = field("txtUBoatNumber", TwipsRect(360, 7680, 1095, 285));
    txtUBoatNumber->installEventFilter(this);
    Label14 = label("Label14", "U-Boat Type", TwipsRect(1680, 7440, 1095, 255));
    Label12 = label("Label12", "Kaleun's Name", TwipsRect(2880, 7440, 3015, 255));
    Line4 = MakeLine(this, "Line4", 8160);
    Register(Line4, "Line4");
    cmdReset = button("cmdReset", "Reset My Flotilla Configuration File", TwipsRect(2160, 8400, 3495, 495));
    btnExit = button("btnExit", "Exit", TwipsRect(6360, 8400, 1215, 495));
    // In the free space left of the bottom row, so the window keeps its size.
    btnHistory = button("btnHistory", "", TwipsRect(240, 8400, 1695, 495));
    btnHistory->setText(QString::fromUtf8("History\u2026"));
    btnHistory->setEnabled(journal_ != nullptr);

    for (QWidget* w :
         std::initializer_list<QWidget*>{Text1, Text2, Text3, txtUBoatNumber, ssEndDate, chkNew}) {
        SetFieldEnabled(w, true);
    }
}

// The drop-down lists come once the captions have their font: a change of
// font makes a list build its pop-up at once, six pop-ups that a start never
// shows. Each takes its place in the window's order of controls, before the
// control that follows it in the layout.
void FrmMain::CreateLists() {
    const auto list = [this](const char* name, QRect rect, QWidget* next) {
        auto* c = new QComboBox(this);
        Register(c, name);
        c->setGeometry(rect);
        c->setEditable(false);
        c->stackUnder(next);
        SetFieldEnabled(c, true);
        return c;
    };
    cboMonth = list("cboMonth", TwipsRect(5880, 6240, 735, 315), Label10);
    cboYear = list("cboYear", TwipsRect(6600, 6240, 855, 315), Label6);
    cboLocation = list("cboLocation", TwipsRect(360, 6960, 2175, 315), Label7);
    cboDestination = list("cboDestination", TwipsRect(2880, 6960, 3015, 315), btnInitiateUpdate);
    cboUBoatType = list("cboUBoatType", TwipsRect(1680, 7680, 1095, 315), Label12);
    cboKommandant = list("cboKommandant", TwipsRect(2880, 7680, 3015, 315), Line4);
}

void FrmMain::SetTabOrder() {
    const std::vector<QWidget*> order = {
        Text1,         Command1,          Text2,           Command2,        Text3,
        Command3,      btnFixRenown[0],   btnFixRenown[1], btnFixRenown[2], btnFixRenown[3],
        Option1[0],    Option1[1],        chkNew,          ssEndDate,       cboMonth,
        cboYear,       cboLocation,       cboDestination,  txtUBoatNumber,  cboUBoatType,
        cboKommandant, btnInitiateUpdate, cmdReset,        btnExit,         btnHistory};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

QColor FrmMain::TextColor(bool enabled) {
    return enabled ? QColor(0, 0, 0) : QColor(0x50, 0x50, 0x50);
}

// The fields' light backgrounds carry dark text whatever the desktop's theme:
// a dark theme's light text would vanish on them. A disabled field shows its
// grey background with a grey text that still reads.
void FrmMain::SetFieldEnabled(QWidget* field, bool enabled) {
    field->setEnabled(enabled);
    const QColor colour = enabled ? EnabledColor() : DisabledColor();
    QPalette palette = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = TextColor(enabled && group != QPalette::Disabled);
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Text, text);
        // Drop-down lists draw their face with the button colours.
        palette.setColor(group, QPalette::Button, colour);
        palette.setColor(group, QPalette::ButtonText, text);
        if (field == chkNew) {
            palette.setColor(group, QPalette::Window, colour);
            palette.setColor(group, QPalette::WindowText, text);
        }
    }
    field->setPalette(palette);
    if (field == chkNew) field->setAutoFillBackground(true);
    field->setProperty("backcolor", colour);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // A running order or patch finishes first; its buttons are locked meanwhile.
    if (busy_) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtUBoatNumber && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int code = -1;
        // Tab moves the focus and Delete edits: neither is a character typed
        // into the field, whatever text the platform attaches to them.
        const bool navigation =
            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete;
        if (navigation) {
            code = -1;
        } else if (key->key() == Qt::Key_Backspace) {
            code = 8;
        } else if (!key->text().isEmpty()) {
            code = key->text().at(0).unicode();
        }
        // Keys without a character (arrows, Home) pass as they are.
        if (code >= 0 && !KeepUBoatNumberKey(code)) return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool FrmMain::KeepUBoatNumberKey(int charCode) const {
    const int length = static_cast<int>(txtUBoatNumber->text().size());
    const bool backspace = charCode == 8;
    if (length >= 4) return backspace;
    if (length == 0) return backspace || (charCode >= '1' && charCode <= '9');
    return backspace || (charCode >= '0' && charCode <= '9');
}

}  // namespace zephrane

namespace zephrane {

void FrmMain::ConnectHandlers() {
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { ChangeFolder(Text1, "Select SilentHunterIII Home Directory"); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { ChangeFolder(Text2, "Select SH3 Commander Home Directory"); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { ChangeFolder(Text3, "Select SilentHunterIII Careers Path"); });
    for (int i = 0; i < 4; ++i) {
        connect(btnFixRenown[i], &QPushButton::clicked, this, [this, i] { btnFixRenown_Click(i); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    // A change of the tick from code runs the handler too.
    connect(chkNew, &QCheckBox::stateChanged, this, [this] { chkNew_Click(); });
    connect(cboMonth, &QComboBox::currentIndexChanged, this, [this] { cboMonth_Click(); });
    connect(cboYear, &QComboBox::currentIndexChanged, this, [this] { cboYear_Click(); });
    connect(ssEndDate, &QDateEdit::dateChanged, this, [this] { RefillUBoatTypes(); });
    connect(btnInitiateUpdate, &QPushButton::clicked, this, [this] { btnInitiateUpdate_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExit_Click(); });
    connect(btnHistory, &QPushButton::clicked, this, [this] { btnHistory_Click(); });
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] {
        FrmAbout about(platform_, this);
        about.exec();
    });
}

}  // namespace zephrane
