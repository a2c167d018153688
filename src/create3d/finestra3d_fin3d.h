#pragma once
// The "Create 3D" window as the window the generator reads.

namespace Fin3dFinestra {

// Registers fin_3d with the generator; the window is made on first use.
void registra();

} // namespace Fin3dFinestra
