// The main drawing window's events: the pointer turned into millimetres and
// snapped, the markers, the rubber band, the click that adds or modifies,
// and the display of the selected element.
#include "editor/fin_principale.h"

#include "app/app.h"
#include "app/globali.h"
#include "editor/etichette.h"
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/puntatore.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/conversions.h"
#include "platform/picture.h"
#include "platform/resources.h"

namespace {

// The numeric editor's delta fields and element label for the current
// element.
void mostraDelta()
{
    fin_edita& editor = fin_edita::instance();
    editor.efxdelta->setTextFromProgram(platform::Str15Digits(Forme::dx));
    editor.efydelta->setTextFromProgram(platform::Str15Digits(Forme::dy));
    editor.efzdelta->setTextFromProgram(platform::Str15Digits(Forme::dz));
    editor.txtforma->setText(Forme::etichetta());
}

} // namespace

void fin_principale::Event_Open() { Geometria::gri_aggiungipict = false; }

// A close request is a command like the menu's Quit: a value typed and not
// yet left counts.
bool fin_principale::Event_CancelClose()
{
    App::primaDelComando();
    return !App::salvaModifiche();
}

void fin_principale::Event_Close() { App::termina(); }

bool fin_principale::Event_KeyDown(const QString& key)
{
    Q_UNUSED(key);
    fin_edita& editor = fin_edita::instance();
    editor.showAndActivate();
    editor.efxdelta->setFocus(Qt::OtherFocusReason);
    return false;
}

void fin_principale::Event_MouseEnter()
{
    prepointer->setVisible(true);
    pointer->setVisible(true);
    if (!Forme::modifica)
        setMouseCursor(platform::drawingCursor());
}

void fin_principale::Event_MouseExit()
{
    setMouseCursor(QCursor(Qt::ArrowCursor));
    Refresh();
    if (Forme::modifica) {
        aggiorna_puntini();
    } else {
        prepointer->setVisible(false);
        pointer->setVisible(false);
    }
}

void fin_principale::Event_MouseMove(int x, int y)
{
    using namespace Geometria;
    if (!Forme::modifica)
        collocaInizio();

    const puntatore::Posizione p = puntatore::converti(x, y);
    Forme::xgr = p.xgr;
    Forme::ygr = p.ygr;

    // The end marker stands on the pointer's pixel, raised by the end's height.
    const double zFine = (Forme::zprec + Forme::dz) * zmfct;
    etichette::collocaSuPixel(pointer, p.px, p.py, zFine);

    Forme::dx = Forme::xgr - Forme::xprec;
    Forme::dy = Forme::ygr - Forme::yprec;

    fin_edita& editor = fin_edita::instance();
    editor.efxdelta->setTextFromProgram(platform::Str15Digits(Forme::dx));
    editor.efydelta->setTextFromProgram(platform::Str15Digits(Forme::dy));
    editor.testox->setText(QStringLiteral("X: ") + platform::StrTwoDecimals(Forme::xgr));
    editor.testoy->setText(QStringLiteral("Y: ") + platform::StrTwoDecimals(Forme::ygr));

    disegna_cosa(Forme::forma);
}

bool fin_principale::Event_MouseDown(int x, int y)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    if (Forme::modifica)
        Geometria::elemento_modifica();
    else
        Geometria::elemento_aggiungi();
    return false;
}

void fin_principale::aggiorna_puntini()
{
    using namespace Geometria;
    // Edit mode holds only while the selection lies within the chain; a
    // selection outside it has no row to show.
    if (!Forme::selezione_nella_catena())
        return;
    Forme::caricaelemento(Forme::polilinea.row(Forme::poli_d));

    disegna_cosa(Forme::forma);

    // The palette's highlight goes onto the tool of the element's kind, in
    // the colour of its variant. No tool draws a kind outside 0 to 11 (a
    // document may hold any number there): the highlight then stays on the
    // palette's own tool and variant.
    const bool tipoNoto = Forme::forma >= 0 && Forme::forma <= 11;
    const int k = tipoNoto ? Forme::forma % 6 : Forme::qualetool;
    const bool seconda = tipoNoto ? Forme::forma >= 6 : Forme::inversioneforma;
    platform::RectangleShape* sel = fin_forme::instance().rec_sel;
    sel->move(Forme::posto_evidenziatore(k));
    const QColor colore = seconda ? Forme::colore_secondo() : Forme::colore_primo();
    sel->setColors(colore, colore, colore);

    collocaMarcatori();
    mostraDelta();
}

void fin_principale::mostra_corrente()
{
    if (Forme::modifica) {
        aggiorna_puntini();
        return;
    }
    collocaMarcatori();
    mostraDelta();
}

void fin_principale::collocaInizio()
{
    using namespace Geometria;
    etichette::collocaSuPixel(prepointer, Forme::xprec * zmfct, -(Forme::yprec * zmfct), Forme::zprec * zmfct);
}

void fin_principale::collocaMarcatori()
{
    using namespace Geometria;
    collocaInizio();
    const double zFine = (Forme::zprec + Forme::dz) * zmfct;
    etichette::collocaSuPixel(pointer, (Forme::xprec + Forme::dx) * zmfct, -((Forme::yprec + Forme::dy) * zmfct),
                              zFine);
}
