// The single-instance guard: one running copy per user. The first copy to
// take a lock file in the user's runtime directory owns the identity and
// listens on a local socket beside it; a later copy finds the lock taken,
// connects and asks the running copy to come back. A stale lock or socket
// left by a copy that crashed is taken over (the lock file decides). Lives
// for the whole run of the program; the claim ends with the process.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class SingleInstance {
public:
    // `directory` holds the lock and the socket; `name` identifies the
    // program and its user.
    SingleInstance(const QString& directory, const QString& name);
    // The default place: the user's runtime directory, named for the user.
    SingleInstance();

    // True when this copy owns the identity and listens for later copies,
    // whose requests then run `onRequest` on the event loop. False when
    // another copy runs (it has been asked to come back) or the check could
    // not be made.
    bool Claim(std::function<void()> onRequest);

private:
    bool AskRunningCopy() const;

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
    std::function<void()> onRequest_;
};
