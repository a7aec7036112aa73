#include "gui/program_start.h"

#include "calendar_data/data_update.h"

#include "platform/data_dir.h"
#include "platform/user_settings.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

// How long a second start waits for the running program to take its call.
constexpr int kCallWaitMs = 2000;

// Asks the program listening on `channel` to show its window.
bool callRunningProgram(const QString& channel, qint64 pid) {
#ifdef Q_OS_WIN
    // Windows lets only the program in front hand the front to another.
    if (pid > 0)
        ::AllowSetForegroundWindow(static_cast<DWORD>(pid));
#else
    static_cast<void>(pid);
#endif
    QLocalSocket socket;
    socket.connectToServer(channel, QIODevice::WriteOnly);
    if (!socket.waitForConnected(kCallWaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace

ProgramStart::ProgramStart(const QString& ruta, QObject* parent)
    : QObject(parent), ruta_(ruta), lock_(ruta) {}

bool ProgramStart::begin() {
    switch (lock_.tryLock()) {
    case InstanceLock::State::HeldElsewhere:
        callRunningProgram(InstanceLock::channelName(ruta_), lock_.ownerPid());
        return false;
    case InstanceLock::State::Failed:
        // Nothing keeps a second program off the directory, but this one can still run.
        messages_.append(lock_.message());
        break;
    case InstanceLock::State::Locked:
    case InstanceLock::State::Unlocked:
        break;
    }
    const QString installFault = datadir::installIfMissing(ruta_);
    if (!installFault.isEmpty())
        messages_.append(installFault);
    // Installed data brought up to date, the user's edits kept and told once.
    const dataupdate::UpdateResult update = dataupdate::updateInstalledData(ruta_);
    if (!update.fault.isEmpty())
        messages_.append(update.fault);
    if (!update.edited.isEmpty()) {
        UserSettings settings;
        if (const QString edited = dataupdate::editedFilesMessage(update, ruta_, settings);
            !edited.isEmpty())
            messages_.append(edited);
    }
    return true;
}

void ProgramStart::serve(QWidget* window) {
    window_ = window;
    if (lock_.state() != InstanceLock::State::Locked || server_)
        return;
    const QString channel = InstanceLock::channelName(ruta_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A channel left behind by a program that crashed: the lock is this program's, so no
    // running program listens on it.
    QLocalServer::removeServer(channel);
    // Without the channel a second start still ends; it only cannot bring this window up.
    if (!server_->listen(channel))
        return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* call = server_->nextPendingConnection()) {
            connect(call, &QLocalSocket::disconnected, call, &QObject::deleteLater);
            call->disconnectFromServer();
        }
        bringToFront();
    });
}

void ProgramStart::bringToFront() {
    if (!window_)
        return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}
