#ifndef QUITONSIGNAL_H
#define QUITONSIGNAL_H

#include <functional>

// Ends the program on SIGTERM, SIGHUP or SIGINT (a session that ends, a
// kill, Ctrl+C in a terminal) through the event loop instead of at once, so
// that typing not yet saved is not lost: beforeQuit runs first (it saves
// what is open), then the event loop quits, and what runs at a normal quit
// (the statistics, the writers finishing their last saves) runs too. A
// second signal while that runs ends the program at once. Called once, on
// the GUI thread, after the application object exists.
void quitOnSignals(std::function<void()> beforeQuit);

#endif
