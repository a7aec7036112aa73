// The three reference panels of the main window: the abbreviations legend (`Command6`,
// `Text2`), the notes panel (`Label13`, `Text3`, "notas.txt") and the Masses for the dead table
// (`Command8`, `Form2`). The notes are read and written through the notes file unit; the box only
// shows them, and refuses characters the file cannot hold as they come in.

#include "calendar_data/calendar_files.h"
#include "gui/colours.h"
#include "gui/form1.h"
#include "gui/twips.h"
#include "gui/window_placement.h"
#include "panels/notes_file.h"
#include "platform/data_fault.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace {

const QColor kLegendButton(250, 175, 0);
const QColor kLegendPaper(250, 250, 240);
const QColor kNotesOpen(0, 200, 250);
const QColor kForm2Open(150, 0, 150);

constexpr QSize kNotesOpenSize = twips::size(2000, 1000);

void setButtonColour(QPushButton* button, const QColor& colour) {
    QPalette p = button->palette();
    p.setColor(QPalette::Button, colour);
    button->setPalette(p);
}

void setBoxColours(QPlainTextEdit* box, const QColor& background, const QColor& text) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    box->setPalette(p);
}

QString boxText(const QPlainTextEdit* box) {
    return notes::textFromBox(box->document()->toRawText());
}

