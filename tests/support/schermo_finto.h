#pragma once
// A screen for the model's tests: it records what the model asks of the
// screen instead of drawing on windows. The live segments are drawn through
// a platform surface, so they are the items a window would keep.
#include "model/schermo.h"
#include "platform/picture.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

namespace testsupport {

class SchermoFinto final : public Schermo::Schermo {
public:
    SchermoFinto();

    // Forgets everything recorded.
    void azzera();

    // What the model asked for.
    std::vector<platform::DrawItem> vivi; // the live layer since the last Refresh
    platform::PicturePtr sfondo;
    QPoint evidenziatore{-1, -1};
    QColor coloreEvidenziatore;
    QString etichetta;
    QString tipo;
    // How often the navigation buttons were asked to follow the chain, and
    // the chain's count and position at the last request (-1 before one).
    int bottoniAggiornati = 0;
    int qAlleBottoni = -1, dAlleBottoni = -1;

    // The mode the palette was last asked to show (true for edit mode),
    // unset before a request.
    std::optional<bool> modoMostrato;

    void disegna_segmento(const platform::CurveShape& segmento, int x, int y) override;
    void Refresh() override;
    void setBackdrop(const platform::PicturePtr& picture) override;
    void mostra_modo(bool modifica) override { modoMostrato = modifica; }
    void sposta_evidenziatore(int left, int top) override;
    void colora_evidenziatore(const QColor& color) override;
    void scrivi_etichetta(const QString& testo) override;
    void scrivi_tipo(const QString& testo) override;
    void aggiorna_bottoni() override;

private:
    platform::Graphics m_superficie;
};

} // namespace testsupport
