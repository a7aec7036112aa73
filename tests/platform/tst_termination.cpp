// A termination signal sent to the program reaches its event loop as a call, one per signal, so
// the program can end as a close would (saving the notes) instead of dying with them unsaved,
// and a later signal still reaches it when the first could not end it.

#include "platform/termination.h"

#include <QTest>

#include <csignal>

class TstTermination : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void signalBecomesACallOnTheEventLoop() {
#ifndef Q_OS_UNIX
        QSKIP("POSIX termination signals (SIGTERM, SIGHUP, SIGINT) exist on Unix only; Windows "
              "closes the window instead");
#else
        int calls = 0;
        termination::onTerminationSignal([&calls] { ++calls; });
        QCOMPARE(std::raise(SIGTERM), 0);
        QCOMPARE(calls, 0); // not inside the signal handler
        QTRY_COMPARE(calls, 1);
        // A program that could not end at the first signal still hears the next ones.
        QCOMPARE(std::raise(SIGHUP), 0);
        QTRY_COMPARE(calls, 2);
        QCOMPARE(std::raise(SIGINT), 0);
        QTRY_COMPARE(calls, 3);
#endif
    }
};

QTEST_GUILESS_MAIN(TstTermination)
#include "tst_termination.moc"
