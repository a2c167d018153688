#include "model/schermo.h"

namespace Schermo {

namespace {

class Nessuno final : public Schermo {
public:
    void disegna_segmento(const platform::CurveShape&, int, int) override {}
    void Refresh() override {}
    void setBackdrop(const platform::PicturePtr&) override {}
    void mostra_modo(bool) override {}
    void sposta_evidenziatore(int, int) override {}
    void colora_evidenziatore(const QColor&) override {}
    void scrivi_etichetta(const QString&) override {}
    void scrivi_tipo(const QString&) override {}
    void aggiorna_bottoni() override {}
};

Nessuno nessuno;
Schermo* registrato = &nessuno;

} // namespace

Schermo& schermo() { return *registrato; }

void registra(Schermo* s) { registrato = s ? s : &nessuno; }

} // namespace Schermo
