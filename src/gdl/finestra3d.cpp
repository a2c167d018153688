#include "gdl/finestra3d.h"
#include "create3d/fin_3d.h"
#include "gdl/esportazione.h"
#include "platform/conversions.h"

namespace esportazione::finestra {

namespace {

double numeroDi(const QString& text) { return platform::Val(text); }

} // namespace

double scalaProfilo() { return numeroDi(fin_3d::instance().efdati3d(0)->text()); }

double scalaPercorso() { return numeroDi(fin_3d::instance().efdati3d(2)->text()); }

bool opzione(int i) { return fin_3d::instance().CheckB(i)->value(); }

void progresso(int valore, bool subito)
{
    platform::ProgressBar* bar = fin_3d::instance().ProgressBar1;
    if (bar->value() == valore)
        return;
    bar->setValue(valore);
    // Repainting only when the value moved keeps a long path cheap: the bar
    // has a hundred steps, the path may have thousands of elements.
    if (subito)
        bar->repaint();
}

void prendiValori()
{
    fin_3d& w = fin_3d::instance();
    daticreatred[0] = numeroDi(w.StaticTesto(0)->text());
    daticreatred[1] = numeroDi(w.StaticTesto(1)->text());
    daticreatred[10] = numeroDi(w.efdatialfa3d(10)->text());
    w.contr_scala();
    w.contr_angoli();
    w.aggiornadati();
}

} // namespace esportazione::finestra
