#pragma once
// Events kept back while a yield runs. A long command lets the event loop
// repaint the windows, and the loop then also has the window system's other
// news to hand out: a window activated or asked to close, the focus moving,
// a document handed over. Each of these starts one of the program's
// handlers, and a handler that ran inside the command would run in the
// middle of its state. They are kept back instead and handed out, in their
// order, once the command has ended; paint and timer events, and the window
// system's own housekeeping (geometry, exposure, layout), pass at once.

namespace platform::held {

// Brackets the event processing of one yield: from begin() to end() the
// events that start a handler are kept back.
void begin();
void end();

// The events kept back and not yet handed out.
int count();

} // namespace platform::held
