#include "editor/etichette.h"

#include "model/geometria.h"
#include "platform/controls.h"
#include "platform/conversions.h"

#include <algorithm>

namespace etichette {

void collocaMarcatore(platform::OvalShape* marker, int left, int top)
{
    constexpr int kLimite = 1 << 20;
    marker->move(std::clamp(left, -kLimite, kLimite), std::clamp(top, -kLimite, kLimite));
}

void collocaSuPixel(platform::OvalShape* marker, double x, double y, double z)
{
    const double origx = Geometria::origx, origy = Geometria::origy;
    collocaMarcatore(marker, platform::CInt(((origx + x) - 2) + z), platform::CInt(((origy + y) - 2) - z));
}

} // namespace etichette
