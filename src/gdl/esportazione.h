#pragma once
// Everything 3-D creation works on: the stored profile and path, the 21
// creation settings, the chosen solid and the generated text; and the
// generator, which writes the statement from the chains and settings it is
// given.
#include "model/element.h"

#include <array>
#include <cstddef>
#include <string>

namespace esportazione {

// The stored profile (z columns always 0) and the stored path.
extern ElementTable sagoma;
extern int sago_q;
extern int sago_grx, sago_gry;
extern ElementTable percorso;
extern int perc_q;
extern int perc_grx, perc_gry;
// The same as chains.
Catena catena_sagoma();
Catena catena_percorso();

// The creation settings, slots 0..20.
inline constexpr int kDatiCount = 21;
using Dati3d = std::array<double, kDatiCount>;
extern Dati3d daticreatred;

// 0 extrusion along the path (TUBE), 1 revolution (REVOLVE).
extern int profopath;

// The generated statement text (plain ASCII, lines ended by a carriage return).
extern std::string esportastringa;

// --- The generator's single entry: takes the last values from the "Create 3D"
// window, has it check and refill its controls, and writes the statement of
// the chosen solid from the stored chains and the settings into
// esportastringa.
void creazione();
// True when every number of the text creazione made last is finite, so that
// the text says what the data say. A text that is not is neither saved nor
// copied.
bool testo_finito();

// The arc resolution the generator works with is kept within 1 and this.
inline constexpr int kMaxRisoluzione = 1024;

// One generation: the text it appends to, the settings and the solid it
// writes, and its working values. Each run of a statement writer has its
// own; nothing of it outlives the run but the text.
class Generatore {
public:
    Generatore(std::string& testo, const Dati3d& dati, int profopath) : testo(testo), dati(dati), profopath(profopath)
    {}

    std::string& testo;
    const Dati3d& dati;
    const int profopath;

    // The arc resolution of the chain being written (segments per quarter
    // circle), as its settings slot gives it.
    int risoluzione = 8;
    // 0 profile points, 1 path points.
    int qualetestocontrol = 0;
    // The last path point written.
    double lastx = 0.0, lasty = 0.0, lastz = 0.0;
    // Whether the last point handed over was written (a revolution leaves
    // some out), whether the point to come is a revolution's first, and the
    // profile points left out so far.
    bool nonsaltaultimo = false;
    bool masaltaprimo = false;
    int punti_saltati = 0;
    // Set when a number that was not finite (an overflow of huge scales or
    // coordinates) came to be written; its text says 0.
    bool nonFinito = false;
    // The element being written, in metres: start and extent.
    double xprec = 0.0, yprec = 0.0, zprec = 0.0;
    double dx = 0.0, dy = 0.0, dz = 0.0;
    // The length of the room made for the head at the front of the text.
    std::size_t stanzaTesta = 0;

    // Writes the current element as kind `kind`, its end point with status
    // `stato`; returns the points handed to taggiungi_punto.
    int testocrea_cosa(int kind, int stato);
    // Appends one profile point line (x, y, status) or path point line
    // (x, y, z, 0), or nothing when a revolution leaves the point out.
    void taggiungi_punto(double x, double y, double z, int stato);
    // risoluzione kept within 1 and kMaxRisoluzione.
    int risoluzione_generatore() const;

    // Curve points, in metres; the end point is always (x2, y2).
    void tcrea_arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
    void tcrea_arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
    void tcrea_oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
    void tcrea_gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);
    void tcrea_gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato);

private:
    void puntoInterno(double px, double py, double x2, double y2, double z);

    // Every point handed to taggiungi_punto, so that an element's count is
    // the number of points its routine really handed over.
    int m_consegnati = 0;
};

// --- Statement writers, appending to the generator's text. The extrusion
// sweeps the profile along the path; the revolution turns the profile,
// whose rows it reflects while it writes and gives back afterwards (its
// starts re-chained, kinds without a mirror as lines).
void testocrea_tube_gdl(Generatore& g, const Catena& sagoma, const Catena& percorso);
void testocrea_revolve_gdl(Generatore& g, const Catena& sagoma);
// Turns the stored profile by a quarter turn about its first start point
// (verso 1 counter-clockwise, -1 clockwise), re-chaining the starts.
void s_ruota(int verso);
// Mirrors the stored profile's deltas by sx and sy and every kind by the
// mirror kind map, re-chaining the starts.
void s_specchia(int sx, int sy);

// --- Point status and path directions, in whole degrees.
// 1 when profile element i+1 leaves the joint in the direction element i
// arrives, else 0.
int calcola_stato(const ElementTable& profilo, int i);
// The backward direction out of the start of path element i (0..359).
int calcola_s_angolo(const ElementTable& percorso, int i);
// The direction in which path element i arrives at its end (0..359).
int calcola_e_angolo(const ElementTable& percorso, int i);
// The path's start and end directions: those of the first and of the last
// path element that has an extent in x and y, 0 when no element has one.
int angolo_iniziale_percorso(const Catena& percorso);
int angolo_finale_percorso(const Catena& percorso);

} // namespace esportazione
