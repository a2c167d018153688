#include "model/element.h"

#include "platform/yield.h"

#include <algorithm>

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

namespace {

void riconcatena(ElementTable& table, int i)
{
    if (i <= 0)
        return;
    ElementRow& r = table.row(i);
    const ElementRow& prima = table.row(i - 1);
    r[kX0] = prima[kX0] + prima[kDX];
    r[kY0] = prima[kY0] + prima[kDY];
}

} // namespace

void specchiaCatena(ElementTable& table, int n, int sx, int sy)
{
    n = std::min(n, table.rowCount());
    for (int i = 0; i < n; ++i) {
        ElementRow& r = table.row(i);
        r[kKind] = mirrorKind(r[kKind]);
        riconcatena(table, i);
        r[kDX] = sx * r[kDX];
        r[kDY] = sy * r[kDY];
        platform::yieldToEventLoop();
    }
}

void ruotaCatena(ElementTable& table, int n, int verso)
{
    n = std::min(n, table.rowCount());
    for (int i = 0; i < n; ++i) {
        ElementRow& r = table.row(i);
        riconcatena(table, i);
        const double dx = r[kDX];
        r[kDX] = -verso * r[kDY];
        r[kDY] = verso * dx;
        platform::yieldToEventLoop();
    }
}
