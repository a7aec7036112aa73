#pragma once
// One running program per data directory. The first start takes a lock file in the data
// directory and holds it until it ends; a second start finds it taken, learns which process
// holds it, and ends without touching any file, so that two windows never write over each
// other's notes. A lock left by a program that crashed (its process is gone, or the machine
// has restarted since) is taken over at the next start.
//
// The lock is the first thing done in the data directory at start, before the installation of
// the calendar data: when the directory does not exist yet it is created for the lock, and the
// installation treats a directory that holds nothing but the lock as new.
//
// Bringing the running window to the front is the window layer's part: the running program
// watches a file named by channelName() in a folder of the user's own, and a second start that
// finds the lock taken writes into it before ending.

#include <QLockFile>
#include <QString>

class InstanceLock {
public:
    // The lock file's name inside the data directory.
    static QString fileName() { return QStringLiteral(".orvantel.lock"); }

    enum class State {
        Unlocked,      // not tried yet, or released
        Locked,        // this program holds the lock
        HeldElsewhere, // another running program holds it
        Failed,        // the lock file cannot be created (a folder that cannot be written)
    };

    explicit InstanceLock(const QString& dataDir);
    // Releases the lock when held.
    ~InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock without waiting, creating the data directory when it does not exist.
    State tryLock();
    void unlock();
    State state() const { return state_; }

    // The process that holds the lock, after tryLock() found it HeldElsewhere; 0 otherwise.
    qint64 ownerPid() const { return ownerPid_; }

    // The Spanish message for HeldElsewhere and Failed, naming the data directory; empty
    // otherwise.
    QString message() const;

    // The name of the local channel of the program running on `dataDir`: the same for every
    // spelling of the same folder, different for different folders, short and made of
    // letters, digits and '-' as every platform's file names accept.
    static QString channelName(const QString& dataDir);

private:
    QString dataDir_;
    QLockFile lock_;
    State state_ = State::Unlocked;
    qint64 ownerPid_ = 0;
};
