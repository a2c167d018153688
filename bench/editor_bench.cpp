// The editor's two hot paths on a 1180 x 700 drawing area: one pointer move
// over the main window (conversion, rubber band, repaint) and one rebuild of
// the backdrop with the whole chain.
#include "programma.h"

#include "app/globali.h"
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "editor/schermo_editor.h"
#include "model/forme.h"
#include "model/geometria.h"

#include <QMouseEvent>

namespace {

constexpr int kWidth = 1180;
constexpr int kHeight = 700;

void preparaEditor(int risoluzione)
{
    Globali::lingua = 1;
    Globali::scrx = kWidth;
    Globali::scry = kHeight;
    Geometria::origx = kWidth / 2;
    Geometria::origy = kHeight / 2;
    Geometria::zmfct = 1.0;
    Geometria::grx = Geometria::gry = 10;
    Geometria::gridon = Geometria::gridvis = true;
    Forme::risoluzione = risoluzione;
    fin_principale& principale = fin_principale::instance();
    principale.resizeToBody(kWidth, kHeight);
    principale.show();
    fin_edita::instance().show();
    fin_forme::instance().show();
    QCoreApplication::processEvents();
}

// A chain of n elements of every kind in rows across the drawing area,
// some rising and falling in height.
void catena(int n)
{
    Forme::polilinea.redim(n);
    double x = -500, y = -300, z = 0;
    int fila = 0;
    for (int i = 0; i < n; ++i) {
        const double dx = 7 + (i % 5) * 3;
        const double dy = (i % 2 ? 1 : -1) * (5 + (i % 7) * 2);
        const double dz = i % 9 == 0 ? (z > 0 ? -4 : 4) : 0;
        Forme::polilinea.row(i) = {static_cast<double>(i % 12), x, y, dx, dy, z, dz};
        x += dx;
        y += dy;
        z += dz;
        if (x > 500) {
            // A new row: the chain jumps back to the left.
            fila = (fila + 1) % 20;
            x = -500;
            y = -300 + fila * 30;
        }
    }
    Forme::poli_q = n;
    Forme::poli_d = n;
}

void muovi(QWidget* area, QPoint p)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(p), area->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(area, &move);
}

void PointerMove(benchmark::State& state)
{
    preparaEditor(128);
    catena(200);
    Geometria::disegna_griglia();
    // A double curve of 2 x 128 segments follows the pointer.
    Forme::qualetool = 4;
    Forme::forma = 4;
    Forme::xprec = 0;
    Forme::yprec = 0;
    QWidget* area = fin_principale::instance().body();
    int i = 0;
    for (auto _ : state) {
        const QPoint p(700 + (i % 200), 150 + (i % 97));
        muovi(area, p);
        area->repaint();
        ++i;
    }
    const std::size_t segmenti = fin_principale::instance().liveItems().size();
    // Nothing drawn: the move went to a screen that does nothing, and the
    // time would be that of the conversion alone.
    if (segmenti == 0)
        bench::errore(state, "a pointer move drew no segment on the main window");
    state.counters["segments"] = static_cast<double>(segmenti);
}
BENCHMARK(PointerMove)->Unit(benchmark::kMillisecond);

void BackdropRebuild(benchmark::State& state)
{
    preparaEditor(8);
    catena(static_cast<int>(state.range(0)));
    for (auto _ : state)
        Geometria::disegna_griglia();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BackdropRebuild)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The model draws on the editor's windows, registered as start-up registers
// them.
void setUp() { SchermoEditor::registra(); }

} // namespace

int main(int argc, char** argv) { return bench::esegui(argc, argv, setUp); }
