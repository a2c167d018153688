#include "support/model_state.h"

#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "model/schermo.h"
#include "model/stato.h"
#include "platform/beep.h"

#include <algorithm>
#include <iterator>

namespace testsupport {

namespace {

// The 3-D settings of a new document, the previews' arc resolutions 8.
constexpr double kSettings[esportazione::kDatiCount] = {
    8,   8,         // arc resolutions of the profile and the path previews
    1,   100,       // profile scale: multiplier, percent
    1,   100,       // path scale: multiplier, percent
    2,   1,   1, 1, // Solid on; Structured, Closed and Virtual edges off
    180,            // revolution angle
    0,   0,   0,    // rotations about x, y and z
    0,   0,         // path start and end angles
    0,   0,         // the profile's offsets from the axis
    0,   0,   0,    // unused
};
static_assert(std::size(kSettings) == esportazione::kDatiCount);

void svuota(ElementTable& table, int& count)
{
    table.redim(0);
    table.row(0) = ElementRow{};
    count = 0;
}

} // namespace

void resetModelState()
{
    Schermo::registra(nullptr);
    esportazione::finestra::registra(nullptr);

    Globali::lingua = 1;
    Globali::filemodificato = false;
    Globali::scrx = 800;
    Globali::scry = 600;
    Globali::altmenu = 0;

    Forme::carica_nomi();
    svuota(Forme::polilinea, Forme::poli_q);
    Forme::poli_d = 0;
    Forme::modifica = false;
    Forme::forma = Forme::qualetool = 0;
    Forme::inversioneforma = false;
    Forme::xprec = Forme::yprec = Forme::zprec = 0.0;
    Forme::dx = Forme::dy = Forme::dz = 0.0;
    Forme::xgr = Forme::ygr = 0.0;
    Forme::risoluzione = 8;

    Geometria::vista_iniziale();
    Geometria::grx = Geometria::gry = 10;
    Geometria::gridon = Geometria::gridvis = true;
    Geometria::calc_zoom = false;

    svuota(esportazione::sagoma, esportazione::sago_q);
    svuota(esportazione::percorso, esportazione::perc_q);
    std::copy(std::begin(kSettings), std::end(kSettings), esportazione::daticreatred.begin());
    esportazione::profopath = 0;
    esportazione::esportastringa.clear();

    platform::resetBeepCount();
}

} // namespace testsupport
