// The generator's single entry, called by the "Create 3D" window's "Save.."
// and "Copy".
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"

namespace esportazione {

void creazione()
{
    finestra::prendiValori();
    esportastringa.clear();
    if (profopath == 0)
        testocrea_tube_gdl();
    else if (profopath == 1)
        testocrea_revolve_gdl();
}

} // namespace esportazione
