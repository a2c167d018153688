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
// Profile points the point writer has left out; the revolution writer sets it
// to 0 before its points and takes the number off its count afterwards.
extern int punti_saltati;

// --- The generator's single entry: takes the last values from the "Create 3D"
// window, has it check and refill its controls, and writes the statement of
// the chosen solid into esportastringa.
void creazione();
// True when every number of the text creazione made last is finite, so that
// the text says what the data say. A text that is not is neither saved nor
// copied.
bool testo_finito();

// --- Statement writers.
void testocrea_tube_gdl();
void testocrea_revolve_gdl();
// Turns the stored profile by a quarter turn about its first start point
// (verso 1 counter-clockwise, -1 clockwise), re-chaining the starts.
void s_ruota(int verso);
// Mirrors the stored profile's deltas by sx and sy and every kind by the
// mirror kind map, re-chaining the starts.
void s_specchia(int sx, int sy);

// --- Point lines and element dispatch.
// Writes the current element (Forme::xprec..dz, in metres) as kind `kind`,
// its end point with status `stato`; returns the points handed to
// taggiungi_punto.
int testocrea_cosa(int kind, int stato);
// Appends one profile point line (x, y, status) or path point line
// (x, y, z, 0), or nothing when a revolution leaves the point out.
void taggiungi_punto(double x, double y, double z, int stato);
// The arc resolution the generator works with: Forme::risoluzione kept within
// 1 and kMaxRisoluzione.
inline constexpr int kMaxRisoluzione = 1024;
int risoluzione_generatore();

// --- Curve points, in metres; the end point is always (x2, y2).
void tcrea_arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
void tcrea_arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
void tcrea_oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
void tcrea_gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
void tcrea_gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);

// --- Point status and path directions, in whole degrees.
// 1 when profile element i+1 leaves the joint in the direction element i
// arrives, else 0.
int calcola_stato(int i);
// The backward direction out of the start of path element i (0..359).
int calcola_s_angolo(int i);
// The direction in which path element i arrives at its end (0..359).
int calcola_e_angolo(int i);
// The path's start and end directions: those of the first and of the last
// path element that has an extent in x and y, 0 when no element has one.
int angolo_iniziale_percorso();
int angolo_finale_percorso();

} // namespace esportazione
