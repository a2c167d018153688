#pragma once
// Lets the window system repaint during a long loop. It processes pending
// paint and timer events at most every few tens of milliseconds and never
// user input, so no second user action can start inside the first.

namespace platform {

void yieldToEventLoop();
// True while the events let through by a yield are being handled.
bool insideYield();

} // namespace platform
