#pragma once
// Everything 3-D creation works on: the stored profile and path, the 21
// creation settings, the chosen solid and the generated text.
#include "model/element.h"

#include <string>

namespace esportazione {

// The stored profile (z columns always 0) and the stored path.
extern ElementTable sagoma;
extern int sago_q;
extern int sago_grx, sago_gry;
extern ElementTable percorso;
extern int perc_q;
extern int perc_grx, perc_gry;

// The creation settings, slots 0..20.
inline constexpr int kDatiCount = 21;
extern double daticreatred[kDatiCount];

// 0 extrusion along the path (TUBE), 1 revolution (REVOLVE).
extern int profopath;

// The generated statement text (plain ASCII, lines ended by a carriage return).
extern std::string esportastringa;

// The editor's arc resolution, kept while the "Create 3D" window is shown.
extern int risolufinta;

// Working state shared by the statement writers and the point writer.
extern int qualetestocontrol; // 0 profile point, 1 path point
extern double lastx, lasty, lastz;
extern bool nonsaltaultimo;
extern bool masaltaprimo;

} // namespace esportazione
