#include "app/app.h"
#include "platform/system.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // A save that meets a file-size limit fails and keeps the old file.
    platform::ignoreFileSizeSignal();
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Modanova"));
    QApplication::setOrganizationName(QStringLiteral("Modanova"));
    // Ties the windows to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral("modanova"));
    // The documents named on the command line. Older macOS versions add a
    // process serial number argument when the program is started from the
    // Finder; it names no document.
    QStringList documents;
    for (const QString& argument : QApplication::arguments().mid(1))
        if (!argument.startsWith(QLatin1String("-psn_")))
            documents << argument;
    return App::run(qt, documents);
}
