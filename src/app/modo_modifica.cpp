#include "app/modo_modifica.h"

#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "model/forme.h"
#include "platform/picture.h"

#include <algorithm>

namespace modo_modifica {

void adattaAllaCatena()
{
    fin_forme& palette = fin_forme::instance();
    if (!palette.bot_sel->value())
        return;
    if (Forme::poli_q > 0) {
        Forme::poli_d = std::clamp(Forme::poli_d, 0, Forme::poli_q - 1);
        return;
    }
    // Back to add mode, set by the program so the mode handler does not run.
    palette.bot_sel->setValue(false);
    fin_forme::setButtonIcon(palette.bot_sel, QStringLiteral("edita1"));
    fin_principale& main = fin_principale::instance();
    const QColor red = platform::hsv(0.0, 1.0, 1.0);
    main.prepointer->setColors(red, red);
    main.pointer->setColors(red, red);
    main.prepointer->setVisible(false);
    main.pointer->setVisible(false);
    Forme::poli_d = 0;
}

} // namespace modo_modifica
