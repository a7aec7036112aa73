#include "platform/console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <cstdio>
#endif

namespace console {

#ifdef Q_OS_WIN
Utf8Output::Utf8Output() {
    const UINT current = ::GetConsoleOutputCP(); // 0 without a console
    if (current != 0 && current != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        previous_ = current;
}

Utf8Output::~Utf8Output() {
    if (previous_ != 0)
        ::SetConsoleOutputCP(previous_);
}

void attachToParentConsole() {
    // Output already redirected (to a file, a pipe) is left where it goes.
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out != nullptr && out != INVALID_HANDLE_VALUE) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    FILE* stream = nullptr;
    static_cast<void>(::freopen_s(&stream, "CONOUT$", "w", stdout));
    static_cast<void>(::freopen_s(&stream, "CONOUT$", "w", stderr));
}
#else
Utf8Output::Utf8Output() = default;
Utf8Output::~Utf8Output() = default;
void attachToParentConsole() {}
#endif

} // namespace console
