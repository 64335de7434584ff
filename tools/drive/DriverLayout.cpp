// The driver's "layout" command: where each control of a window sits, and the
// order in which Tab visits them.
#include <QWidget>

#include "Driver.h"
#include "Json.h"
#include "platform/qt/QtText.h"

namespace zephrane::drive {
namespace {

// The window's own controls: named widgets, without the inner parts Qt names
// itself ("qt_spinbox_lineedit").
std::vector<QWidget*> NamedControls(QWidget& window) {
    std::vector<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_")) controls.push_back(w);
    }
    return controls;
}

std::string ControlName(const QWidget& w) {
    const std::string name = FromQString(w.objectName());
    const QVariant index = w.property("controlIndex");
    return index.isValid() ? name + " " + std::to_string(index.toInt()) : name;
}

}  // namespace

void Driver::Layout(const std::string& window) {
    if (window == "frmSplash") {
        splashLayout_ = true;
        return;
    }
    if (window != "frmMain") return PrintError("unknown window: " + window);
    if (!started_) return PrintError("the program has not started: layout");
    PrintLayout(window_, "frmMain");
}

void Driver::PrintLayout(QWidget& window, const std::string& name) {
    Print(Json()
              .Utf8("layout", name)
              .Text("control", FromQString(window.objectName()))
              .Number("width", window.width())
              .Number("height", window.height())
              .Str());
    const std::vector<QWidget*> controls = NamedControls(window);
    for (QWidget* w : controls) {
        const QWidget* parent = w->parentWidget();
        Print(Json()
                  .Utf8("layout", name)
                  .Text("control", ControlName(*w))
                  .Text("parent", parent ? FromQString(parent->objectName()) : "")
                  .Number("left", w->x())
                  .Number("top", w->y())
                  .Number("width", w->width())
                  .Number("height", w->height())
                  .Bool("visible", w->isVisibleTo(&window))
                  .Str());
    }
    std::vector<std::string> tabOrder;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
        const bool control = std::find(controls.begin(), controls.end(), w) != controls.end();
        if (control && (w->focusPolicy() & Qt::TabFocus)) tabOrder.push_back(ControlName(*w));
    }
    Print(Json().Utf8("layout", name).Raw("taborder", Json::TextArray(tabOrder)).Str());
}

}  // namespace zephrane::drive
