#include "editor/schermo_editor.h"

#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "model/schermo.h"

namespace SchermoEditor {

namespace {

class Finestre final : public Schermo::Schermo {
public:
    void disegna_segmento(const platform::CurveShape& segmento, int x, int y) override
    {
        fin_principale::instance().graphics().DrawObject(segmento, x, y);
    }
    void Refresh() override { fin_principale::instance().Refresh(); }
    void setBackdrop(const platform::PicturePtr& picture) override { fin_principale::instance().setBackdrop(picture); }

    void mostra_modo(bool modifica) override { fin_forme::instance().mostra_modo(modifica); }
    void sposta_evidenziatore(int left, int top) override
    {
        platform::RectangleShape* r = fin_forme::instance().rec_sel;
        r->move(r->x(), top);
        r->move(left, r->y());
    }
    void colora_evidenziatore(const QColor& color) override
    {
        platform::RectangleShape* r = fin_forme::instance().rec_sel;
        r->TopLeftColor = color;
        r->BottomRightColor = color;
        r->FillColor = color;
        r->update();
    }

    void scrivi_etichetta(const QString& testo) override { fin_edita::instance().txtforma->setText(testo); }
    void scrivi_tipo(const QString& testo) override { fin_edita::instance().txttipo->setText(testo); }
    void aggiorna_bottoni() override { fin_edita::instance().aggiorna_bottoni(); }
};

} // namespace

void registra()
{
    static Finestre finestre;
    Schermo::registra(&finestre);
}

} // namespace SchermoEditor
