#include "gui/program_start.h"

#include "calendar_data/data_update.h"

#include "platform/data_dir.h"
#include "platform/user_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStandardPaths>
#include <QWidget>

#include <utility>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

// The call file of the program running on `ruta`: in a folder of the user's own that holds
// files for as long as the programs run, named after the data directory; empty where the
// system has no such folder. (The runtime folder of Windows and macOS is the home folder or a
// lasting one; their temporary folder is the user's own.)
QString callFilePath(const QString& ruta) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    constexpr auto kFolder = QStandardPaths::TempLocation;
#else
    constexpr auto kFolder = QStandardPaths::RuntimeLocation;
#endif
    const QString folder = QStandardPaths::writableLocation(kFolder);
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(InstanceLock::channelName(ruta));
}

// Asks the program running on `ruta` to show its window: writes into the call file it watches.
// A file that is not there means no program listens, and none is made.
void callRunningProgram(const QString& ruta, qint64 pid) {
#ifdef Q_OS_WIN
    // Windows lets only the program in front hand the front to another.
    if (pid > 0)
        ::AllowSetForegroundWindow(static_cast<DWORD>(pid));
#else
    static_cast<void>(pid);
#endif
    const QString path = callFilePath(ruta);
    if (path.isEmpty())
        return;
    QFile call(path);
    if (call.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly))
        call.write(QByteArray::number(QCoreApplication::applicationPid()));
}

} // namespace

ProgramStart::ProgramStart(const QString& ruta, QObject* parent)
    : QObject(parent), ruta_(ruta), lock_(ruta) {}

bool ProgramStart::begin() {
    switch (lock_.tryLock()) {
    case InstanceLock::State::HeldElsewhere:
        callRunningProgram(ruta_, lock_.ownerPid());
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

ProgramStart::~ProgramStart() {
    if (!watcher_)
        return;
    // The watch ends before the file goes: its removal is then no change for a watcher's
    // thread to deliver while that thread is being stopped.
    delete std::exchange(watcher_, nullptr);
    QFile::remove(callFile_);
}

void ProgramStart::serve(QWidget* window) {
    window_ = window;
    if (lock_.state() != InstanceLock::State::Locked || watcher_)
        return;
    // Without the call file a second start still ends; it only cannot bring this window up.
    callFile_ = callFilePath(ruta_);
    if (callFile_.isEmpty() || !makeCallFile())
        return;
    watcher_ = new QFileSystemWatcher(this);
    if (!watcher_->addPath(callFile_))
        return;
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        // A file removed from under the program (a cleaner of the runtime folder) is made and
        // watched again; only a write into it is a call.
        if (!QFileInfo::exists(callFile_)) {
            if (makeCallFile())
                watcher_->addPath(callFile_);
            return;
        }
        if (!watcher_->files().contains(callFile_))
            watcher_->addPath(callFile_);
        bringToFront();
    });
}

bool ProgramStart::makeCallFile() {
    // The folder is the user's alone: only this user's programs can call.
    QFile file(callFile_);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ProgramStart::bringToFront() {
    if (!window_)
        return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    // A message or prompt open over the window stays in front of it, where it can be answered.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}
