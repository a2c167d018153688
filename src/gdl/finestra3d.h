#pragma once
// What the generator takes from the "Create 3D" window: the scale texts, the
// option boxes, the progress bar and the window's own checks and refill.
// Every use of the window by the generator goes through here.

namespace esportazione::finestra {

// The profile and path scale factors: the numbers in efdati3d(0) and (2).
double scalaProfilo();
double scalaPercorso();
// The value of CheckB(i): 0 "Solid", 1 "Structured", 2 "Closed".
bool opzione(int i);
// Sets the progress bar; with subito it is repainted at once when it moved.
void progresso(int valore, bool subito);
// Takes the arc resolutions and the revolution angle from the window into
// the settings, then has the window check its scale and angle fields and
// refill every control from the settings.
void prendiValori();

} // namespace esportazione::finestra
