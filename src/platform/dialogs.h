#pragma once
// Modal questions the program asks: the open and save file dialogs, the
// "save the changes?" question and the message about a file command that
// failed. Each opens centred over the window of its command (the active
// window when none is given), and when it closes the window that was active
// before it is active again, with the focus it had. Each goes through one
// seam that tests can answer in place of the user.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

// A kind of file as the dialogs filter it.
struct FileType {
    QString name;       // the type's name, e.g. "Text"
    QString extensions; // e.g. ".mdn"; empty for any file
};

// The path chosen, or an empty string when the user cancelled. The document
// dialogs open in the folder where the user last chose a document and
// remember the folder chosen. A save dialog given a start folder opens there
// instead and leaves the documents' folder as it was: its caller keeps its
// own.
QString showOpenDialog(QWidget* over, const FileType& type);
QString showSaveDialog(QWidget* over, const FileType& type, const QString& defaultName,
                       const QString& startFolder = QString());

enum class SaveAnswer { Save, DontSave, Cancel };

struct SaveQuestionTexts {
    QString question; // "Save the changes to ...?"
    QString save;
    QString dontSave;
    QString cancel;
};
SaveAnswer askSaveChanges(QWidget* over, const SaveQuestionTexts& texts);

// A file command that failed: a message box with the text and one OK
// button, which the user closes. The caller beeps as it refuses.
void showFileFailure(QWidget* over, const QString& text);

// Test seam: while a handler is set it answers in place of the real dialog.
// Each handler also sees the window the dialog would open over.
struct DialogAnswers {
    std::function<QString(const FileType&, QWidget* over)> open;
    // Sees the folder the dialog would open in (empty: Qt's choice, the
    // working folder). A path it gives counts as chosen there.
    std::function<QString(const FileType&, const QString& defaultName, const QString& startFolder, QWidget* over)> save;
    std::function<SaveAnswer(const SaveQuestionTexts&, QWidget* over)> saveChanges;
    // Sees the failure's text; the message counts as read and closed.
    std::function<void(const QString& text, QWidget* over)> failure;
};
void setDialogAnswers(DialogAnswers answers);
void clearDialogAnswers();

} // namespace platform
