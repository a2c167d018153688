#pragma once
// The editor's chain, the current element and the tool choice.
#include "model/element.h"

#include <QColor>
#include <QPoint>
#include <QString>

namespace Forme {

// The chain: rows 0..poli_q-1 of polilinea.
extern ElementTable polilinea;
extern int poli_q;
// Insertion index in add mode, selected element in edit mode.
extern int poli_d;
// Edit mode (true) or add mode. Edit mode holds only while the chain has
// elements and the selection lies within it; the palette's mode button shows
// it.
extern bool modifica;

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
// Fills the English names (column 1), then the Italian ones (column 2);
// column 0 stays empty.
void carica_nomi();

// Chooses palette tool t (0..5): moves the highlight, toggles the variant
// when t is already the tool, sets the tool and kind, retypes the selected
// element in edit mode (marking the document modified) and writes the
// numeric editor's two labels. A retype the add would refuse for the
// element's extent beeps and changes nothing; false then.
bool sceltaforma(int t);
// Toggles the tools' second variant and colours the highlight by it.
void invertiforma();
// A drawing starts afresh: the current element at the origin with no extent,
// tool 0 in its first variant with the palette's highlight on it, and the
// numeric editor's labels written.
void ricomincia();

// The element label: the index poli_d, a blank and the current tool's name.
QString etichetta();
// The type label: "Circular" or "Elliptical" for tools 2 to 5, empty otherwise.
QString etichetta_tipo();
// Writes the element label into the numeric editor.
void aggiorna_etichetta();

// The palette highlight's top-left corner on tool t (0 to 5): two tools a
// row of 39-pixel cells, below the mode button's row. The row comes from
// truncating t / 2.0: a rounding conversion would put tools 1, 3 and 5 one
// row down.
QPoint posto_evidenziatore(int t);

// Enters edit mode on the element after the insertion point, or on the last
// one when the point is at the end. An empty chain has nothing to edit: add
// mode stays, and false.
bool entra_modifica();
// Keeps edit mode within the chain: with an empty chain it goes back to add
// mode at 0 and the screen shows it; a selection past the chain's end
// becomes its last element. Every edit that shortens or replaces the chain
// ends with it.
void adegua_modo();

// True when the selection poli_d is a row of the chain.
bool selezione_nella_catena();
// Edit mode is on and the selection is a row of the chain: the element a
// retype, a delete or a modify works on.
bool selezione_valida();

// The highlight colours of the two variants.
QColor colore_primo();
QColor colore_secondo();

// Loads a row of a chain into the current element (kind, start and extent).
void caricaelemento(const ElementRow& row);
// Loads only a row's start and extent, leaving the current kind alone: the
// walks over a whole chain (the backdrop, the fit, the previews) do so.
void carica_posizione(const ElementRow& row);

} // namespace Forme
