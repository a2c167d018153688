#include "model/forme.h"

#include "platform/conversions.h"

namespace Forme {

ElementTable polilinea;
int poli_q = 0;
int poli_d = 0;
bool modifica = false;
int forma = 0;
double xprec = 0.0, yprec = 0.0, zprec = 0.0;
double dx = 0.0, dy = 0.0, dz = 0.0;
double xgr = 0.0, ygr = 0.0;
int qualetool = 0;
bool inversioneforma = false;
int risoluzione = 0;
QString testoforma[8][3];

void carica_nomi()
{
    static constexpr const char* kNomi[8][2] = {
        {"Line", "Listello"},
        {"Torus", "Toro"},
        {"1/4 Curve", "Ovolo"},
        {"1/4 Cur. reversed", "Cavetto"},
        {"Double curve", "Gola diritta"},
        {"Double curve rev.", "Gola rovescia"},
        {"Circular", "Forma circolare"},
        {"Elliptical", "Forma ellittica"},
    };
    for (int k = 0; k < 8; ++k)
        testoforma[k][1] = QString::fromUtf8(kNomi[k][0]);
    for (int k = 0; k < 8; ++k)
        testoforma[k][2] = QString::fromUtf8(kNomi[k][1]);
}

void caricaelemento(const ElementRow& row)
{
    forma = platform::CInt(row[kKind]);
    carica_posizione(row);
}

void carica_posizione(const ElementRow& row)
{
    xprec = row[kX0];
    yprec = row[kY0];
    dx = row[kDX];
    dy = row[kDY];
    zprec = row[kZ0];
    dz = row[kDZ];
}

} // namespace Forme
