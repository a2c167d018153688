#pragma once
// Lets the window system repaint during a long loop. It processes pending
// paint and timer events at most every few tens of milliseconds. Nothing
// that starts a handler of the program's runs inside it: user input waits in
// the window system's queue, and activation, focus and close requests and
// handed-over documents are kept back until the running command has ended
// (held_events.h). So no second command can start inside the first.

namespace platform {

void yieldToEventLoop();
// True while the events let through by a yield are being handled.
bool insideYield();

} // namespace platform
