#pragma once
// The notes file "notas.txt": the user's free text, kept in the data directory as Windows-1252
// lines each ended by CR LF. Opening the notes panel reads the file into the box's text (one
// '\n' per line break, the line end after the last line not part of the text); closing it
// writes the box's text back, atomically, and only when there is something to write, so that
// a file opened and closed without editing stays byte for byte as it was. Characters the code
// page cannot hold are found here so that the panel can refuse them as they are typed.

#include <QList>
#include <QString>

namespace notes {

// The largest notes file, read or written: room for a user's notes of many years, small enough
// for the panel to open at once.
inline constexpr qint64 kMaxBytes = 1024 * 1024;

// The size of the file that holds a text of `characters` characters on `lines` lines (each
// line ended by CR LF; the empty text is the empty file).
qint64 fileBytes(qint64 characters, qint64 lines);

// The text of the box for the bytes of the file. CR LF, LF and a lone CR each end a line.
QString textFromBytes(const QByteArray& bytes);

// The bytes of the file for the text of the box: each line ended by CR LF; the empty text is
// the empty file. textFromBytes(bytesFromText(t)) == t for every text the code page holds.
QByteArray bytesFromText(const QString& text);

// The text of the box from its document's raw text, whose paragraph and line separators become
// '\n'; every other character (a no-break space included) is kept as it is.
QString textFromBox(const QString& raw);

// What reading the notes file found.
struct NotesRead {
    enum class State {
        Read,       // the file's text
        Missing,    // no file: the panel opens empty and the file is created when it closes
        Unreadable, // the file is there but cannot be read: the panel must not open over it
    };
    State state = State::Missing;
    QString text;
    // When Unreadable: what is wrong with the file, in Spanish, naming it.
    QString fault;
};
// Reads the whole file or nothing: a file that is not a regular file, cannot be read or is
// larger than kMaxBytes is Unreadable, never a partial or empty text, and `fault` says why.
NotesRead readNotes(const QString& path);

// Whether closing the panel writes the file: when the text was edited, or the file is missing.
bool needsWrite(const QString& path, bool edited);

// Replaces the file with the text, atomically: the previous file is untouched unless the whole
// new text reached the disk. Throws DataFault (WriteFailed) naming the file when the file
// cannot be written, the text holds a character the code page cannot hold or the file would be
// larger than kMaxBytes.
void writeNotes(const QString& path, const QString& text);

// Writes the text, as the notes file would hold it, to a recovery copy for when the notes file
// itself cannot be written and the program must end: "notas-recuperadas.txt" beside the notes
// file, or in the user's temporary folder when that folder cannot be written. An earlier copy
// is never replaced: the next free name "notas-recuperadas-2.txt", "-3", ... is taken. Returns
// the path written; throws DataFault (WriteFailed) when no folder could take it.
QString writeRecoveryCopy(const QString& notesPath, const QString& text);
// The same, trying the given folders in order.
QString writeRecoveryCopyIn(const QStringList& folders, const QString& text);
// The Spanish message that tells the user where the copy is.
QString recoveryMessage(const QString& copyPath);

// A character of the text that the code page cannot hold: its place and length in the text (2
// for a character written as a surrogate pair).
struct Refused {
    qsizetype position = 0;
    qsizetype length = 1;
    friend bool operator==(const Refused&, const Refused&) = default;
};
QList<Refused> refusedCharacters(const QString& text);

// The Spanish messages of the panel, naming the file.
// `read`: an Unreadable read, whose fault says why.
QString unreadableMessage(const NotesRead& read);
// The text typed past kMaxBytes was not added.
QString tooLongMessage(const QString& path);
// `characters`: the refused characters of a text, each once, in their order in the text.
QString refusedMessage(const QString& characters, const QString& path);
// The refused characters of the text, each once, in order.
QString refusedText(const QString& text, const QList<Refused>& refused);

} // namespace notes
