#include "app/globali.h"

#include "platform/system.h"

#include <algorithm>

namespace Globali {

int lingua = 0;
QString fileattuale;
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

void setFileAttuale(const QString& path)
{
    fileattuale = path;
    platform::requestMenuEnable();
}

} // namespace Globali
