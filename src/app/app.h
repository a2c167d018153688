#pragma once
// The application object: start-up, application events and menu commands.
#include <QStringList>

class QApplication;

namespace App {

// Runs the program: start-up, then the event loop. Documents named on the
// command line are opened after start-up.
int run(QApplication& qt, const QStringList& documents);

} // namespace App