// Takes out of the box every character the notes file cannot hold; returns them, each once.
QString removeRefused(QPlainTextEdit* box) {
    // The document's own block separators map one to one onto line breaks, so the places in
    // the box's text are places in the document.
    const QString text = boxText(box);
    const QList<notes::Refused> refused = notes::refusedCharacters(text);
    if (refused.isEmpty())
        return {};
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    for (auto it = refused.crbegin(); it != refused.crend(); ++it) {
        cursor.setPosition(static_cast<int>(it->position));
        cursor.setPosition(static_cast<int>(it->position + it->length), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    return notes::refusedText(text, refused);
}

// Takes out what was just typed or pasted past the largest notes file: the characters before
// the cursor, where the insertion ends. True when it took any.
bool removeTooLong(QPlainTextEdit* box) {
    const QTextDocument* doc = box->document();
    // The document counts a closing paragraph separator as a character.
    const qint64 over =
        notes::fileBytes(doc->characterCount() - 1, doc->blockCount()) - notes::kMaxBytes;
    if (over <= 0)
        return false;
    QTextCursor cursor = box->textCursor();
    // Each character taken saves at least its byte.
    cursor.setPosition(std::max(0, cursor.position() - static_cast<int>(over)),
                       QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return true;
}

} // namespace

// --- Abbreviations legend ------------------------------------------------------------------

void Form1::Command6_Click() {
    ++PulsSiglas;
    if (PulsSiglas % 2 == 1) {
        setButtonColour(Command6, kLegendButton);
        Command6->setText(QStringLiteral("Ocultar"));
        setBoxColours(Text2, kLegendPaper, Qt::black);
    } else {
        setButtonColour(Command6, colours::kOffGrey);
        Command6->setText(QStringLiteral("Siglas"));
        setBoxColours(Text2, colours::kOffGrey, colours::kOffGrey);
    }
}

void Form1::Text2_Click() {
    Command6->setFocus();
}

// --- Notes panel -----------------------------------------------------------------------------

void Form1::wireNotesPanel() {
    // Checked once the edit is complete: the document cannot be changed from inside its own
    // change notification. What the file cannot hold is taken out again, and the user is told
    // beside the box without a dialog, so the keys typed next still reach the notes.
    connect(
        Text3->document(), &QTextDocument::contentsChanged, this,
        [this] {
            const QString path = calendar::notesFile(Ruta);
            if (const QString refused = removeRefused(Text3); !refused.isEmpty())
                hintAtNotes(notes::refusedMessage(refused, path));
            if (removeTooLong(Text3))
                hintAtNotes(notes::tooLongMessage(path));
        },
        Qt::QueuedConnection);
    // A text changed since its recovery copy was written needs writing again.
    connect(Text3->document(), &QTextDocument::contentsChanged, this,
            [this] { notesRescued_ = false; });
    wireEnding();
}

void Form1::Label13_Click() {
    const QString path = calendar::notesFile(Ruta);
    if (PulsNotas % 2 == 0) {
        // Opening: a file that is there but cannot be read leaves the panel closed, so that
        // closing it could never write an empty text over the user's notes.
        const notes::NotesRead read = notes::readNotes(path);
        if (read.state == notes::NotesRead::State::Unreadable) {
            reportFault(notes::unreadableMessage(read));
            return;
        }
        ++PulsNotas;
        Label13->setBackground(kNotesOpen);
        Label13->setText(QStringLiteral("Cerrar"));
        Text3->setPlainText(read.text);
        Text3->document()->setModified(false);
        Text3->resize(kNotesOpenSize);
        Text3->show();
        return;
    }
    // Closing: the panel closes once its text is safe in the file, or, when the file cannot
    // be written and the user so chooses, in a recovery copy.
    const QString fault = saveNotes();
    if (fault.isEmpty()) {
        closeNotesPanel();
        return;
    }
    offerRecoveryCopy(fault,
                      QStringLiteral("Puede seguir con las notas abiertas, o cerrarlas después de "
                                     "guardarlas en una copia de recuperación."),
                      QStringLiteral("Cerrar y guardar una copia"), [this](const QString& copy) {
                          closeNotesPanel();
                          prompter_.tell(notes::recoveryMessage(copy));
                      });
}

void Form1::hintAtNotes(const QString& text) {
    QApplication::beep();
    QToolTip::showText(Text3->mapToGlobal(QPoint(0, Text3->height())), text, Text3);
}

void Form1::closeNotesPanel() {
    ++PulsNotas;
    Label13->setBackground(colours::kOffGrey);
    Label13->setText(QStringLiteral("Notas"));
    Text3->hide();
}

QString Form1::saveNotes() {
    if (PulsNotas % 2 == 0)
        return {};
    const QString path = calendar::notesFile(Ruta);
    const QString refused = removeRefused(Text3);
    if (!refused.isEmpty())
        reportFault(notes::refusedMessage(refused, path));
    if (!notes::needsWrite(path, Text3->document()->isModified()))
        return {};
    try {
        notes::writeNotes(path, boxText(Text3));
    } catch (const DataFault& fault) {
        return fault.message();
    }
    Text3->document()->setModified(false);
    return {};
}

QString Form1::rescueNotes() {
    try {
        const QString copy = notes::writeRecoveryCopy(calendar::notesFile(Ruta), boxText(Text3));
        notesRescued_ = true;
        return copy;
    } catch (const DataFault& fault) {
        reportFault(fault.message());
        return {};
    }
}

// --- Masses for the dead ---------------------------------------------------------------------

void Form1::wireReturnFromForm2() {
    // Form_Activate runs when this window becomes the active one straight from the open table;
    // a return from another program, from no window or from a dialog starts nothing.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* active) {
        const bool back = fromForm2_ && active && active == windowHandle();
        fromForm2_ = active && form2_ && active == form2_->windowHandle();
        if (back)
            Form_Activate();
    });
}

void Form1::Command8_Click() {
    setButtonColour(Command8, kForm2Open);
    Command8->setText(QStringLiteral("Misa Difuntos"));
    if (!form2_) {
        form2_ = new Form2(this);
        connect(form2_, &Form2::unloaded, this, [this] {
            // The closed window is on its way out; the next press builds a new one. This is
            // the return from the table: the activation that follows starts no second run.
            form2_.clear();
            fromForm2_ = false;
            setButtonColour(Command8, colours::kOffGrey);
            Form_Activate();
        });
        // Beside the main window, wholly on its screen and clear of its close glyph.
        const QSize frame = form2_->size().grownBy(placement::frameMargins(form2_));
        const QRect glyph(Command1->mapToGlobal(QPoint(0, 0)), Command1->size());
        form2_->move(
            placement::beside(frameGeometry(), frame, screen()->availableGeometry(), glyph));
    }
    form2_->show();
}
