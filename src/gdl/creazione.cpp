// The generator's single entry, called by the "Create 3D" window's "Save.."
// and "Copy".
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"
#include "gdl/testo.h"

namespace esportazione {

void creazione()
{
    finestra::prendiValori();
    esportastringa.clear();
    testo::nonFinito = false;
    if (profopath == 0)
        testocrea_tube_gdl();
    else if (profopath == 1)
        testocrea_revolve_gdl();
}

bool testo_finito() { return !testo::nonFinito; }

} // namespace esportazione
