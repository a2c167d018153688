#pragma once
// The "Create 3D" window: previews of the stored profile and path, the 3-D
// creation settings, the choice of solid, opening a profile or path from a
// document, handing them back to the editor, and saving or copying the GDL
// text. The left half belongs to the profile, the right half to the path.
//
// Every editable control stands for one slot of esportazione::daticreatred:
//   slcrea3d(0), (1), (2)     slots 0, 1, 10 (arc resolutions, revolution angle)
//   StaticTesto(0), (1)       read-outs of slots 0, 1
//   efdati3d(i), i = 0..3     slot i + 2 (scale as multiplier and percent)
//   CheckB(i), i = 0..3       slot i + 6 (Solid, Structured, Closed, Virtual edges)
//   efdatialfa3d(i), 10..15   slot i (revolution angle, rotations, path angles)
//   efdelta3d(i), 16..17      slot i (profile offsets)
// and bot_exp(i) chooses the solid, esportazione::profopath = i.
#include "model/disegno.h"
#include "model/element.h"
#include "platform/controls.h"
#include "platform/window.h"

class fin_3d : public platform::SingleWindow<fin_3d> {
public:
    fin_3d();

    // Shows the window and prepares it for a visit. Callers that bring the
    // window up (the palette's 3D and capture buttons, File > Create 3D..)
    // use this rather than show(): activation events are the window
    // system's to deliver, and the visit must start even when none comes.
    void mostra();

    // True from the activation that starts a visit until ritorna ends it.
    bool inVisita() const { return m_visita; }

    // Ends a visit in progress as "Done" does; nothing when there is none.
    // The commands that put another document in place (File > New, File >
    // Open.., a document handed over) end the visit first, so the window
    // never shows, nor its controls later store, an earlier document's
    // settings. This is the one road a visit ends by anyway; keeping the
    // window up would mean bringing every preview, read-out and control up
    // to the new document one by one.
    void concludiVisita();

    // --- Controls, in their creation order.
    platform::Separator* Separator1 = nullptr;
    platform::Separator* Separator2 = nullptr;
    platform::RectangleShape* Rectangle2 = nullptr;
    platform::RectangleShape* Rectangle1 = nullptr;
    platform::Canvas* Canvas1 = nullptr;
    platform::Canvas* Canvas2 = nullptr;
    platform::RectangleShape* rec_sel = nullptr;
    platform::ControlArray<platform::BevelButton> bot_exp;
    platform::ImageWell* ImageWell2 = nullptr;
    platform::PushButton* bottone_s_o = nullptr;
    platform::PushButton* bottone_s_e = nullptr;
    platform::PushButton* bottone_p_o = nullptr;
    platform::PushButton* bottone_p_e = nullptr;
    platform::StaticText* StaticText1 = nullptr;
    platform::StaticText* StaticText2 = nullptr;
    platform::PushButton* PushButton1 = nullptr;
    platform::ImageWell* ImageWell1 = nullptr;
    platform::ImageWell* ImageWell3 = nullptr;
    platform::ImageWell* ImageWell4 = nullptr;
    platform::PushButton* PushButton2 = nullptr;
    platform::PushButton* PushButton3 = nullptr;
    platform::LineShape* Line1 = nullptr;
    platform::ProgressBar* ProgressBar1 = nullptr;
    platform::StaticText* StaticT1 = nullptr;
    platform::ControlArray<platform::Slider> slcrea3d;
    platform::StaticText* StaticT2 = nullptr;
    platform::StaticText* StaticSAG_XY = nullptr;
    platform::StaticText* StaticPER_XY = nullptr;
    platform::ControlArray<platform::StaticText> StaticTesto;
    platform::ControlArray<platform::EditField> efdati3d;
    platform::ControlArray<platform::CheckBox> CheckB;
    platform::StaticText* StaticText5 = nullptr;
    platform::StaticText* StaticText6 = nullptr;
    platform::StaticText* StaticText7 = nullptr;
    platform::StaticText* StaticText8 = nullptr;
    platform::StaticText* StaticText9 = nullptr;
    platform::StaticText* StaticText10 = nullptr;
    platform::Canvas* Canvas3 = nullptr;
    platform::StaticText* StaticText3 = nullptr;
    platform::ControlArray<platform::EditField> efdatialfa3d;
    platform::PopupArrow* PopupArrow1 = nullptr;
    platform::PopupArrow* PopupArrow2 = nullptr;
    platform::StaticText* StaticText4 = nullptr;
    platform::StaticText* StaticText11 = nullptr;
    platform::StaticText* StaticText12 = nullptr;
    platform::StaticText* StaticText13 = nullptr;
    platform::StaticText* StaticText14 = nullptr;
    platform::ControlArray<platform::EditField> efdelta3d;
    platform::StaticText* StaticText15 = nullptr;
    platform::StaticText* StaticText16 = nullptr;
    platform::StaticText* StaticText17 = nullptr;

    // --- Handlers (one per control array, given the member's index).
    void bot_exp_Action(int index);
    void bottone_s_o_Action();
    void bottone_s_e_Action();
    void bottone_p_o_Action();
    void bottone_p_e_Action();
    void PushButton1_Action();
    void PushButton2_Action();
    void PushButton3_Action();
    void slcrea3d_ValueChanged(int index);
    void efdati3d_LostFocus(int index);
    void CheckB_Action(int index);
    void efdatialfa3d_LostFocus(int index);
    void efdelta3d_LostFocus(int index);

    // --- Methods.
    void Event_Activate() override;
    void disegnasagoma();
    void disegnapercorso();
    void aggiornadati();
    void ritorna();
    void contr_scala();
    void contr_angoli();
    void arcorivo(int angle);

    // The pictogram's two wedges as last drawn into Canvas3 (for inspection).
    const QImage& pittogramma() const { return Canvas3->backdrop(); }
    // The views the profile and path previews were last drawn in.
    const Geometria::Vista& vistaSagoma() const { return m_vistaSagoma; }
    const Geometria::Vista& vistaPercorso() const { return m_vistaPercorso; }

    // The arc resolution the previews draw curves at.
    static constexpr int kRisoluzioneAnteprime = 6;

private:
    void creaControlli();
    void collegaEventi();

    // Draws one stored chain into a new preview picture, fitting the
    // preview's view to it (see fin_3d_anteprime.cpp).
    void anteprima(const ElementTable& rows, int count, bool conAltezze, bool conAsse, platform::StaticText* lettura,
                   platform::ImageWell* pozzo, Geometria::Vista& vista);

    // The steps of an activation (see Event_Activate).
    void attivazione();

    bool m_visita = false;
    Geometria::Vista m_vistaSagoma;
    Geometria::Vista m_vistaPercorso;
    // Set from a show until the activation it brings: that activation is the
    // show's own, and the show has already run its steps.
    bool m_attivazioneAttesa = false;
};
