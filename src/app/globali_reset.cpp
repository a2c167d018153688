// The reset to a new, empty, untitled document.
#include "app/globali.h"

#include "create3d/fin_3d.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/conversions.h"
#include "platform/system.h"

namespace Globali {

namespace {

// The 3-D creation defaults of slots 2 to 15.
constexpr int kPrimoSlot = 2;
constexpr double kDefaults3d[] = {
    1.0,   100.0,      // profile scale: multiplier, percent
    1.0,   100.0,      // path scale: multiplier, percent
    2.0,               // Solid on
    1.0,   1.0,        // Structured, Closed off
    1.0,               // Virtual edges off
    180.0,             // revolution angle
    0.0,   0.0,   0.0, // rotations about x, y and z
    0.0,   0.0,        // path start and end angles
};

void svuota(ElementTable& table)
{
    table.redim(0);
    table.row(0) = ElementRow{};
}

} // namespace

void azzeratutto()
{
    // A visit to "Create 3D" ends first, as "Done" ends it: the window would
    // otherwise go on showing the settings and chains that go now.
    if (fin_3d::exists())
        fin_3d::instance().concludiVisita();

    Forme::poli_q = 0;
    Forme::poli_d = 0;
    esportazione::sago_q = 0;
    esportazione::perc_q = 0;

    svuota(Forme::polilinea);
    svuota(esportazione::sagoma);
    svuota(esportazione::percorso);
    // An empty chain has nothing to edit.
    Forme::adegua_modo();

    Forme::ricomincia();
    Geometria::vista_iniziale();

    setFileAttuale(QString());
    setModificato(false);

    Geometria::disegna_griglia();
    fin_principale::instance().mostra_corrente();

    int slot = kPrimoSlot;
    for (double v : kDefaults3d)
        esportazione::daticreatred[slot++] = v;

    Geometria::calc_zoom = false;
}

} // namespace Globali
