#include "app/app.h"

#include "app/filetypes.h"

#include <QApplication>

namespace App {

int run(QApplication& qt, const QStringList& documents)
{
    Q_UNUSED(documents);
    FileTypes::_Initialize();
    return qt.exec();
}

} // namespace App
