#pragma once
// Modal questions the program asks: the open and save file dialogs and the
// "save the changes?" question. Each goes through one seam that tests can
// answer in place of the user.
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// A kind of file as the dialogs filter it.
struct FileType {
    QString name;       // the type's name, e.g. "text"
    QString extensions; // e.g. ".mdn"; empty for any file
};

// The path chosen, or an empty string when the user cancelled.
QString showOpenDialog(const FileType& type);
QString showSaveDialog(const FileType& type, const QString& defaultName);

enum class SaveAnswer { Save, DontSave, Cancel };

struct SaveQuestionTexts {
    QString question; // "Save the changes to ...?"
    QString save;
    QString dontSave;
    QString cancel;
};
SaveAnswer askSaveChanges(const SaveQuestionTexts& texts);

// Test seam: while a handler is set it answers in place of the real dialog.
struct DialogAnswers {
    std::function<QString(const FileType&)> open;
    std::function<QString(const FileType&, const QString& defaultName)> save;
    std::function<SaveAnswer(const SaveQuestionTexts&)> saveChanges;
};
void setDialogAnswers(DialogAnswers answers);
void clearDialogAnswers();

} // namespace platform
