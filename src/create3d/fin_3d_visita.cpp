// A visit to the "Create 3D" window: activation, enabling and filling of the
// controls, and the hand-back to the editor.
#include "create3d/fin_3d.h"

void fin_3d::mostra()
{
    showAndActivate();
    Event_Activate();
}

void fin_3d::Event_Activate() {}
void fin_3d::aggiornadati() {}
void fin_3d::ritorna() {}
