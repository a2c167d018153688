#pragma once
// Application-wide state: the model's part (the language, the modified
// mark, the drawing area's size), the current document, and the shell's
// opening, reset and language switch.
#include "model/stato.h"

#include <QString>

namespace Globali {

// The current document's path; empty while the document is untitled.
extern QString fileattuale;

// Sets the current file and re-evaluates the menus at once.
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
