#pragma once
// Lets the window system repaint during a long loop. It processes pending
// paint and timer events at most every few tens of milliseconds and never
// user input, so no second user action can start inside the first.

namespace platform {

void yieldToEventLoop();

} // namespace platform
