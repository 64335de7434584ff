#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>
#include <string>

namespace zephrane {

// One running program per program folder: two would share Control.txt and
// the backup. The first start holds a lock and listens; a later start on the
// same folder asks it to come to the front and ends. The lock and the socket
// lie in the user's runtime folder (else the temporary folder), named after a
// hash of the program folder, never in the program folder itself.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const std::string& programFolder, QObject* parent = nullptr);

    // True when no other instance runs on the folder (this one then listens
    // for later starts); false when one does and has been asked to come to
    // the front.
    bool Claim();

signals:
    void RaiseRequested();

private:
    void ListenForLaterStarts();
    bool AskRunningToRaise() const;

    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace zephrane
