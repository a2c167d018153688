#pragma once
// The editor's chain, the current element and the tool choice.
#include "model/element.h"

#include <QString>

namespace Forme {

// The chain: rows 0..poli_q-1 of polilinea.
extern ElementTable polilinea;
extern int poli_q;
// Insertion index in add mode, selected element in edit mode.
extern int poli_d;

// The current element: kind, start and extent (mm).
extern int forma;
extern double xprec, yprec, zprec;
extern double dx, dy, dz;
// The pointer's position in model millimetres; the next element starts there.
extern double xgr, ygr;
// The chosen palette tool (0..5) and whether its second variant is chosen.
extern int qualetool;
extern bool inversioneforma;
// Segments per quarter circle when drawing.
extern int risoluzione;

// Shape names, indexed [k][lingua]: k 0..5 tools, 6 "Circular", 7 "Elliptical".
extern QString testoforma[8][3];

void sceltaforma(int t);
void invertiforma();

// Loads a row of a chain into the current element (kind, start and extent).
void caricaelemento(const ElementRow& row);

} // namespace Forme
