#pragma once
// The numeric element editor "XY": the element label, the pointer read-outs,
// the three delta fields and the navigation buttons.
#include "editor/EditFieldIntero.h"
#include "platform/controls.h"
#include "platform/window.h"

class fin_edita : public platform::SingleWindow<fin_edita> {
public:
    fin_edita();

    // Enables the navigation buttons for the current position in the chain,
    // after the palette has checked that edit mode still holds.
    void aggiorna_bottoni();

    // Shows the end point of the typed deltas: read-outs, end marker and
    // rubber band.
    void edita_numerico();

    // A delta field's text became the element's delta; run after every key
    // and every edit of the field, so the delta always equals the text.
    bool efxdelta_KeyDown(const QString& key);
    bool efydelta_KeyDown(const QString& key);
    bool efzdelta_KeyDown(const QString& key);
    // Navigation (0 first, 1 previous, 2 next, 3 last) and 4 "ok".
    void bot_scorri_Action(int index);

    EditFieldIntero* efxdelta = nullptr;
    platform::StaticText* testox = nullptr;
    platform::StaticText* testoy = nullptr;
    platform::StaticText* StaticText2 = nullptr;
    EditFieldIntero* efydelta = nullptr;
    platform::StaticText* StaticText3 = nullptr;
    // 0 "<<", 1 "<", 2 ">", 3 ">>", 4 "ok".
    platform::ControlArray<platform::PushButton> bot_scorri;
    platform::StaticText* StaticText4 = nullptr;
    platform::OvalShape* Oval1 = nullptr;
    EditFieldIntero* efzdelta = nullptr;
    platform::StaticText* StaticText5 = nullptr;
    platform::StaticText* StaticText6 = nullptr;
    platform::StaticText* StaticText7 = nullptr;
    platform::OvalShape* Oval2 = nullptr;
    platform::StaticText* txtforma = nullptr;
    platform::StaticText* txttipo = nullptr;

protected:
    void Event_Open() override;

private:
    void Layout();
    void collegaGestori();
};
