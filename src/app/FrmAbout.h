#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>

#include "platform/Platform.h"

namespace zephrane {

// F1: the program's version and licence, where it keeps its settings, its
// backup and its journal, a link to the user guide, and the way back to the
// start-up warning once it has been switched off.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(Platform& platform, QWidget* parent = nullptr);

private:
    QString FilesText() const;
    QString GuideText() const;
    void chkShowWarning_Click();

    Platform& platform_;
    QLabel* lblFiles;
    QCheckBox* chkShowWarning;
};

}  // namespace zephrane
