#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

constexpr char Request[] = "activate\n";
// How long a later copy tries to reach a running copy that is still starting.
constexpr int ConnectTimeoutMs = 3000;
constexpr int RetryPauseMs = 50;

QString RuntimeDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString IdentityName() {
    return QStringLiteral("Dormo-%1").arg(getuid());
}

} // namespace

SingleInstance::SingleInstance(const QString& directory, const QString& name)
    : socketPath_(directory + QLatin1Char('/') + name + QStringLiteral(".socket")),
      lock_(directory + QLatin1Char('/') + name + QStringLiteral(".lock")) {
    // Only a dead owner makes a lock stale, never its age.
    lock_.setStaleLockTime(0);
}

SingleInstance::SingleInstance() : SingleInstance(RuntimeDirectory(), IdentityName()) {}

bool SingleInstance::Claim(std::function<void()> onRequest) {
    if (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError)
            AskRunningCopy();
        return false;
    }
    onRequest_ = std::move(onRequest);
    // Whatever socket lies there is left from a copy that ended without
    // removing it: the lock is ours.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_))
        return true; // later copies cannot reach us, but we still are the one copy
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains(Request))
                    return;
                socket->disconnectFromServer();
                onRequest_();
            });
        }
    });
    return true;
}

bool SingleInstance::AskRunningCopy() const {
    // The running copy may have its lock but not yet its socket: retry a while.
    const QDeadlineTimer deadline(ConnectTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write(Request);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(RetryPauseMs);
    }
    return false;
}
