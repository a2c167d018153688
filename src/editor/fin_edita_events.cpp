// The numeric editor's handlers: typed deltas, the typed end point shown in
// the main window, and the navigation and "ok" buttons.
#include "editor/fin_edita.h"

#include "editor/etichette.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/conversions.h"

#include <cmath>

void fin_edita::Event_Open()
{
    collegaGestori();
    aggiorna_bottoni();
}

void fin_edita::collegaGestori()
{
    // Each delta is read from its field's text after the key has taken
    // effect (keyDown fires after the field has handled the key, Return
    // included, before the default button acts); textEdited also covers
    // edits that come without a key, such as pasting from the context menu.
    // A key that finds the program's text unedited (Return, an arrow) reads
    // nothing: that text may show the delta rounded to 15 digits.
    // When leaving the field rewrites an edited text (its filter runs first),
    // the delta takes the rewritten value too; a text the program wrote and
    // the user left alone keeps the delta it came from, to the last bit.
    auto colleghi = [this](EditFieldIntero* field, bool (fin_edita::*handler)(const QString&)) {
        connect(field, &platform::EditField::keyDown, this, [this, field, handler](const QString& key) {
            if (field->isModified())
                (this->*handler)(key);
        });
        connect(field, &QLineEdit::textEdited, this, [this, handler](const QString&) { (this->*handler)(QString()); });
        connect(field, &EditFieldIntero::riscritto, this, [this, handler] { (this->*handler)(QString()); });
    };
    colleghi(efxdelta, &fin_edita::efxdelta_KeyDown);
    colleghi(efydelta, &fin_edita::efydelta_KeyDown);
    colleghi(efzdelta, &fin_edita::efzdelta_KeyDown);
    for (const auto& [index, button] : bot_scorri) {
        const int i = index;
        connect(button, &QPushButton::clicked, this, [this, i] { bot_scorri_Action(i); });
    }
}

bool fin_edita::efxdelta_KeyDown(const QString& key)
{
    Q_UNUSED(key);
    Forme::dx = platform::Val(efxdelta->text());
    edita_numerico();
    return false;
}

bool fin_edita::efydelta_KeyDown(const QString& key)
{
    Q_UNUSED(key);
    Forme::dy = platform::Val(efydelta->text());
    edita_numerico();
    return false;
}

bool fin_edita::efzdelta_KeyDown(const QString& key)
{
    Q_UNUSED(key);
    Forme::dz = platform::Val(efzdelta->text());
    edita_numerico();
    return false;
}

void fin_edita::edita_numerico()
{
    using namespace Geometria;
    // The end in whole pixels from the origin.
    const int ex = platform::CInt((Forme::dx + Forme::xprec) * zmfct);
    const int ey = platform::CInt(-((Forme::dy + Forme::yprec) * zmfct));
    const int ez = platform::CInt((Forme::dz + Forme::zprec) * zmfct);

    // The typed end point, rounded through those pixels; the next element
    // starts there. Nothing can be placed before the view has a zoom.
    const bool vista = zmfct > 0.0 && std::isfinite(zmfct);
    Forme::xgr = vista ? ex / zmfct : 0.0;
    Forme::ygr = vista ? -(ey / zmfct) : 0.0;

    fin_principale& principale = fin_principale::instance();
    etichette::collocaSuPixel(principale.pointer, ex, ey, ez);

    testox->setText(QStringLiteral("X: ") + platform::StrTwoDecimals(Forme::xgr));
    testoy->setText(QStringLiteral("Y: ") + platform::StrTwoDecimals(Forme::ygr));

    disegna_cosa(Forme::forma);
}

void fin_edita::bot_scorri_Action(int index)
{
    const bool modifica = Forme::modifica;
    // The last position: the last element in edit mode, the end in add mode.
    const int ultimo = modifica ? Forme::poli_q - 1 : Forme::poli_q;
    auto vaiA = [ultimo](int d) {
        // The buttons that would leave the range are disabled; the position
        // is kept within it all the same.
        Forme::poli_d = std::clamp(d, 0, std::max(ultimo, 0));
        Geometria::disegna_griglia();
    };
    switch (index) {
    case 0: vaiA(0); break;
    case 1: vaiA(Forme::poli_d - 1); break;
    case 2: vaiA(Forme::poli_d + 1); break;
    case 3: vaiA(ultimo); break;
    case 4:
        if (modifica)
            Geometria::elemento_modifica();
        else
            Geometria::elemento_aggiungi();
        break;
    default: return;
    }
    txtforma->setText(Forme::etichetta());
    if (modifica)
        fin_principale::instance().aggiorna_puntini();
}
