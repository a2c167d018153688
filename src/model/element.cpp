#include "model/element.h"

double mirrorKind(double kind)
{
    // Compared in this order; the first exact match gives the mirror kind.
    static constexpr double kFrom[] = {0, 6, 1, 7, 2, 8, 3, 9, 4, 10, 5, 11};
    static constexpr double kTo[] = {0, 0, 7, 1, 3, 9, 2, 8, 5, 11, 4, 10};
    for (int i = 0; i < 12; ++i)
        if (kind == kFrom[i])
            return kTo[i];
    return 0.0;
}

void ElementTable::redim(int upperBound)
{
    if (upperBound < -1)
        upperBound = -1;
    m_rows.resize(static_cast<std::size_t>(upperBound + 1), ElementRow{});
}
