// The notes panel as the user meets it: the toggle's colours, captions and the box's size, the
// notes shown line by line and stored back unchanged however often the panel is opened, a
// missing file, a file that cannot be read or written (the text stays in the open panel and
// the user is told), the notes saved however the program ends, the way out with a recovery copy
// when they cannot be, and characters the file cannot hold refused as they are typed or pasted.

#include "panels/notes_file.h"
#include "support/data_fixture.h"
#include "support/form1_test_seam.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

namespace {

// Sends the text to the widget as the keyboard would, one character at a time.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

void click(FormLabel* label) {
    QTest::mouseClick(label, Qt::LeftButton);
}

struct Window : StartedMainWindow {
    QString notes() const { return data.path(QStringLiteral("notas.txt")); }
    QString copy() const { return data.path(QStringLiteral("notas-recuperadas.txt")); }

    // Notes typed into the open panel, and a notes file that can no longer be written: a folder
    // now stands in its place, while the data directory itself can still be written.
    bool typeUnwritableNotes() {
        writeRaw(notes(), "Notas de ayer\r\n");
        form.show();
        click(form.Label13);
        form.Text3->moveCursor(QTextCursor::Start);
        type(form.Text3, QStringLiteral("Nuevo: "));
        data.removeFile(QStringLiteral("notas.txt"));
        return QDir(data.ruta()).mkdir(QStringLiteral("notas.txt"));
    }
};

} // namespace

class TstNotesPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toggleColoursCaptionsAndSize();
    void notesRoundTrip_data();
    void notesRoundTrip();
    void editedNotesAreStored();
    void missingFileOpensEmptyAndIsCreated();
    void unreadableFileKeepsThePanelClosed();
    void failedWriteKeepsThePanelOpen_data();
    void failedWriteKeepsThePanelOpen();
    void savedWhenTheProgramEnds_data();
    void savedWhenTheProgramEnds();
    void wayOutWhenTheNotesCannotBeWritten_data();
    void wayOutWhenTheNotesCannotBeWritten();
    void endThatCannotAskLeavesARecoveryCopy_data();
    void endThatCannotAskLeavesARecoveryCopy();
    void charactersOutsideTheCodePageAreRefused_data();
    void charactersOutsideTheCodePageAreRefused();
    void notesAtTheLimitOpenAndKeepTheLimit();
};

void TstNotesPanel::toggleColoursCaptionsAndSize() {
    Window w;
    click(w.form.Label13);
    QCOMPARE(w.form.Label13->text(), QStringLiteral("Cerrar"));
    QCOMPARE(w.form.Label13->background(), QColor(0, 200, 250));
    QVERIFY(!w.form.Text3->isHidden());
    QCOMPARE(w.form.Text3->size(), QSize(133, 67)); // 2000 x 1000 twips // 2000 x 1000 twips
    QCOMPARE(w.form.pulsNotas(), 1);
    click(w.form.Label13);
    QCOMPARE(w.form.Label13->text(), QStringLiteral("Notas"));
    QCOMPARE(w.form.Label13->background(), QColor(190, 190, 190));
    QVERIFY(w.form.Text3->isHidden());
    QCOMPARE(w.form.Text3->size(), QSize(133, 67)); // 2000 x 1000 twips
    QCOMPARE(w.form.pulsNotas(), 2);
}

void TstNotesPanel::notesRoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("one line") << QByteArray("Misa a las 8\r\n") << QStringLiteral("Misa a las 8");
    QTest::newRow("several lines") << QByteArray("Lunes\r\n\r\nMartes: ensayo \r\n")
                                   << QStringLiteral("Lunes\n\nMartes: ensayo ");
    QTest::newRow("accented letters") << QByteArray("Jos\xe9 y Mar\xed"
                                                    "a, a\xf1o \x80\r\n")
                                      << QStringLiteral("José y María, año €");
    QTest::newRow("bare LF, no line end after the last line")
        << QByteArray("uno\ndos") << QStringLiteral("uno\ndos");
}

void TstNotesPanel::notesRoundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    Window w;
    writeRaw(w.notes(), bytes);
    for (int cycle = 0; cycle < 20; ++cycle) {
        click(w.form.Label13);
        QCOMPARE(w.form.Text3->toPlainText(), shown);
        click(w.form.Label13);
        QCOMPARE(fileBytes(w.notes()), bytes);
    }
    QVERIFY(w.prompter.messages.isEmpty());
}

void TstNotesPanel::editedNotesAreStored() {
    Window w;
    // A no-break space (0xA0) is kept as it is, not turned into a blank.
    writeRaw(w.notes(), "Primera\xa0nota\r\n");
    click(w.form.Label13);
    w.form.Text3->moveCursor(QTextCursor::End);
    QTest::keyClick(w.form.Text3, Qt::Key_Return);
    type(w.form.Text3, QStringLiteral("Señor, ten piedad"));
    click(w.form.Label13);
    QCOMPARE(fileBytes(w.notes()), QByteArray("Primera\xa0nota\r\nSe\xf1or, ten piedad\r\n"));
    click(w.form.Label13);
    // The raw text: the plain-text reading of the box shows a no-break space as a blank.
    QCOMPARE(w.form.Text3->document()->toRawText(),
             QStringLiteral("Primera\u00a0nota\u2029Señor, ten piedad"));
}

