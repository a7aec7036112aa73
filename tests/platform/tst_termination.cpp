// A termination signal sent to the program reaches its event loop as a call, once, so the
// program can end as a close would (saving the notes) instead of dying with them unsaved.

#include "platform/termination.h"

#include <QTest>

#include <csignal>

class TstTermination : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void signalBecomesACallOnTheEventLoop() {
        int calls = 0;
        termination::onTerminationSignal([&calls] { ++calls; });
        QCOMPARE(std::raise(SIGTERM), 0);
        QCOMPARE(calls, 0); // not inside the signal handler
        QTRY_COMPARE(calls, 1);
        // The program is ending: a second signal does not run the ending again.
        std::raise(SIGHUP);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(calls, 1);
    }
};

QTEST_GUILESS_MAIN(TstTermination)
#include "tst_termination.moc"
