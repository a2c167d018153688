#pragma once
// The main drawing window: the backdrop picture with the grid and the chain,
// the live rubber band over it, and the start and end markers.
#include "platform/controls.h"
#include "platform/window.h"

class fin_principale : public platform::SingleWindow<fin_principale> {
public:
    fin_principale();

    // Transparent for the mouse: the window's own events cover it.
    platform::Canvas* canvas_disegno = nullptr;
    // End marker and start marker of the current element.
    platform::OvalShape* pointer = nullptr;
    platform::OvalShape* prepointer = nullptr;
    // Busy indicator shown while a transform or view command redraws.
    platform::ChasingArrows* ChasingArrows1 = nullptr;

    // Shows the selected element: loads it into the current element, draws
    // it, puts the palette's highlight on its kind, places the markers and
    // fills the numeric editor. Does nothing when no element is selected.
    void aggiorna_puntini();

    // Shows what a command that replaced the drawing or the current element
    // left behind, at once and not at the next pointer move: in edit mode
    // the selected element; in add mode the markers on the current
    // element's start and end, and the numeric editor's fields and label
    // for the current element. Run after the backdrop's rebuild, which has
    // wiped the rubber band.
    void mostra_corrente();

protected:
    void Event_Open() override;
    bool Event_CancelClose() override;
    void Event_Close() override;
    bool Event_KeyDown(const QString& key) override;
    void Event_MouseEnter() override;
    void Event_MouseExit() override;
    void Event_MouseMove(int x, int y) override;
    bool Event_MouseDown(int x, int y) override;

private:
    // The start marker on the current element's start, the end marker on
    // its end, each raised by its height.
    void collocaInizio();
    void collocaMarcatori();
};
