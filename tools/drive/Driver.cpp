#include "Driver.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <istream>
#include <ostream>
#include <sstream>

#include "Json.h"
#include "app/FrmHistory.h"
#include "platform/Unicode.h"
#include "platform/qt/QtText.h"

namespace zephrane::drive {
namespace {

std::string Hex(const QColor& colour) {
    return colour.name(QColor::HexRgb).toUpper().replace("#", "#").toStdString();
}

std::string BackColor(QWidget* w) {
    const QVariant v = w->property("backcolor");
    const QColor colour = v.isValid() ? v.value<QColor>() : w->palette().color(QPalette::Base);
    return Hex(colour);
}

// "WORD rest": the first blank-separated word and what follows the blank.
std::string SplitWord(const std::string& text, std::string* rest) {
    const auto blank = text.find(' ');
    if (blank == std::string::npos) {
        if (rest) rest->clear();
        return text;
    }
    if (rest) *rest = text.substr(blank + 1);
    return text.substr(0, blank);
}

bool ParseInt(const std::string& text, int& value) {
    try {
        std::size_t used = 0;
        value = std::stoi(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

// The control is the main window's focus widget (as it would be with the
// window active), or holds it, as a date picker holds its text part.
bool HasFocus(const QWidget* control) {
    const QWidget* focused = control->window()->focusWidget();
    return focused && (focused == control || control->isAncestorOf(focused));
}

std::string Cp(const std::string& utf8) {
    return Utf8ToText(utf8);
}

}  // namespace

Driver::Driver(FrmMain& window, RecordingDialogs& dialogs, RecordingShell& shell, std::ostream& out)
    : window_(window), dialogs_(dialogs), shell_(shell), out_(out) {
    dialogs_.onMessage = [this](const RecordingDialogs::Message& m) {
        Json box;
        box.Number("style", m.style).Text("title", m.title).Text("text", m.text);
        Json event;
        event.Raw("msgbox", box.Str())
            .Utf8("pointer", dialogs_.CurrentPointer() == Pointer::Hourglass ? "hourglass" : "default")
            .Raw("disabled", Json::TextArray(window_.DisabledButtons()));
        Print(event.Str());
    };
    dialogs_.onBrowse = [this](const std::string& title, const std::string& start) {
        Json browse;
        browse.Text("title", title).Text("start", start);
        Print(Json().Raw("browse", browse.Str()).Str());
    };
    dialogs_.onModal = [this](ModalWindow& modal) {
        if (auto* history = dynamic_cast<FrmHistory*>(&modal)) return PrintHistory(*history);
        const auto captions = modal.Captions();
        Json c;
        for (const char* name :
             {"lblProductName", "lblVersion", "Label1", "Label2", "Label3", "Check1", "Command1"}) {
            const auto it = captions.find(name);
            c.Text(name, it == captions.end() ? "" : it->second);
        }
        Print(Json().Text("window", modal.Name()).Raw("captions", c.Str()).Str());
        if (auto* window = dynamic_cast<QWidget*>(&modal); window && splashLayout_) {
            splashLayout_ = false;
            PrintLayout(*window, "frmSplash");
        }
    };
    shell_.onRun = [this](const std::string& commandLine) { Print(Json().Text("run", commandLine).Str()); };
    dialogs_.onChecklist = [this](const std::string& path) {
        Print(Json().Utf8("window", "frmChecklist").Text("path", path).Str());
    };
}

void Driver::Run(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        Execute(line);
        QApplication::processEvents();
        NoticeClosedWindow();
    }
}

void Driver::Print(const std::string& json) {
    out_ << json << '\n' << std::flush;
}

void Driver::PrintError(const std::string& message) {
    Print(Json().Utf8("error", message).Str());
}

void Driver::NoticeClosedWindow() {
    if (started_ && !closed_ && !window_.isVisible()) {
        closed_ = true;
        Print(Json().Utf8("window", "closed").Str());
    }
}

void Driver::Execute(const std::string& line) {
    std::string args;
    const std::string command = SplitWord(line, &args);
    if (closed_ && command != "echo") return PrintError("the main window is closed");
    if (command == "echo") return Print(Json().Utf8("echo", args).Str());
    if (command == "answer") return Answer(args);
    if (command == "layout") return Layout(args);
    if (command == "start") return Start();
    if (!started_) return PrintError("the program has not started: " + command);
    if (command == "set") return Set(args);
    if (command == "type") return Type(args);
    if (command == "selecttext") return SelectText(args);
    if (command == "select") return Select(args);
    if (command == "click") return Click(args);
    if (command == "date") return SetDate(args);
    if (command == "show") return Show(args);
    if (command == "state") return State(args);
    if (command == "close") {
        window_.close();
        return;
    }
    PrintError("unknown command: " + command);
}

void Driver::Answer(const std::string& args) {
    std::string rest;
    const std::string what = SplitWord(args, &rest);
    if (what == "splash") {
        std::vector<std::string> actions;
        std::stringstream list(rest);
        for (std::string action; std::getline(list, action, ',');) {
            if (action != "tick" && action != "untick" && action != "ok")
                return PrintError("unknown splash action: " + action);
            actions.push_back(action);
        }
        dialogs_.QueueModal(actions);
    } else if (what == "history") {
        std::vector<std::string> actions;
        std::stringstream list(rest.empty() ? "close" : rest);
        for (std::string action; std::getline(list, action, ',');) {
            int row = 0;
            const bool select = action.rfind("select ", 0) == 0 && ParseInt(action.substr(7), row);
            if (!select && action != "undo" && action != "close")
                return PrintError("unknown history action: " + action);
            actions.push_back(action);
        }
        if (actions.back() != "close") return PrintError("the history actions end with close");
        dialogs_.QueueModalFor("frmHistory", actions);
    } else if (what == "browse") {
        if (rest == "cancel") {
            dialogs_.QueueBrowse(std::nullopt);
        } else {
            dialogs_.QueueBrowse(Cp(rest));
        }
    } else {
        PrintError("unknown answer: " + what);
    }
}

void Driver::PrintHistory(const FrmHistory& history) {
    std::vector<std::string> entries;
    for (const auto& entry : history.Entries()) {
        std::vector<std::string> files;
        for (const JournalFile* file : entry.ChangedFiles()) {
            files.push_back(Json()
                                .Text("path", file->path)
                                .Number("before", file->before.Size())
                                .Number("after", file->After().Size())
                                .Str());
        }
        entries.push_back(Json()
                              .Text("kind", entry.kind)
                              .Text("title", entry.title)
                              .Bool("undone", entry.undone || entry.rolledBack)
                              .Raw("files", Json::Array(files))
                              .Str());
    }
    Print(Json().Utf8("window", "frmHistory").Raw("entries", Json::Array(entries)).Str());
}

void Driver::Start() {
    if (started_) return PrintError("already started");
    started_ = true;
    window_.Form_Load();
    window_.show();
}

QWidget* Driver::FindControl(const std::string& args, std::string* rest, bool indexAllowed) {
    std::string after;
    const std::string name = SplitWord(args, &after);
    QWidget* control = window_.Control(name);
    if (!control && indexAllowed) {
        std::string afterIndex;
        int index = -1;
        if (ParseInt(SplitWord(after, &afterIndex), index)) {
            control = window_.Control(name, index);
            after = afterIndex;
        }
    }
    if (!control) {
        PrintError("unknown control: " + args);
        return nullptr;
    }
    if (rest) *rest = after;
    return control;
}

void Driver::Set(const std::string& args) {
    std::string text;
    auto* field = FindControlOf<QLineEdit>(args, &text, false, "text field");
    if (!field) return;
    field->setText(QString::fromUtf8(text.c_str()));
}

void Driver::Type(const std::string& args) {
    std::string keys;
    auto* field = FindControlOf<QLineEdit>(args, &keys, false, "text field");
    if (!field) return;
    field->setFocus();
    const QString text = QString::fromUtf8(keys.c_str());
    for (int i = 0; i < text.size(); ++i) {
        int key = 0;
        QString typed;
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'b') {
            key = Qt::Key_Backspace;
            ++i;
        } else {
            typed = text[i];
            key = typed.at(0).toUpper().unicode();
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(field, &release);
    }
}

void Driver::SelectText(const std::string& args) {
    std::string rest;
    auto* field = FindControlOf<QLineEdit>(args, &rest, false, "text field");
    if (!field) return;
    std::string lengthText;
    int start = 0;
    int length = 0;
    if (!ParseInt(SplitWord(rest, &lengthText), start) || !ParseInt(lengthText, length)) {
        return PrintError("selecttext needs START LENGTH");
    }
    field->setSelection(start, length);
}

void Driver::Select(const std::string& args) {
    std::string rest;
    auto* list = FindControlOf<QComboBox>(args, &rest, false, "list");
    if (!list) return;
    int index = -1;
    if (!ParseInt(rest, index) || index < -1 || index >= list->count())
        return PrintError("no such entry: " + rest);
    if (!list->isEnabled()) return;
    list->setCurrentIndex(index);
}

void Driver::Click(const std::string& args) {
    auto* button = FindControlOf<QAbstractButton>(args, nullptr, true, "button");
    if (!button) return;
    button->click();
}

void Driver::SetDate(const std::string& args) {
    std::string rest;
    auto* picker = FindControlOf<QDateEdit>(args, &rest, false, "date picker");
    if (!picker) return;
    const QDate date = QDate::fromString(QString::fromStdString(rest), "yyyy-MM-dd");
    if (!date.isValid()) return PrintError("not a date: " + rest);
    if (!picker->isEnabled()) return;
    picker->setDate(date);
}

void Driver::Show(const std::string& args) {
    if (args == "frmMain") {
        Json j;
        j.Utf8("control", "frmMain")
            .Text("caption", FromQString(window_.windowTitle()))
            .Number("width", window_.width())
            .Number("height", window_.height())
            .Bool("resizable", window_.minimumSize() != window_.maximumSize())
            .Utf8("font", QFontInfo(window_.font()).family().toStdString())
            .Raw("pointsize", QString::number(window_.font().pointSizeF()).toStdString());
        return Print(j.Str());
    }
    QWidget* control = FindControl(args, nullptr, true);
    if (!control) return;
    Print(ShowControl(control, SplitWord(args, nullptr)));
}

std::string Driver::ShowControl(QWidget* control, const std::string& name) {
    Json j;
    j.Utf8("control", name);
    const QVariant index = control->property("controlIndex");
    if (index.isValid()) j.Number("index", index.toInt());
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        j.Text("text", FromQString(field->text()))
            .Bool("enabled", field->isEnabled())
            .Utf8("backcolor", BackColor(field));
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        std::vector<std::string> items;
        std::vector<std::string> data;
        for (int i = 0; i < list->count(); ++i) {
            items.push_back(FromQString(list->itemText(i)));
            const QVariant d = list->itemData(i);
            data.push_back(d.isValid() ? std::to_string(d.toLongLong()) : "null");
        }
        j.Text("text", FromQString(list->currentText()))
            .Bool("enabled", list->isEnabled())
            .Utf8("backcolor", BackColor(list))
            .Raw("items", Json::TextArray(items))
            .Raw("data", Json::Array(data))
            .Number("selected", list->currentIndex());
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        const int value = check->checkState() == Qt::Checked            ? 1
                          : check->checkState() == Qt::PartiallyChecked ? 2
                                                                        : 0;
        j.Text("caption", FromQString(check->text()))
            .Number("value", value)
            .Bool("enabled", check->isEnabled())
            .Utf8("backcolor", BackColor(check));
    } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
        j.Text("caption", FromQString(option->text()))
            .Bool("value", option->isChecked())
            .Bool("enabled", option->isEnabled());
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        const QVariant caption = button->property("caption");
        j.Text("caption", FromQString(caption.isValid() ? caption.toString() : button->text()))
            .Bool("enabled", button->isEnabled());
    } else if (auto* picker = qobject_cast<QDateEdit*>(control)) {
        j.Utf8("date", picker->date().toString("yyyy-MM-dd").toStdString())
            .Bool("enabled", picker->isEnabled())
            .Utf8("backcolor", BackColor(picker));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        j.Text("caption", FromQString(frame->title())).Bool("enabled", frame->isEnabled());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->pixmap().isNull()) {
            j.Text("caption", FromQString(label->text())).Bool("enabled", label->isEnabled());
        } else {
            j.Number("width", label->pixmap().width()).Number("height", label->pixmap().height());
        }
    } else {
        j.Bool("enabled", control->isEnabled());
    }
    return j.Bool("focus", HasFocus(control)).Str();
}

}  // namespace zephrane::drive
