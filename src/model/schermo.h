#pragma once
// What the model shows on the screen: the main window's live drawing and
// backdrop, the palette's mode and highlight, the numeric editor's labels
// and navigation buttons. Output only: the model reads nothing back. The
// editor implements it and registers it at start-up; the model calls
// nothing else of the windows.
#include "platform/picture.h"

#include <QColor>
#include <QString>

namespace Schermo {

class Schermo {
public:
    virtual ~Schermo() = default;

    // The main window: a segment drawn live at (x, y), the live drawing
    // wiped, the backdrop picture installed.
    virtual void disegna_segmento(const platform::CurveShape& segmento, int x, int y) = 0;
    virtual void Refresh() = 0;
    virtual void setBackdrop(const platform::PicturePtr& picture) = 0;

    // The palette: the mode shown (edit mode when true, see
    // Forme::modifica); the highlight moved to (left, top) and painted in
    // one colour.
    virtual void mostra_modo(bool modifica) = 0;
    virtual void sposta_evidenziatore(int left, int top) = 0;
    virtual void colora_evidenziatore(const QColor& color) = 0;

    // The numeric editor: the element's label and kind label, and the
    // navigation buttons set from the chain and the mode.
    virtual void scrivi_etichetta(const QString& testo) = 0;
    virtual void scrivi_tipo(const QString& testo) = 0;
    virtual void aggiorna_bottoni() = 0;
};

// The screen the model draws on. Until one is registered a screen that
// does nothing stands in (nothing drawn, nothing shown).
Schermo& schermo();
void registra(Schermo* s);

} // namespace Schermo
