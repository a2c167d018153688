#include "editor/etichette.h"

#include "app/globali.h"
#include "model/forme.h"
#include "platform/controls.h"
#include "platform/conversions.h"

#include <algorithm>

namespace etichette {

QString etichettaElemento()
{
    const int tool = Forme::qualetool;
    const int lingua = Globali::lingua;
    QString name;
    if (tool >= 0 && tool <= 7 && lingua >= 0 && lingua <= 2)
        name = Forme::testoforma[tool][lingua];
    return platform::Str(Forme::poli_d) + QLatin1Char(' ') + name;
}

void collocaMarcatore(platform::OvalShape* marker, int left, int top)
{
    constexpr int kLimite = 1 << 20;
    marker->move(std::clamp(left, -kLimite, kLimite), std::clamp(top, -kLimite, kLimite));
}

} // namespace etichette
