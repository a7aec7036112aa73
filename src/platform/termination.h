#pragma once
// The end of the session as the system announces it to a running program: the termination,
// hang-up and interrupt signals. They are turned into a call on the event loop, so the program
// ends as if the user had closed it (and the notes panel saves its text) instead of dying at
// once.

#include <functional>

namespace termination {

// From now on each of those signals runs `onSignal`, once per signal, on the event loop of the
// thread that calls this. Call it once, after the application object exists.
void onTerminationSignal(std::function<void()> onSignal);

// Ends the process with `status` once the program has closed everything of its own (the window,
// the notes, the lock and the settings): on Windows by ending the process at once, so that the
// system's unloading of the libraries (Qt's and the C++ runtime's) cannot keep a program with no
// window running; that unloading was seen to hang about one exit in ten under wine, with every
// thread of the program ended. Standard output and error are flushed first. Elsewhere it returns
// `status` for main() to return.
int endProcess(int status);

} // namespace termination
