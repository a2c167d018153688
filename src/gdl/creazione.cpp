// The generator's single entry, called by the "Create 3D" window's "Save.."
// and "Copy".
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"

namespace esportazione {

namespace {

// Whether the last text made says what the data say.
bool finito = true;

} // namespace

void creazione()
{
    finestra::prendiValori();
    esportastringa.clear();
    Generatore g(esportastringa, daticreatred, profopath);
    finito = false;
    if (profopath == 0)
        testocrea_tube_gdl(g, catena_sagoma(), catena_percorso());
    else if (profopath == 1)
        testocrea_revolve_gdl(g, catena_sagoma());
    finito = !g.nonFinito;
}

bool testo_finito() { return finito; }

} // namespace esportazione
