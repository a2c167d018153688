#include "model/stato.h"

#include "platform/system.h"

#include <algorithm>

namespace Globali {

int lingua = 0;
bool filemodificato = false;
int scrx = 0, scry = 0;
int altmenu = 0;

int larghezzaDisegno() { return scrx; }
int altezzaDisegno() { return std::max(scry - altmenu, 1); }

void setModificato(bool modified)
{
    filemodificato = modified;
    platform::requestMenuEnable();
}

} // namespace Globali
