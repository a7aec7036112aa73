// How the program ends without losing the notes. Closing the window (the close glyph, the
// window system, the first termination signal) saves an open notes panel; when the notes file
// cannot be written the window stays and the user chooses between staying and ending with the
// text in a recovery copy. An end that cannot ask (a second termination signal, the session
// ending without leave to ask, the event loop already over) writes the recovery copy at once,
// and the next start tells the user where it is.

#include "calendar_data/calendar_files.h"
#include "gui/form1.h"
#include "gui/form2.h"
#include "panels/notes_file.h"
#include "panels/recovery_record.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSessionManager>

void Form1::wireEnding() {
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!notesRescued_ && !saveNotes().isEmpty())
            rescueForNextStart();
    });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (notesRescued_)
            return;
        const QString fault = saveNotes();
        if (fault.isEmpty())
            return;
        if (manager.allowsInteraction()) {
            manager.cancel();
            offerWayOut(fault);
            manager.release();
        } else {
            rescueForNextStart();
        }
    });
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!notesRescued_) {
        const QString fault = saveNotes();
        if (!fault.isEmpty()) {
            // The window stays, with the user's text, until the user decides.
            event->ignore();
            offerWayOut(fault);
            return;
        }
    }
    if (form2_)
        form2_->deleteLater();
    event->accept();
}

void Form1::offerRecoveryCopy(const QString& fault, const QString& question, const QString& leave,
                              std::function<void(const QString& copy)> left) {
    prompter_.choose(fault + QStringLiteral("\n\n") + question, {QStringLiteral("Seguir"), leave},
                     [this, left = std::move(left)](int option) {
                         if (option != 1)
                             return;
                         const QString copy = rescueNotes();
                         if (!copy.isEmpty())
                             left(copy);
                     });
}

void Form1::offerWayOut(const QString& fault) {
    offerRecoveryCopy(fault,
                      QStringLiteral("Puede seguir en el programa con las notas abiertas, o salir "
                                     "después de guardarlas en una copia de recuperación."),
                      QStringLiteral("Salir y guardar una copia"), [this](const QString& copy) {
                          // Closed from the event loop: the choice may be answered while the
                          // close that asked is still under way.
                          prompter_.tell(notes::recoveryMessage(copy), [this] {
                              QMetaObject::invokeMethod(
                                  this, [this] { close(); }, Qt::QueuedConnection);
                          });
                      });
}

bool Form1::rescueForNextStart() {
    const QString copy = rescueNotes();
    if (copy.isEmpty())
        return false;
    notes::RecoveryRecord(calendar::notesFile(Ruta)).add(copy);
    return true;
}

void Form1::terminationSignal() {
    ++terminationSignals_;
    if (terminationSignals_ == 1) {
        // As if the user closed the window: the notes are saved, or the user is asked.
        close();
        return;
    }
    // The system insists. With the notes in their file or in a recovery copy the program
    // ends; when no folder can take them, the window stays with the text.
    if (!notesRescued_ && !saveNotes().isEmpty() && !rescueForNextStart())
        return;
    close();
    QCoreApplication::quit();
}

QStringList Form1::recoveredNotesMessages() {
    QStringList messages;
    for (const QString& copy : notes::RecoveryRecord(calendar::notesFile(Ruta)).take())
        messages.append(notes::recoveryMessage(copy));
    return messages;
}
