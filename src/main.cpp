#include "app/app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Modanova"));
    QApplication::setOrganizationName(QStringLiteral("Modanova"));
    QStringList documents = QApplication::arguments().mid(1);
    return App::run(qt, documents);
}
