#pragma once
// Application-wide state: the language, the current document and its
// modified mark, and the drawing area's size.
#include <QString>

namespace Globali {

// 1 English, 2 Italian.
extern int lingua;
// The current document's path; empty while the document is untitled.
extern QString fileattuale;
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

// Set the mark or the current file and re-evaluate the menus at once.
void setModificato(bool modified);
void setFileAttuale(const QString& path);

// Opens the document at path (nothing for an empty path). The whole file is
// checked first; a file that cannot be read or breaks the layout's rules is
// refused with the beep and a message box that names it and the reason, and
// nothing changes. True when it was opened.
bool apri_file(const QString& path);
// The same without the beep and the box: the message comes back instead
// (empty when the document was opened or the path is empty).
QString apri_file_in_silenzio(const QString& path);

// Back to a new, empty, untitled document that is not modified.
void azzeratutto();

// The interface languages: set lingua, then the menu bar's texts and those
// of the "Create 3D" window.
void local_usa();
void local_ita();

} // namespace Globali
