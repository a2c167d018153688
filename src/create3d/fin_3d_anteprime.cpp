// The previews of the stored profile and path.
#include "create3d/fin_3d.h"

void fin_3d::disegnasagoma() {}
void fin_3d::disegnapercorso() {}
