#pragma once
// The program's dialogs answered by the tests: the file dialogs, the save
// question and the message of a failed file command.
#include "platform/dialogs.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace testsupport {

// Answers the program's dialogs for the lifetime of the object.
class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    // Paths the open and save dialogs answer, in order; an empty path cancels.
    std::vector<QString> openAnswers;
    std::vector<QString> saveAnswers;
    std::vector<platform::SaveAnswer> saveChangesAnswers;
    // What the program asked.
    std::vector<QString> saveDefaultNames;
    std::vector<QString> saveFolders; // where each save dialog would open
    std::vector<QString> openTypes;
    std::vector<QString> questions;
    // The messages of failed file commands, and the windows they were over.
    std::vector<QString> failures;
    std::vector<QWidget*> failureWindows;
    // The window each dialog, question and message would open over, in order.
    std::vector<QWidget*> windows;
    int opens = 0, saves = 0, saveChangesAsked = 0;
};

// Outside a DialogScript, a message about a failed file command fails the
// test instead of waiting for a click that never comes; test_main sets this.
void guardUnansweredMessages();

} // namespace testsupport
