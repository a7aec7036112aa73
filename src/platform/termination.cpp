#include "platform/termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace termination {

#ifdef Q_OS_UNIX
namespace {
// A signal handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};

void handleSignal(int) {
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[0], &byte, 1);
    static_cast<void>(written);
}
} // namespace

void onTerminationSignal(std::function<void()> onSignal) {
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier =
        new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    // Every signal reaches the program: one that the window could not act on (the notes could
    // not be saved) is followed by another that must still be heard.
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onSignal = std::move(onSignal)] {
                         char byte = 0;
                         const ssize_t got = ::read(signalPipe[1], &byte, 1);
                         static_cast<void>(got);
                         onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}
#else
void onTerminationSignal(std::function<void()>) {}
#endif

int endProcess(int status) {
    std::fflush(nullptr);
#ifdef Q_OS_WIN
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(status));
#endif
    return status;
}

} // namespace termination
