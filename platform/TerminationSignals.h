#pragma once

#include <functional>

// SIGTERM and SIGINT (and SIGHUP) asked to end the program: the handler only notes it, and
// `onSignal` runs later on the event loop of the thread that called this, where the tear-down
// may run safely. Needs a Qt application object; call once.
void WatchTerminationSignals(std::function<void()> onSignal);
