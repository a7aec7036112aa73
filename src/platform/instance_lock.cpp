#include "platform/instance_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {
QString lockPath(const QString& dataDir) {
    return QDir(dataDir).filePath(InstanceLock::fileName());
}
} // namespace

InstanceLock::InstanceLock(const QString& dataDir) : dataDir_(dataDir), lock_(lockPath(dataDir)) {
    // The lock is held for as long as the program runs, so its age says nothing: only a lock
    // whose process is gone is stale. (QLockFile's default would take over a lock older than
    // 30 seconds from a program still running.)
    lock_.setStaleLockTime(0);
}

InstanceLock::State InstanceLock::tryLock() {
    if (state_ == State::Locked)
        return state_;
    ownerPid_ = 0;
    if (!QDir().mkpath(dataDir_))
        return state_ = State::Failed;
    // A lock whose process is gone is recognised and removed by tryLock itself.
    if (lock_.tryLock(0))
        return state_ = State::Locked;
    if (lock_.error() != QLockFile::LockFailedError)
        return state_ = State::Failed;
    QString hostname;
    QString appname;
    if (!lock_.getLockInfo(&ownerPid_, &hostname, &appname))
        ownerPid_ = 0;
    return state_ = State::HeldElsewhere;
}

void InstanceLock::unlock() {
    if (state_ == State::Locked)
        lock_.unlock();
    state_ = State::Unlocked;
    ownerPid_ = 0;
}

QString InstanceLock::message() const {
    const QString dir = QDir::toNativeSeparators(dataDir_);
    switch (state_) {
    case State::HeldElsewhere:
        return ownerPid_ > 0
                   ? QStringLiteral("El programa ya está abierto con la carpeta de datos \"%1\" "
                                    "(proceso %2).")
                         .arg(dir)
                         .arg(ownerPid_)
                   : QStringLiteral("El programa ya está abierto con la carpeta de datos \"%1\".")
                         .arg(dir);
    case State::Failed:
        return QStringLiteral("No se pudo crear el archivo de bloqueo \"%1\": nada impide abrir "
                              "el programa dos veces con la misma carpeta de datos.")
            .arg(QDir::toNativeSeparators(lockPath(dataDir_)));
    case State::Unlocked:
    case State::Locked:
        break;
    }
    return {};
}

QString InstanceLock::channelName(const QString& dataDir) {
    // The folder as the system resolves it (links, "."/".." steps) when it exists, otherwise as
    // written; without a trailing separator either way.
    const QFileInfo info(dataDir);
    QString folder = info.canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("orvantel-") + QString::fromLatin1(hash);
}
