#pragma once
// The tool palette "Tools": the six shape tools with their highlight, the
// add/edit mode switch, delete, capture, transforms, view and settings.
#include "platform/controls.h"
#include "platform/window.h"

class fin_forme : public platform::SingleWindow<fin_forme> {
public:
    fin_forme();

    // Shows the named resource picture on a button and remembers its name in
    // the button's "iconName" property.
    static void setButtonIcon(platform::BevelButton* button, const QString& name);

    // The frame around the chosen tool.
    platform::RectangleShape* rec_sel = nullptr;
    // Coloured panels behind the zoom, transform and settings groups.
    platform::RectangleShape* Rectangle2 = nullptr;
    platform::RectangleShape* Rectangle1 = nullptr;
    platform::ControlArray<platform::BevelButton> bot_forma;
    platform::ControlArray<platform::BevelButton> bot_move;
    platform::ControlArray<platform::BevelButton> bot_zoom;
    platform::LineShape* Line1 = nullptr;
    platform::LineShape* Line2 = nullptr;
    platform::LineShape* Line3 = nullptr;
    platform::RectangleShape* Rectangle3 = nullptr;
    platform::ControlArray<platform::BevelButton> bot_setup;
    platform::BevelButton* bot_sagoma = nullptr;
    platform::BevelButton* bot_percorso = nullptr;
    // A toggle: its value is the editor's mode, down (true) in edit mode.
    platform::BevelButton* bot_sel = nullptr;
    platform::BevelButton* bot_can = nullptr;
    platform::BevelButton* bot_3d = nullptr;

    // --- Handlers (one per control array, given the member's index).
    void bot_forma_Action(int index);
    void bot_sel_Action();
    void bot_can_Action();
    void bot_sagoma_Action();
    void bot_percorso_Action();
    void bot_3d_Action();
    void bot_move_Action(int index);
    void bot_zoom_Action(int index);
    void bot_setup_Action(int index);

    // --- The view and the chain as a whole.
    // 0 zoom out, 1 zoom in, 2 the initial view, 3 fit to the drawing; then
    // the backdrop is rebuilt. The zoom stays within kZoomMin..kZoomMax: a
    // step that would leave that range, or put the origin beyond the Integer
    // range, is not taken (beep).
    void zooma(int mode);
    // Mirrors the chain (and the view) by sx and sy, each 1 or -1.
    void specchia(int sx, int sy);
    // Turns the chain by a quarter turn: 1 to the left (counter-clockwise),
    // -1 to the right.
    void ruota(int r);

    // --- The mode (Forme::modifica) as the palette shows it: the toggle's
    // value and icon, and the markers: blue and shown in edit mode, red and
    // hidden in add mode.
    void mostra_modo(bool modifica);

    static constexpr double kZoomMin = 1.0 / 1024.0;
    static constexpr double kZoomMax = 1024.0;

private:
    void Layout();
    void collegaGestori();
    // The start and end markers in one colour.
    void coloraMarcatori(const QColor& colore);
    // Copies the chain into a stored profile or path and shows "Create 3D".
    void cattura(bool profilo);
};
