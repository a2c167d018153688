#include "app/globali.h"

#include "platform/system.h"

namespace Globali {

QString fileattuale;

void setFileAttuale(const QString& path)
{
    fileattuale = path;
    platform::requestMenuEnable();
}

} // namespace Globali
