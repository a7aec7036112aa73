// The month on paper from the window: the menu and its shortcuts, the save dialog's proposal,
// the written file, the print preview, and the right button that never steps nor toggles.

#include "support/form1_test_seam.h"
#include "support/main_window_fixture.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

struct Window : StartedMainWindow {
    Window() {
        QStandardPaths::setTestModeEnabled(true);
        form.show();
        form.activateWindow(); // the shortcuts act in the active window
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.openDocument = [this](const QUrl& url) { opened.append(url.toLocalFile()); };
    }
    QStringList opened;
};

class TstSheetMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The right button on step labels and toggles: the menu (named, each entry's accessible
    // name and shortcut), no step, no toggle.
    void menuAndRightButton() {
        Window w;
        const QList<std::pair<QString, QKeySequence>> want = {
            {"Imprimir el mes…", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"Guardar el mes en PDF…", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"Guardar el año en PDF…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            {"Calendario propio", QKeySequence()}};
        const QString line = w.form.Label14->text();
        for (FormLabel* label : {w.form.Label16, w.form.Label17, w.form.Label18, w.form.Label19,
                                 w.form.Label10, w.form.Label13}) {
            const QPoint at = label->rect().center();
            QTest::mouseClick(label, Qt::RightButton, {}, at);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
            QApplication::sendEvent(label, &event);
            Form1TestSeam(w.form).stepRepeat().tick();
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu && !menu->accessibleName().isEmpty());
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
            QList<std::pair<QString, QKeySequence>> entries;
            for (int i = 0; i < access->childCount(); ++i)
                if (QAction* action = menu->actions().value(i); !action->isSeparator())
                    entries.append({access->child(i)->text(QAccessible::Name), action->shortcut()});
            QCOMPARE(entries, want);
            menu->close();
        }
        QCOMPARE(w.form.Label14->text(), line);
        QCOMPARE(w.form.pulsCeleb() + w.form.pulsNotas(), 0);
    }

    // The month leafed to, the year shown, in Documents (in the home folder of a new account,
    // which has none yet); nothing for Ctrl+S in the notes box.
    void saveProposesTheMonthShownAndTheYear() {
#ifdef Q_OS_WIN
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([&home] { qputenv("HOME", home); });
        QTemporaryDir newHome;
        const QString folder = newHome.path();
        qputenv("HOME", folder.toLocal8Bit());
#endif
        Window w;
        w.form.Label17_MouseDown();
        Form1TestSeam(w.form).stepRepeat().tick();
        w.form.Label17_MouseUp();
        for (const auto& [keys, name] :
             {std::pair{QKeySequence(Qt::CTRL | Qt::Key_S), "Calendario litúrgico 2009-05.pdf"},
              std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                        "Calendario litúrgico 2009.pdf"}}) {
            QTest::keySequence(&w.form, keys);
            std::unique_ptr<QFileDialog> dialog(w.form.findChild<QFileDialog*>());
            QVERIFY(dialog);
            QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), QString(name));
            QCOMPARE(QDir(dialog->directory()), QDir(folder));
        }
        w.form.Label13_Click();
        w.form.Text3->setFocus();
        QTest::keySequence(w.form.Text3, QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(!w.form.findChild<QFileDialog*>());
    }

    // Written and opened; a missing folder, a folder in the file's place: told, nothing opened.
    void writtenWholeOrToldWhy() {
        Window w;
        QTemporaryDir dir;
        const QStringList files = {dir.filePath("mes.pdf"), dir.filePath("año.pdf")};
        QCOMPARE(w.form.writeSheet(Form1::SheetSpan::Month, files.at(0)), QString());
        QCOMPARE(w.form.writeSheet(Form1::SheetSpan::Year, files.at(1)), QString());
        QCOMPARE(w.opened, files);
        QFile written(files.at(0));
        QVERIFY(written.open(QIODevice::ReadOnly) && written.read(5) == "%PDF-");
        const QString fault = w.form.writeSheet(Form1::SheetSpan::Month, dir.filePath("no/a.pdf"));
        QVERIFY2(fault.contains(QStringLiteral("No existe la carpeta")), qPrintable(fault));
        QCOMPARE(w.prompter.messages.last(), fault);
        QVERIFY(QDir(dir.path()).mkpath("carpeta.pdf/dentro"));
        QVERIFY(!w.form.writeSheet(Form1::SheetSpan::Year, dir.filePath("carpeta.pdf")).isEmpty());
        QVERIFY(QFileInfo(dir.filePath("carpeta.pdf/dentro")).isDir() && w.opened.size() == 2);
    }

    // Ctrl+P: the preview of the month's one A4 page.
    void previewPaintsTheMonth() {
        Window w;
        QTest::keySequence(&w.form, QKeySequence(Qt::CTRL | Qt::Key_P));
        std::unique_ptr<QPrintPreviewDialog> dialog(w.form.findChild<QPrintPreviewDialog*>());
        QVERIFY(dialog && dialog->isVisible());
        QTRY_COMPARE(dialog->findChild<QPrintPreviewWidget*>()->pageCount(), 1);
        QCOMPARE(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    }
};

QTEST_MAIN(TstSheetMenu)
#include "tst_sheet_menu.moc"
