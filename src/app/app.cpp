#include "app/app.h"

#include "app/filetypes.h"
#include "app/globali.h"

#include <QApplication>

namespace App {

void startUp(const QStringList& documents)
{
    FileTypes::_Initialize();
    for (const QString& path : documents)
        Event_OpenDocument(path);
}

int run(QApplication& qt, const QStringList& documents)
{
    startUp(documents);
    return qt.exec();
}

bool richiestaChiusura()
{
    if (!salvaModifiche())
        return false;
    scriviPreferenze();
    return true;
}

void Event_Open() {}
void Event_Close() { scriviPreferenze(); }
void Event_EnableMenuItems() {}
bool _FileNew_Action()
{
    if (salvaModifiche())
        Globali::azzeratutto();
    return false;
}
bool _FileCreate3D_Action() { return false; }
bool _AppleModanovainfo_Action() { return false; }

QString percorsoPreferenze() { return {}; }
int leggiPreferenze() { return 1; }
bool scriviPreferenze() { return true; }

} // namespace App
