#include "editor/vista_adattata.h"

#include "platform/conversions.h"

#include <algorithm>
#include <cmath>

namespace vista {

double zoomAdatto(const Riquadro& box, double larghezza, double altezza, double margine)
{
    return std::min(std::abs(larghezza / (box.xmax + margine - box.xmin)),
                    std::abs(altezza / (box.ymax + margine - box.ymin)));
}

Origine origineCentrata(const Riquadro& box, double larghezza, double altezza, double zoom)
{
    const int mx = platform::CInt((larghezza - (box.xmax - box.xmin) * zoom) / 2.0);
    const int my = platform::CInt((altezza - (box.ymax - box.ymin) * zoom) / 2.0);
    return {platform::CInt(mx - box.xmin * zoom), platform::CInt(my + box.ymax * zoom)};
}

} // namespace vista
