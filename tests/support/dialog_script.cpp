#include "support/dialog_script.h"

#include <gtest/gtest.h>

namespace testsupport {

DialogScript::DialogScript()
{
    platform::DialogAnswers answers;
    answers.open = [this](const platform::FileType& type, QWidget* over) {
        openTypes.push_back(type.name);
        windows.push_back(over);
        const size_t i = static_cast<size_t>(opens++);
        return i < openAnswers.size() ? openAnswers[i] : QString();
    };
    answers.save = [this](const platform::FileType&, const QString& defaultName, const QString& startFolder,
                          QWidget* over) {
        saveDefaultNames.push_back(defaultName);
        windows.push_back(over);
        saveFolders.push_back(startFolder);
        const size_t i = static_cast<size_t>(saves++);
        return i < saveAnswers.size() ? saveAnswers[i] : QString();
    };
    answers.saveChanges = [this](const platform::SaveQuestionTexts& texts, QWidget* over) {
        questions.push_back(texts.question);
        windows.push_back(over);
        const size_t i = static_cast<size_t>(saveChangesAsked++);
        return i < saveChangesAnswers.size() ? saveChangesAnswers[i] : platform::SaveAnswer::Cancel;
    };
    answers.failure = [this](const QString& text, QWidget* over) {
        failures.push_back(text);
        failureWindows.push_back(over);
        windows.push_back(over);
    };
    platform::setDialogAnswers(std::move(answers));
}

DialogScript::~DialogScript() { guardUnansweredMessages(); }

void guardUnansweredMessages()
{
    platform::DialogAnswers answers;
    answers.failure = [](const QString& text, QWidget*) {
        ADD_FAILURE() << "a message no test answered: " << text.toStdString();
    };
    platform::setDialogAnswers(std::move(answers));
}

} // namespace testsupport
