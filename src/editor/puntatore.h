#pragma once
// The pointer of the main drawing window turned into model millimetres,
// snapped to the grid while snapping is on.

namespace puntatore {

struct Posizione {
    // Pixel offsets from the model origin, snapped when snapping is on.
    double px = 0.0, py = 0.0;
    // The position in millimetres, model y upwards.
    double xgr = 0.0, ygr = 0.0;
};

// Converts the window pixel (x, y) with the current view and grid. An axis
// whose grid spacing is not positive is not snapped, so the position stays
// finite whatever the grid settings.
Posizione converti(int x, int y);

// Snaps one pixel offset to the nearest grid line of spacing `passo` mm at
// `zoom` pixels per mm: half a step away from zero, then truncation.
double agganciaPixel(double offset, int passo, double zoom);

} // namespace puntatore
