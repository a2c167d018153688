#include "gdl/finestra3d.h"

#include "gdl/esportazione.h"

namespace esportazione::finestra {

namespace {

class Nessuna final : public Finestra3d {
public:
    double scalaProfilo() override { return 1.0; }
    double scalaPercorso() override { return 1.0; }
    double risoluzioneProfilo() override { return daticreatred[0]; }
    double risoluzionePercorso() override { return daticreatred[1]; }
    double angoloRivoluzione() override { return daticreatred[10]; }
    bool opzione(int) override { return false; }
    void progresso(int, bool) override {}
    void controllaEAggiorna() override {}
};

Nessuna nessuna;
Finestra3d* registrata = &nessuna;

} // namespace

void registra(Finestra3d* f) { registrata = f ? f : &nessuna; }

double scalaProfilo() { return registrata->scalaProfilo(); }

double scalaPercorso() { return registrata->scalaPercorso(); }

bool opzione(int i) { return registrata->opzione(i); }

void progresso(int valore, bool subito) { registrata->progresso(valore, subito); }

void prendiValori()
{
    daticreatred[0] = registrata->risoluzioneProfilo();
    daticreatred[1] = registrata->risoluzionePercorso();
    daticreatred[10] = registrata->angoloRivoluzione();
    registrata->controllaEAggiorna();
}

} // namespace esportazione::finestra
