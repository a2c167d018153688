#pragma once
// The editor's windows as the model's screen.

namespace SchermoEditor {

// Registers the main window, the palette and the numeric editor as the
// screen the model draws on. The windows are made on their first use.
void registra();

} // namespace SchermoEditor
