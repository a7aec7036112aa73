#pragma once
// The recovery copies of the notes that the program wrote while ending with no one to tell: at
// a second termination signal, when the session ended without leave to ask, or when the event
// loop was already over. Each is recorded in the user's settings of the program under the
// notes file it belongs to, so that the next start on that notes file tells the user where
// the copy is, once.

#include "platform/user_settings.h"

#include <QString>
#include <QStringList>

namespace notes {

class RecoveryRecord {
public:
    // The record of the notes file at `notesPath`, in the user's settings of the program.
    explicit RecoveryRecord(const QString& notesPath);

    void add(const QString& copyPath);
    // The copies recorded for this notes file that are still there, in the order written. The
    // record of this notes file is emptied.
    QStringList take();

private:
    QString notesPath_;
    UserSettings settings_;
};

} // namespace notes
