#pragma once
// The application: start-up, the application events, the menu commands and
// the document commands shared by the windows.
#include <QString>
#include <QStringList>

class QApplication;

namespace App {

// Runs the program: start-up, then the event loop. Documents named on the
// command line are opened after start-up.
int run(QApplication& qt, const QStringList& documents);

// Start-up of the program's state, before the first event; fills nothing
// the event loop must do. run() calls it; tests call it to start the program
// without an event loop.
void startUp(const QStringList& documents);

// Application events.
void Event_Open();
void Event_Close();
void Event_EnableMenuItems();
// A document handed over by the system or named on the command line; asks
// about unsaved changes first.
void Event_OpenDocument(const QString& path);

// Documents named at start: each opened as Event_OpenDocument opens it, a
// refused one with its beep; the messages of those refused come back, for
// avvisaRifiutati to show in one box.
QStringList apriDocumenti(const QStringList& paths);
void avvisaRifiutati(const QStringList& messaggi);

// Runs before every File command, by shortcut or menu, and before the main
// window's close request: the field with the keyboard focus takes its text
// as leaving it would (stored, the document marked), and the File items are
// enabled anew, so the command works on what the screen shows. Nothing
// while a long command lets the window system in.
void primaDelComando();

// Menu commands; each returns false (not handled further).
bool FileNew_Action();
bool FileOpen_Action();
bool FileSave_Action();
bool FileSaveas_Action();
bool FileCreate3D_Action();
bool AppleModanovainfo_Action();

// Writes the document to path (atomically). On success path is the current
// file and the document is not modified; on failure the beep, and the
// current file and the mark stay as they were, and a message box names the
// file and the reason.
bool filesalva(const QString& path);

// The "save the changes?" question, asked only when the document is
// modified. Save saves as File > Save does (through the save dialog when the
// document is untitled) and gives true only when the save succeeded; Don't
// Save gives true; Cancel gives false. Not modified: true, nothing asked.
bool salvaModifiche();

// FileQuit: the unsaved changes question, then the program ends.
void quit();
// Ends the event loop (the main window calls it once it has closed).
void termina();
// Brings the main window forward.
void mostraPrincipale();

// The preferences file: read gives the language value it holds (1 when
// there is no file), write stores the current language.
int leggiPreferenze();
bool scriviPreferenze();
QString percorsoPreferenze();

} // namespace App
