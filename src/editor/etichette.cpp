#include "editor/etichette.h"

#include "platform/controls.h"

#include <algorithm>

namespace etichette {

void collocaMarcatore(platform::OvalShape* marker, int left, int top)
{
    constexpr int kLimite = 1 << 20;
    marker->move(std::clamp(left, -kLimite, kLimite), std::clamp(top, -kLimite, kLimite));
}

} // namespace etichette
