#include "platform/qt_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

void setQtLanguage(bool italian)
{
    static QTranslator* qtItalian = nullptr;
    // Dates and sizes in Qt's own dialogs follow the interface. The
    // program's own numbers do not use the locale: they keep the point.
    QLocale::setDefault(italian ? QLocale(QLocale::Italian, QLocale::Italy)
                                : QLocale(QLocale::English, QLocale::UnitedStates));
    if (!QCoreApplication::instance())
        return;
    if (!italian) {
        if (qtItalian)
            QCoreApplication::removeTranslator(qtItalian);
        return;
    }
    if (!qtItalian) {
        qtItalian = new QTranslator(QCoreApplication::instance());
        // "qt_it" bundles qtbase's texts with the other modules'; "qtbase_it"
        // is the file of the widgets and dialogs alone.
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!qtItalian->load(QStringLiteral("qtbase_it"), folder) && !qtItalian->load(QStringLiteral("qt_it"), folder))
            return; // the system has no Italian for Qt: it stays English
    }
    if (!qtItalian->isEmpty())
        QCoreApplication::installTranslator(qtItalian);
}

} // namespace platform
