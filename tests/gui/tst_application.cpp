// The program as a desktop sees it: what `orvantel --version` and `--help` print, an unknown
// option refused, and Qt's own dialog buttons and context menus in Spanish once Qt's
// translations are installed.

#include "platform/translations.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

class TstApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void qtTextsInSpanish_data();
    void qtTextsInSpanish();
};

void TstApplication::commandLine_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says"); // on the standard output, or the error output on a fault
    QTest::newRow("version") << "--version" << 0 << "Orvantel " ORVANTEL_PROJECT_VERSION "\n";
    QTest::newRow("help") << "--help" << 0 << "Muestra la versión del programa y termina.";
    QTest::newRow("unknown option") << "--fecha" << 1 << "fecha";
}

void TstApplication::commandLine() {
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    QProcess process;
    // As from a terminal with no display: the options are answered before any window exists.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVANTEL_APP), {argument});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    QString out = QString::fromUtf8(exitCode == 0 ? process.readAllStandardOutput()
                                                  : process.readAllStandardError());
#ifdef Q_OS_WIN
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // the line ends of Windows
#endif
    QVERIFY2(out.contains(says), qPrintable(out));
}

void TstApplication::qtTextsInSpanish_data() {
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("spanish");
    QTest::newRow("dialog OK") << "OK"
                               << "Aceptar";
    QTest::newRow("dialog Cancel") << "Cancel"
                                   << "Cancelar";
    QTest::newRow("text box menu, copy") << "&Copy"
                                         << "&Copiar";
    QTest::newRow("text box menu, paste") << "&Paste"
                                          << "&Pegar";
}

void TstApplication::qtTextsInSpanish() {
    QFETCH(QString, english);
    QFETCH(QString, spanish);
    if (!installQtSpanish())
        QSKIP("Qt's Spanish translations are not installed on this system");
    // The texts as the user meets them: the buttons of a dialog, the context menu of a box.
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QLineEdit box(QStringLiteral("texto"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList shown;
    for (QAbstractButton* button : buttons.buttons())
        shown << button->text();
    for (QAction* action : menu->actions())
        shown << action->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(shown.contains(spanish), qPrintable(shown.join(QLatin1String(" | "))));
    QVERIFY(!shown.contains(english));
}

QTEST_MAIN(TstApplication)
#include "tst_application.moc"
