#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace zephrane {
namespace {

QString RuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) return runtime;
    return QDir::tempPath();
}

}  // namespace

SingleInstance::SingleInstance(const std::string& programFolder, QObject* parent) : QObject(parent) {
    const QByteArray key =
        QCryptographicHash::hash(QByteArray::fromStdString(programFolder), QCryptographicHash::Sha256)
            .toHex()
            .left(20);
    const QString base = "zephrane-" + QString::fromLatin1(key);
#ifdef _WIN32
    serverName_ = base;  // a named pipe
#else
    serverName_ = RuntimeFolder() + "/" + base + ".socket";
#endif
    lock_ = std::make_unique<QLockFile>(RuntimeFolder() + "/" + base + ".lock");
    // A lock is stale only when the program that took it is gone.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::Claim() {
    if (lock_->tryLock(0)) {
        ListenForLaterStarts();
        return true;
    }
    // A lock that cannot be taken for another reason (a read-only runtime
    // folder) must not keep the user from the program.
    if (lock_->error() != QLockFile::LockFailedError) return true;
    AskRunningToRaise();
    return false;
}

void SingleInstance::ListenForLaterStarts() {
    // A socket left by a program that was killed is in the way.
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(serverName_)) return;
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit RaiseRequested();
        }
    });
}

bool SingleInstance::AskRunningToRaise() const {
    // The running program may still be starting; it listens soon after it
    // has taken the lock.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(500)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(150);
    }
    return false;
}

}  // namespace zephrane
