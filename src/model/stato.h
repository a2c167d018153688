#pragma once
// The application-wide state the model reads and writes: the language, the
// drawing area's size and the document's modified mark. The shell
// (app/globali.h) adds the current file, opening, resetting and the
// language switch.

namespace Globali {

// 1 English, 2 Italian.
extern int lingua;
extern bool filemodificato;
// The main window's size, menu bar included: the screen's size minus 100
// pixels.
extern int scrx, scry;
// The height the menu bar takes inside the main window (0 where the menu
// bar is the application's own, as on macOS).
extern int altmenu;
// The drawing area: the main window below its menu bar. The backdrop
// picture has its size, and the view's centre is its centre.
int larghezzaDisegno();
int altezzaDisegno();

// Sets the mark and re-evaluates the menus at once.
void setModificato(bool modified);

} // namespace Globali
