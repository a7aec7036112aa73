#pragma once
// The start of the program on its data directory, one running program per directory. The lock
// of the directory is taken before anything in it is touched, the installation of the
// calendar data included. A start that finds the lock held by a running program asks that
// program, over a local channel named after the folder, to bring its window to the front, and
// ends without touching any file of the directory. The channel is a file in a folder of the
// user's own that the running program watches for as long as its window lives, and a second
// start writes into: Qt Core alone, so no network library is loaded at start-up.

#include "platform/instance_lock.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QFileSystemWatcher;
class QWidget;

class ProgramStart : public QObject {
    Q_OBJECT
public:
    explicit ProgramStart(const QString& ruta, QObject* parent = nullptr);
    // Removes the call file this program made.
    ~ProgramStart() override;

    // Takes the lock and, when it is this program's, installs the calendar data a first run
    // lacks and brings installed data up to date. False when another program already runs on the
    // directory: it has been asked to show its window, nothing here has been touched, and this
    // program ends.
    bool begin();

    // What the user is to be told once the window is shown: a lock that could not be taken,
    // an installation that failed, files that keep the user's own edits.
    const QStringList& messages() const { return messages_; }

    // From now on a later start on the same directory brings `window` to the front.
    void serve(QWidget* window);

private:
    void bringToFront();
    bool makeCallFile();

    QString ruta_;
    InstanceLock lock_;
    QStringList messages_;
    QString callFile_;
    QFileSystemWatcher* watcher_ = nullptr;
    QPointer<QWidget> window_;
};
