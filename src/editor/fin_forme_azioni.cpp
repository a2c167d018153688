// The palette's handlers: tool choice, the two captures and "3D", the
// transforms, the view commands and the settings and language buttons.
#include "editor/fin_forme.h"

#include "app/globali.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_grid.h"
#include "editor/fin_principale.h"
#include "editor/fin_resol.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/yield.h"

#include <algorithm>

void fin_forme::collegaGestori()
{
    // Each array has one handler, given the member's index.
    auto colleghi = [this](const platform::ControlArray<platform::BevelButton>& array,
                           void (fin_forme::*handler)(int)) {
        for (const auto& [index, button] : array) {
            const int i = index;
            connect(button, &QToolButton::clicked, this, [this, handler, i] { (this->*handler)(i); });
        }
    };
    colleghi(bot_forma, &fin_forme::bot_forma_Action);
    colleghi(bot_move, &fin_forme::bot_move_Action);
    colleghi(bot_zoom, &fin_forme::bot_zoom_Action);
    colleghi(bot_setup, &fin_forme::bot_setup_Action);
    // The toggle has flipped its value by the time clicked arrives.
    connect(bot_sel, &QToolButton::clicked, this, [this] { bot_sel_Action(); });
    connect(bot_can, &QToolButton::clicked, this, [this] { bot_can_Action(); });
    connect(bot_sagoma, &QToolButton::clicked, this, [this] { bot_sagoma_Action(); });
    connect(bot_percorso, &QToolButton::clicked, this, [this] { bot_percorso_Action(); });
    connect(bot_3d, &QToolButton::clicked, this, [this] { bot_3d_Action(); });
}

void fin_forme::bot_forma_Action(int index)
{
    if (index < 0 || index > 5)
        return;
    if (!Forme::sceltaforma(index))
        return;
    // The current element again, in its new kind, as the live preview.
    Geometria::disegna_cosa(Forme::forma);
}

void fin_forme::cattura(bool profilo)
{
    using namespace esportazione;
    ElementTable& tavola = profilo ? sagoma : percorso;
    int& conta = profilo ? sago_q : perc_q;
    double& risoluzione = daticreatred[profilo ? 0 : 1];
    int& grx = profilo ? sago_grx : perc_grx;
    int& gry = profilo ? sago_gry : perc_gry;
    const int q = std::clamp(Forme::poli_q, 0, Forme::polilinea.rowCount());
    // The stored chain is part of the document: a capture that changes it
    // marks the document modified.
    bool cambiato = q != conta || risoluzione != static_cast<double>(Forme::risoluzione) || grx != Geometria::grx
                    || gry != Geometria::gry;
    conta = q;
    risoluzione = static_cast<double>(Forme::risoluzione);
    tavola.redim(q);
    for (int i = 0; i < q; ++i) {
        ElementRow riga = Forme::polilinea.row(i);
        // A profile lies flat; a path keeps its heights.
        if (profilo)
            riga[kZ0] = riga[kDZ] = 0.0;
        cambiato = cambiato || tavola.row(i) != riga;
        tavola.row(i) = riga;
        platform::yieldToEventLoop();
    }
    grx = Geometria::grx;
    gry = Geometria::gry;
    if (cambiato)
        Globali::setModificato(true);
    fin_3d::instance().mostra();
}

void fin_forme::bot_sagoma_Action() { cattura(true); }

void fin_forme::bot_percorso_Action() { cattura(false); }

void fin_forme::bot_3d_Action() { fin_3d::instance().mostra(); }

void fin_forme::bot_move_Action(int index)
{
    platform::ChasingArrows* occupato = fin_principale::instance().ChasingArrows1;
    occupato->setVisible(true);
    occupato->repaint();
    switch (index) {
    case 0: specchia(-1, 1); break;
    case 1: specchia(1, -1); break;
    case 2: ruota(-1); break;
    case 3: ruota(1); break;
    default: break;
    }
    Geometria::disegna_griglia();
    if (Forme::modifica)
        fin_principale::instance().aggiorna_puntini();
    occupato->setVisible(false);
}

void fin_forme::bot_zoom_Action(int index) { zooma(index); }

void fin_forme::bot_setup_Action(int index)
{
    switch (index) {
    case 0: fin_grid::instance().showAndActivate(); break;
    case 1: fin_resol::instance().showAndActivate(); break;
    case 2: Globali::local_usa(); break;
    case 3: Globali::local_ita(); break;
    default: break;
    }
    // Without waiting for a dialog: the labels in the language now chosen.
    fin_edita& editor = fin_edita::instance();
    editor.txtforma->setText(Forme::etichetta());
    editor.txttipo->setText(Forme::etichetta_tipo());
}
