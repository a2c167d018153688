#pragma once
// What the model needs of the screen: the main window's live drawing and
// backdrop, the palette's mode and highlight, the numeric editor's labels
// and navigation buttons. The editor implements it and registers it at
// start-up; the model calls nothing else of the windows.
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

    // The palette: true while the mode button is in edit mode; the
    // highlight moved to (left, top) and painted in one colour.
    virtual bool modoModifica() const = 0;
    virtual void sposta_evidenziatore(int left, int top) = 0;
    virtual void colora_evidenziatore(const QColor& color) = 0;

    // The numeric editor: the element's label and kind label, and the
    // navigation buttons set from the chain and the mode.
    virtual void scrivi_etichetta(const QString& testo) = 0;
    virtual void scrivi_tipo(const QString& testo) = 0;
    virtual void aggiorna_bottoni() = 0;
};

// The screen the model draws on. Until one is registered a screen that
// does nothing stands in (add mode, nothing drawn).
Schermo& schermo();
void registra(Schermo* s);

} // namespace Schermo
