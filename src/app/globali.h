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
// The main window's size: the screen's size minus 100 pixels.
extern int scrx, scry;

// Set the mark or the current file and re-evaluate the menus at once.
void setModificato(bool modified);
void setFileAttuale(const QString& path);

} // namespace Globali
