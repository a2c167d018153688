#include "create3d/finestra3d_fin3d.h"

#include "create3d/fin_3d.h"
#include "gdl/finestra3d.h"
#include "platform/conversions.h"

namespace Fin3dFinestra {

namespace {

double numeroDi(const QString& text) { return platform::Val(text); }

class Controlli final : public esportazione::finestra::Finestra3d {
public:
    double scalaProfilo() override { return numeroDi(fin_3d::instance().efdati3d(0)->text()); }
    double scalaPercorso() override { return numeroDi(fin_3d::instance().efdati3d(2)->text()); }
    double risoluzioneProfilo() override { return numeroDi(fin_3d::instance().StaticTesto(0)->text()); }
    double risoluzionePercorso() override { return numeroDi(fin_3d::instance().StaticTesto(1)->text()); }
    double angoloRivoluzione() override { return numeroDi(fin_3d::instance().efdatialfa3d(10)->text()); }
    bool opzione(int i) override { return fin_3d::instance().CheckB(i)->value(); }

    void progresso(int valore, bool subito) override
    {
        platform::ProgressBar* bar = fin_3d::instance().ProgressBar1;
        if (bar->value() == valore)
            return;
        bar->setValue(valore);
        // Repainting only when the value moved keeps a long path cheap: the
        // bar has a hundred steps, the path may have thousands of elements.
        if (subito)
            bar->repaint();
    }

    void controllaEAggiorna() override
    {
        fin_3d& w = fin_3d::instance();
        w.contr_scala();
        w.contr_angoli();
        w.aggiornadati();
    }
};

} // namespace

void registra()
{
    static Controlli controlli;
    esportazione::finestra::registra(&controlli);
}

} // namespace Fin3dFinestra
