#include "model/geometria.h"

#include "model/forme.h"
#include "model/schermo.h"
#include "model/stato.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <algorithm>
#include <cmath>

namespace Geometria {

using platform::CInt;

std::vector<int> linee_griglia(double origine, double lato, double passo)
{
    std::vector<int> linee;
    if (!(passo >= 5.0))
        return linee;
    // Every position comes from the origin and the step number, so rounding
    // does not add up; the line through the origin is counted on both sides.
    const int prima = CInt(std::abs(origine / passo));
    const int dopo = CInt(std::abs((lato - origine) / passo));
    // When the origin lies outside the window most of those lines cannot
    // show; only the steps that land within the window (a pixel to spare)
    // are drawn, so a view far off the drawing does not take millions of
    // lines. With the origin inside the window every line lands there.
    auto lato_griglia = [&](int n, double verso) {
        double da = verso > 0 ? (-1.0 - origine) / passo : (origine - lato - 1.0) / passo;
        double a = verso > 0 ? (lato + 1.0 - origine) / passo : (origine + 1.0) / passo;
        const int i0 = std::max(0, CInt(std::ceil(std::max(da, -1.0))));
        const int i1 = std::min(n, CInt(std::floor(std::min(a, static_cast<double>(n)))));
        for (int i = i0; i <= i1; ++i)
            linee.push_back(CInt(origine + verso * i * passo));
    };
    lato_griglia(prima, -1.0);
    lato_griglia(dopo, 1.0);
    return linee;
}

namespace {

void disegna_linee(platform::Graphics& g)
{
    const double sx = grx * zmfct;
    const double sy = gry * zmfct;
    if (!(sx >= 5.0 && sy >= 5.0 && gridvis))
        return;
    g.ForeColor = platform::hsv(0.0, 0.0, 0.8);
    g.PenHeight = 1;
    g.PenWidth = 1;
    const double w = Globali::larghezzaDisegno(), h = Globali::altezzaDisegno();
    for (int x : linee_griglia(origx, w, sx)) {
        g.DrawLine(x, 0, x, h);
        platform::yieldToEventLoop();
    }
    for (int y : linee_griglia(origy, h, sy)) {
        g.DrawLine(0, y, w, y);
        platform::yieldToEventLoop();
    }
}

void disegna_assi(platform::Graphics& g)
{
    g.ForeColor = platform::hsv(0.15, 0.8, 0.5);
    g.DrawLine(6, 12, 6, 32);
    g.DrawLine(6, 32, 26, 32);
    g.DrawLine(6, 32, 26, 12);
    g.TextFont = QStringLiteral("arial");
    g.TextSize = 10;
    g.DrawString(QStringLiteral("X"), 3, 10);
    g.DrawString(QStringLiteral("Y"), 30, 10);
    g.DrawString(QStringLiteral("Z"), 30, 36);
}

void disegna_origine(platform::Graphics& g)
{
    g.ForeColor = platform::hsv(0.5, 0.5, 0.5);
    g.PenHeight = 3;
    g.PenWidth = 3;
    const double x = origx, y = origy;
    g.DrawLine(x - 3, y - 3, x + 3, y + 3);
    g.DrawLine(x - 3, y + 3, x + 3, y - 3);
    g.PenHeight = 1;
    g.PenWidth = 1;
}

void disegna_catena()
{
    using namespace Forme;
    gri_aggiungipict = true;
    gri_successivi = false;
    if (poli_q <= 0)
        return;
    const bool aggiunta = !modifica;
    const int ultimo = std::min(poli_q, polilinea.rowCount()) - 1;
    for (int i = 0; i <= ultimo; ++i) {
        // In add mode the elements from the insertion point on are set apart.
        if (i > poli_d - 1 && aggiunta)
            gri_successivi = true;
        const ElementRow& r = polilinea.row(i);
        carica_posizione(r);
        disegna_cosa(CInt(r[kKind]));
        platform::yieldToEventLoop();
    }
    if (ultimo < 0)
        return;
    // The next element starts at the insertion point, or at the selection.
    const int d = std::clamp(poli_d, 0, ultimo + 1);
    if (d <= ultimo) {
        const ElementRow& r = polilinea.row(d);
        xprec = r[kX0];
        yprec = r[kY0];
        zprec = r[kZ0];
    } else {
        const ElementRow& r = polilinea.row(d - 1);
        xprec = r[kX0] + r[kDX];
        yprec = r[kY0] + r[kDY];
        zprec = r[kZ0] + r[kDZ];
    }
}

} // namespace

void disegna_griglia()
{
    // What was drawn live belongs to the drawing being replaced: the
    // rebuild wipes it, so an empty chain leaves no rubber band behind.
    Schermo::schermo().Refresh();
    griglia = std::make_shared<platform::Picture>(Globali::larghezzaDisegno(), Globali::altezzaDisegno());
    platform::Graphics& g = griglia->graphics();
    disegna_linee(g);
    disegna_assi(g);
    disegna_origine(g);
    disegna_catena();
    gri_aggiungipict = false;
    gri_successivi = false;
    // A rebuild follows every change of the chain: edit mode is kept within
    // the chain it has drawn.
    Forme::adegua_modo();
    Schermo::schermo().aggiorna_bottoni();
    Schermo::schermo().setBackdrop(griglia);
}

} // namespace Geometria
