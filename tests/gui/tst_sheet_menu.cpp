// The month on paper from the window: the context menu and its shortcuts, the save dialog's
// proposal, the written file, and the right button that never steps nor toggles.

#include "support/form1_test_seam.h"
#include "support/main_window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace {

void rightClick(QWidget* widget) {
    const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, pos.toPoint(), global.toPoint());
    QApplication::sendEvent(widget, &menu);
}

struct Window : StartedMainWindow {
    Window() {
        QStandardPaths::setTestModeEnabled(true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.openDocument = [this](const QUrl& url) { opened.append(url.toLocalFile()); };
    }
    QStringList opened;
};

} // namespace

class TstSheetMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuEntries();
    void rightClickOpensTheMenuAndNeverSteps();
    void saveProposesTheMonthShownAndTheYear();
    void ctrlSInTheNotesSavesNothing();
    void writtenWholeOrToldWhy();
    void previewPaintsTheMonth();
};

// Text, shortcut and accessible name of each entry, in order; the menu's own name.
void TstSheetMenu::menuEntries() {
    Window w;
    QMenu* menu = w.form.buildContextMenu(&w.form);
    QVERIFY(!menu->accessibleName().isEmpty());
    const QList<std::pair<QString, QKeySequence>> want = {
        {"Imprimir el mes…", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Guardar el mes en PDF…", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Guardar el año en PDF…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}};
    QList<QAction*> entries;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries.append(action);
    QCOMPARE(entries.size(), want.size());
    menu->popup(QPoint(0, 0));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
    for (qsizetype i = 0; i < want.size(); ++i) {
        QCOMPARE(entries.at(i)->text(), want.at(i).first);
        QCOMPARE(entries.at(i)->shortcut(), want.at(i).second);
        QVERIFY(w.form.actions().contains(entries.at(i))); // works with the menu closed
    }
    QStringList names;
    for (int i = 0; i < access->childCount(); ++i)
        names << access->child(i)->text(QAccessible::Name);
    for (const auto& [text, keys] : want)
        QVERIFY2(names.contains(text), qPrintable(names.join('|')));
    delete menu;
}

// The right button on a step label and on a toggle opens the menu; nothing steps or toggles.
void TstSheetMenu::rightClickOpensTheMenuAndNeverSteps() {
    Window w;
    const QString line = w.form.Label14->text();
    const int toggled = w.form.pulsCeleb();
    for (FormLabel* label : {w.form.Label16, w.form.Label17, w.form.Label18, w.form.Label19,
                             w.form.Label10, w.form.Label13}) {
        rightClick(label);
        Form1TestSeam(w.form).stepRepeat().tick();
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QApplication::activePopupWidget()->close();
    }
    QCOMPARE(w.form.Label14->text(), line);
    QCOMPARE(w.form.pulsCeleb(), toggled);
    QCOMPARE(w.form.sheetMonth(), QDate(2009, 4, 1));
}

// The month leafed to, the year of the day shown, in the documents folder.
void TstSheetMenu::saveProposesTheMonthShownAndTheYear() {
    Window w;
    w.form.Label17_MouseDown();
    Form1TestSeam(w.form).stepRepeat().tick();
    w.form.Label17_MouseUp();
    QCOMPARE(w.form.sheetMonth(), QDate(2009, 5, 1));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QList<std::pair<QKeySequence, QString>> cases = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), "Calendario litúrgico 2009-05.pdf"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "Calendario litúrgico 2009.pdf"}};
    for (const auto& [keys, name] : cases) {
        w.form.activateWindow();
        QTest::keySequence(&w.form, keys);
        auto* dialog = w.form.findChild<QFileDialog*>();
        QVERIFY(dialog);
        QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), name);
        QCOMPARE(QFileInfo(w.form.proposedSheetFile(keys == cases.front().first
                                                        ? Form1::SheetSpan::Month
                                                        : Form1::SheetSpan::Year))
                     .absolutePath(),
                 QFileInfo(documents + "/x").absolutePath());
        delete dialog;
    }
}

void TstSheetMenu::ctrlSInTheNotesSavesNothing() {
    Window w;
    w.form.Label13_Click(); // the notes box opens with the focus
    w.form.Text3->setFocus();
    QTRY_VERIFY(w.form.Text3->hasFocus());
    QTest::keySequence(w.form.Text3, QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(!w.form.findChild<QFileDialog*>());
}

// A month and a year written and opened; a missing folder told in Spanish, nothing opened; a
// failed write leaves the existing file as it was.
void TstSheetMenu::writtenWholeOrToldWhy() {
    Window w;
    QTemporaryDir dir;
    const QString month = dir.filePath("mes.pdf");
    QCOMPARE(w.form.writeSheet(Form1::SheetSpan::Month, month), QString());
    QCOMPARE(w.form.writeSheet(Form1::SheetSpan::Year, dir.filePath("año.pdf")), QString());
    QCOMPARE(w.opened, QStringList({month, dir.filePath("año.pdf")}));
    QFile written(month);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("%PDF-"));

    const QString fault = w.form.writeSheet(Form1::SheetSpan::Month, dir.filePath("no/mes.pdf"));
    QVERIFY2(fault.contains(QStringLiteral("No existe la carpeta")), qPrintable(fault));
    QCOMPARE(w.prompter.messages.value(w.prompter.messages.size() - 1), fault);
    QCOMPARE(w.opened.size(), 2);
    // A folder where the file goes, as a target that cannot be replaced.
    QVERIFY(QDir(dir.path()).mkpath("carpeta.pdf/dentro"));
    QVERIFY(!w.form.writeSheet(Form1::SheetSpan::Month, dir.filePath("carpeta.pdf")).isEmpty());
    QVERIFY(QFileInfo(dir.filePath("carpeta.pdf/dentro")).isDir());
}

// Ctrl+P: the preview of the month's one page.
void TstSheetMenu::previewPaintsTheMonth() {
    Window w;
    QPrintPreviewDialog* dialog = w.form.printMonth();
    QVERIFY(dialog && dialog->isVisible());
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    QTRY_COMPARE(preview->pageCount(), 1);
    QCOMPARE(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    dialog->close();
}

QTEST_MAIN(TstSheetMenu)
#include "tst_sheet_menu.moc"
