#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

namespace zephrane {

// The checklist of an order, read-only, for when no text viewer could be
// started: the player still gets the steps to follow, can copy them, and can
// open the folder that holds Instructions.txt.
class FrmChecklist : public QWidget {
    Q_OBJECT
public:
    // `path` as the user sees it; `text` the file's content; `why` the
    // reason the viewer did not start.
    FrmChecklist(const std::string& path, const std::string& text, const std::string& why,
                 QWidget* parent = nullptr);

    // Opens a new window over `owner` and leaves it to the user.
    static void Open(QWidget* owner, const std::string& path, const std::string& text,
                     const std::string& why);

private:
    void CopyText();
    void OpenFolder();

    QString path_;
    QLabel* lblPath;
    QPlainTextEdit* txtChecklist;
    QLabel* lblStatus;
    QPushButton* cmdCopy;
    QPushButton* cmdOpenFolder;
    QPushButton* cmdClose;
};

}  // namespace zephrane
