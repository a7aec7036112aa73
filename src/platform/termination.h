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

} // namespace termination