void TstNotesPanel::missingFileOpensEmptyAndIsCreated() {
    Window w;
    w.data.removeFile(QStringLiteral("notas.txt"));
    click(w.form.Label13);
    QCOMPARE(w.form.Text3->toPlainText(), QString());
    QVERIFY(w.prompter.messages.isEmpty());
    click(w.form.Label13);
    QVERIFY(QFile::exists(w.notes()));
    QCOMPARE(fileBytes(w.notes()), QByteArray());
}

void TstNotesPanel::unreadableFileKeepsThePanelClosed() {
    Window w;
    w.data.removeFile(QStringLiteral("notas.txt"));
    QVERIFY(QDir(w.data.ruta()).mkdir(QStringLiteral("notas.txt")));
    click(w.form.Label13);
    QCOMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains(QDir::toNativeSeparators(w.notes())));
    QVERIFY(w.prompter.messages.first().contains(QStringLiteral("no es un archivo normal")));
    QCOMPARE(w.form.pulsNotas(), 0);
    QCOMPARE(w.form.Label13->text(), QStringLiteral("Notas"));
    QVERIFY(w.form.Text3->isHidden());
}

void TstNotesPanel::failedWriteKeepsThePanelOpen_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("data folder gone") << "data folder gone";
}

void TstNotesPanel::failedWriteKeepsThePanelOpen() {
    QFETCH(QString, fault);
    Window w;
    writeRaw(w.notes(), "Notas de ayer\r\n");
    click(w.form.Label13);
    w.form.Text3->moveCursor(QTextCursor::Start);
    type(w.form.Text3, QStringLiteral("Nuevo: "));
    QString unwritten = w.notes();
    if (fault == QLatin1String("read-only folder")) {
        QVERIFY(QFile::setPermissions(w.data.ruta(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        // The data directory now names a path under a plain file: nothing can be written there.
        Form1TestSeam(w.form).setRuta(w.data.path(QStringLiteral("cal.txt")) + QLatin1Char('/'));
        unwritten = w.form.ruta() + QStringLiteral("notas.txt");
    }
    click(w.form.Label13);
    QFile::setPermissions(w.data.ruta(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (w.prompter.messages.isEmpty())
        QSKIP("this user may write into a read-only folder");
    QCOMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains(QDir::toNativeSeparators(unwritten)));
    QCOMPARE(w.form.Label13->text(), QStringLiteral("Cerrar"));
    QVERIFY(!w.form.Text3->isHidden());
    QCOMPARE(w.form.Text3->toPlainText(), QStringLiteral("Nuevo: Notas de ayer"));
    QCOMPARE(fileBytes(w.notes()), QByteArray("Notas de ayer\r\n"));
}

void TstNotesPanel::savedWhenTheProgramEnds_data() {
    QTest::addColumn<QString>("end");
    QTest::newRow("close glyph") << "close glyph";
    QTest::newRow("window closed") << "window closed";
    QTest::newRow("application quitting") << "application quitting";
}

void TstNotesPanel::savedWhenTheProgramEnds() {
    QFETCH(QString, end);
    Window w;
    w.form.show();
    click(w.form.Label13);
    type(w.form.Text3, QStringLiteral("No olvidar"));
    if (end == QLatin1String("close glyph"))
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
    else if (end == QLatin1String("window closed"))
        QVERIFY(w.form.close());
    else
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    QCOMPARE(fileBytes(w.notes()), QByteArray("No olvidar\r\n"));
    QVERIFY(w.prompter.messages.isEmpty());
}

void TstNotesPanel::wayOutWhenTheNotesCannotBeWritten_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("windowOpen");
    QTest::addColumn<bool>("panelOpen");
    QTest::newRow("close glyph, stay") << "close glyph" << 0 << true << true;
    QTest::newRow("close glyph, end with a copy") << "close glyph" << 1 << false << true;
    QTest::newRow("notes toggle, stay") << "notes toggle" << 0 << true << true;
    QTest::newRow("notes toggle, close with a copy") << "notes toggle" << 1 << true << false;
}

void TstNotesPanel::wayOutWhenTheNotesCannotBeWritten() {
    QFETCH(QString, end);
    QFETCH(int, option);
    QFETCH(bool, windowOpen);
    QFETCH(bool, panelOpen);
    Window w;
    QVERIFY(w.typeUnwritableNotes());
    w.prompter.choices = {option};
    if (end == QLatin1String("close glyph"))
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
    else
        click(w.form.Label13);
    QCOMPARE(w.prompter.offered.size(), 1);
    QVERIFY(w.prompter.offered.first().text.contains(QDir::toNativeSeparators(w.notes())));
    QCOMPARE(w.prompter.offered.first().options.size(), 2);
    QTRY_COMPARE(w.form.isVisible(), windowOpen);
    QCOMPARE(w.form.Text3->isVisible(), windowOpen && panelOpen);
    if (option == 0) {
        QVERIFY(!QFile::exists(w.copy()));
        QCOMPARE(w.form.Text3->toPlainText(), QStringLiteral("Nuevo: Notas de ayer"));
        return;
    }
    QCOMPARE(fileBytes(w.copy()), QByteArray("Nuevo: Notas de ayer\r\n"));
    QCOMPARE(w.prompter.messages.last(), notes::recoveryMessage(w.copy()));
}

void TstNotesPanel::endThatCannotAskLeavesARecoveryCopy_data() {
    QTest::addColumn<QString>("end");
    QTest::newRow("second termination signal") << "second termination signal";
    QTest::newRow("application quitting") << "application quitting";
}

void TstNotesPanel::endThatCannotAskLeavesARecoveryCopy() {
    QFETCH(QString, end);
    Window w;
    QVERIFY(w.typeUnwritableNotes());
    if (end == QLatin1String("second termination signal")) {
        // The first asks the window to close; the notes cannot be written, so it stays.
        w.form.terminationSignal();
        QVERIFY(w.form.isVisible());
        QCOMPARE(w.prompter.offered.size(), 1);
        QVERIFY(!QFile::exists(w.copy()));
        w.form.terminationSignal();
        QVERIFY(!w.form.isVisible());
    } else {
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    }
    QCOMPARE(fileBytes(w.copy()), QByteArray("Nuevo: Notas de ayer\r\n"));

    // The next start says where the notes are, and only that one.
    const qsizetype told = w.prompter.messages.size();
    for (int start = 0; start < 2; ++start) {
        Form1 next(w.clock, w.data.ruta(), w.prompter);
        next.start();
    }
    QCOMPARE(w.prompter.messages.size(), told + 1);
    QCOMPARE(w.prompter.messages.last(), notes::recoveryMessage(w.copy()));
}

void TstNotesPanel::charactersOutsideTheCodePageAreRefused_data() {
    QTest::addColumn<bool>("pasted");
    QTest::newRow("typed") << false;
    QTest::newRow("pasted") << true;
}

void TstNotesPanel::charactersOutsideTheCodePageAreRefused() {
    QFETCH(bool, pasted);
    Window w;
    w.form.show();
    click(w.form.Label13);
    const QString entered = QStringLiteral("Ωmega: café € ő");
    if (pasted) {
        w.form.Text3->insertPlainText(entered);
    } else {
        // Key by key, each handled before the next: the keys after a refused one still count.
        for (const QChar c : entered) {
            type(w.form.Text3, QString(c));
            QCoreApplication::sendPostedEvents();
        }
    }
    QCoreApplication::sendPostedEvents();
    QCOMPARE(w.form.Text3->toPlainText(), QStringLiteral("mega: café € "));
    // Told beside the box, with no dialog to take the keys.
    QVERIFY(w.prompter.messages.isEmpty());
    const QString told = QToolTip::text();
    QVERIFY(told.contains(QStringLiteral("ő")));
    if (pasted)
        QVERIFY(told.contains(QStringLiteral("Ω")));
    QVERIFY(told.contains(QDir::toNativeSeparators(w.notes())));
    click(w.form.Label13);
    QCOMPARE(fileBytes(w.notes()), QByteArray("mega: caf\xe9 \x80 \r\n"));
}

void TstNotesPanel::notesAtTheLimitOpenAndKeepTheLimit() {
    // A file just under the limit opens; of three keys typed at its end, the first fits.
    Window w;
    QByteArray lines;
    while (lines.size() < notes::kMaxBytes - 1100)
        lines += QByteArray(998, 'a') + "\r\n";
    const QByteArray line(notes::kMaxBytes - 3 - lines.size(), 'a');
    writeRaw(w.notes(), lines + line + "\r\n");
    w.form.show();
    click(w.form.Label13);
    QCOMPARE(w.form.pulsNotas(), 1);
    w.form.Text3->moveCursor(QTextCursor::End);
    for (const QChar c : QStringLiteral("bcd")) {
        type(w.form.Text3, QString(c));
        QCoreApplication::sendPostedEvents();
    }
    QVERIFY(w.prompter.messages.isEmpty());
    QVERIFY(QToolTip::text().contains(QStringLiteral("1 MB")));
    click(w.form.Label13);
    QCOMPARE(fileBytes(w.notes()), lines + line + "b\r\n");
}

QTEST_MAIN(TstNotesPanel)
#include "tst_notes_panel.moc"
