#include "support/schermo_finto.h"

#include "model/forme.h"

namespace testsupport {

SchermoFinto::SchermoFinto() : m_superficie([this](const platform::DrawItem& item) { vivi.push_back(item); }) {}

void SchermoFinto::azzera()
{
    vivi.clear();
    sfondo.reset();
    evidenziatore = QPoint(-1, -1);
    coloreEvidenziatore = QColor();
    etichetta.clear();
    tipo.clear();
    bottoniAggiornati = 0;
    qAlleBottoni = dAlleBottoni = -1;
    modoMostrato.reset();
}

void SchermoFinto::disegna_segmento(const platform::CurveShape& segmento, int x, int y)
{
    m_superficie.DrawObject(segmento, x, y);
}

void SchermoFinto::Refresh() { vivi.clear(); }

void SchermoFinto::setBackdrop(const platform::PicturePtr& picture) { sfondo = picture; }

void SchermoFinto::sposta_evidenziatore(int left, int top) { evidenziatore = QPoint(left, top); }

void SchermoFinto::colora_evidenziatore(const QColor& color) { coloreEvidenziatore = color; }

void SchermoFinto::scrivi_etichetta(const QString& testo) { etichetta = testo; }

void SchermoFinto::scrivi_tipo(const QString& testo) { tipo = testo; }

void SchermoFinto::aggiorna_bottoni()
{
    ++bottoniAggiornati;
    qAlleBottoni = Forme::poli_q;
    dAlleBottoni = Forme::poli_d;
}

} // namespace testsupport
