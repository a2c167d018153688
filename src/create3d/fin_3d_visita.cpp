// A visit to the "Create 3D" window: the activation that takes the screen
// over from the editor, the enabling and filling of the controls, and the
// hand-back to the editor.
#include "create3d/fin_3d.h"

#include "app/globali.h"
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/conversions.h"

#include <QPointer>

#include <utility>

using esportazione::daticreatred;
using platform::CInt;
using platform::Str15Digits;

// The window system may or may not deliver an activation when the window is
// shown (the offscreen platform does not always, and a window shown while the
// application is in the background gets none), and where it does, it comes
// later, from the event loop, once this command has ended (the yields of the
// previews keep it back). The visit starts here all the same, and the first
// activation after the show is the show's own: it is not run a second time,
// since the previews would otherwise be drawn twice for one show.
void fin_3d::mostra()
{
    // Already shown: brought to the front, the window starts no new visit.
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    m_attivazioneAttesa = true;
    showAndActivate();
    attivazione();
}

void fin_3d::Event_Activate()
{
    if (std::exchange(m_attivazioneAttesa, false))
        return;
    attivazione();
}

void fin_3d::attivazione()
{
    // An activation the window system delivers late, after the hand-back
    // has hidden the window again, starts no visit.
    if (!isVisible())
        return;
    fin_principale::instance().hide();
    fin_forme::instance().hide();
    fin_edita::instance().hide();
    place(94, 90);
    rec_sel->move(esportazione::profopath * 55 + 9, rec_sel->y());

    m_visita = true;

    ProgressBar1->setValue(0);
    ProgressBar1->repaint();
    disegnasagoma();
    ProgressBar1->repaint();
    disegnapercorso();
    ProgressBar1->repaint();
    aggiornadati();
    ProgressBar1->setValue(1);
    ProgressBar1->repaint();
}

void fin_3d::aggiornadati()
{
    const int sago_q = esportazione::sago_q;
    const int perc_q = esportazione::perc_q;
    const int profopath = esportazione::profopath;

    // A control disabled here, even for a moment, loses the keyboard focus;
    // an enabled one gets it back at the end.
    const QPointer<QWidget> focus = focusWidget();

    // Enabling: everything that depends on the data off, then on again by rule.
    PushButton2->setEnabled(false);
    PushButton3->setEnabled(false);
    for (int i = 0; i <= 3; ++i) {
        efdati3d(i)->setEnabled(false);
        CheckB(i)->setEnabled(false);
    }
    for (int i = 0; i <= 2; ++i)
        slcrea3d(i)->setEnabled(false);
    for (int i = 10; i <= 15; ++i)
        efdatialfa3d(i)->setEnabled(false);
    bottone_s_e->setEnabled(false);
    bottone_p_e->setEnabled(false);

    if (sago_q > 0) {
        bottone_s_e->setEnabled(true);
        slcrea3d(0)->setEnabled(true);
        CheckB(3)->setEnabled(true);
        efdati3d(0)->setEnabled(true);
        efdati3d(1)->setEnabled(true);
    }
    if (perc_q > 0) {
        bottone_p_e->setEnabled(true);
        slcrea3d(1)->setEnabled(true);
        for (int i = 2; i <= 3; ++i) {
            efdati3d(i)->setEnabled(true);
            efdatialfa3d(i + 12)->setEnabled(true);
        }
    }
    bool pronto = false;
    if (profopath == 1 && sago_q > 0) {
        slcrea3d(2)->setEnabled(true);
        efdatialfa3d(10)->setEnabled(true);
        pronto = true;
    }
    if (profopath == 0 && sago_q > 0 && perc_q > 0)
        pronto = true;
    if (pronto) {
        for (int i = 0; i <= 2; ++i) {
            CheckB(i)->setEnabled(true);
            efdatialfa3d(i + 11)->setEnabled(true);
        }
        PushButton2->setEnabled(true);
        PushButton3->setEnabled(true);
    }

    // Filling from the slots. These setters fire no handler, so no slot
    // changes while the controls are filled.
    for (int i = 0; i <= 1; ++i) {
        StaticTesto(i)->setText(Str15Digits(daticreatred[i]));
        slcrea3d(i)->setValueQuietly(CInt(daticreatred[i]));
    }
    slcrea3d(2)->setValueQuietly(CInt(daticreatred[10]));
    for (int i = 0; i <= 3; ++i)
        efdati3d(i)->setTextFromProgram(Str15Digits(daticreatred[i + 2]));
    for (int i = 10; i <= 15; ++i)
        efdatialfa3d(i)->setTextFromProgram(Str15Digits(daticreatred[i]));
    arcorivo(CInt(daticreatred[10]));
    for (int i = 16; i <= 17; ++i)
        efdelta3d(i)->setTextFromProgram(Str15Digits(daticreatred[i]));
    for (int i = 0; i <= 3; ++i)
        CheckB(i)->setValue(daticreatred[i + 6] == 2.0);

    if (focus && focus != focusWidget() && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

void fin_3d::ritorna()
{
    // The visit ends before the window hides: a field that had the focus
    // stores its value without drawing a preview nobody sees (see
    // anteprima).
    m_visita = false;
    m_attivazioneAttesa = false;
    // The field is left here, at once, as a click elsewhere would leave it.
    // Hidden with the focus, it would hear of its loss only when the window
    // system next moves the focus, by then perhaps after a command has put
    // another document in place, whose settings it would overwrite.
    if (QWidget* campo = focusWidget())
        campo->clearFocus();
    hide();

    fin_forme& palette = fin_forme::instance();
    if (Forme::poli_q == 0) {
        Forme::ricomincia();
        Geometria::vista_iniziale();
    }
    palette.zooma(3);
    Geometria::disegna_griglia();
    fin_principale& principale = fin_principale::instance();
    principale.mostra_corrente();

    // The drawing window first: a floating window shown while its owner is
    // hidden is not known as the owner's by the window manager (openbox),
    // which then lets the drawing window cover it as soon as that is raised.
    principale.show();
    fin_edita::instance().show();
    palette.show();
    // The drawing window takes the keyboard, so that the first shortcut
    // typed over it works; without a window manager nothing else would give
    // the focus to any window once this one has gone.
    principale.showAndActivate();
    principale.body()->setFocus(Qt::ActiveWindowFocusReason);
}

void fin_3d::concludiVisita()
{
    if (m_visita || isVisible())
        ritorna();
}
