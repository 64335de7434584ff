#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/Dialogs.h"
#include "platform/Platform.h"

namespace zephrane {

// The start-up warning about mission saves. Its check box switches the
// warning off for later starts by rewriting Control.txt at once.
class FrmSplash : public QDialog, public ModalWindow {
    Q_OBJECT
public:
    explicit FrmSplash(Platform& platform, QWidget* parent = nullptr);

    // ModalWindow
    std::string Name() const override { return "frmSplash"; }
    std::map<std::string, std::string> Captions() const override;
    bool IsTicked() const override { return Check1->isChecked(); }
    void ClickControl(const std::string& name) override;
    void ExecModal() override { exec(); }

private:
    void Form_Load();
    void Check1_Click();
    void Command1_Click() { close(); }

    Platform& platform_;
    QGroupBox* Frame1;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QCheckBox* Check1;
    QPushButton* Command1;
};

}  // namespace zephrane
