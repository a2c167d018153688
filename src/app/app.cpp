#include "app/app.h"

#include "app/filetypes.h"
#include "app/globali.h"
#include "app/info.h"
#include "app/tendine.h"
#include "platform/system.h"

#include <QAction>
#include <QApplication>
#include <QFileOpenEvent>

namespace {

bool s_started = false;
QStringList s_pending;

// Documents handed over by the system (macOS sends them as file-open
// events); those that arrive during start-up wait for it to finish.
class FileOpenFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FileOpen) {
            const QString path = static_cast<QFileOpenEvent*>(event)->file();
            if (s_started)
                App::Event_OpenDocument(path);
            else
                s_pending.append(path);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void enable(const char* name, bool on)
{
    if (QAction* a = Tendine::instance().item(QString::fromLatin1(name)))
        a->setEnabled(on);
}

} // namespace

namespace App {

void startUp(const QStringList& documents)
{
    FileTypes::_Initialize();
    Tendine::instance();
    platform::setMenuEnableHandler([] { Event_EnableMenuItems(); });
    if (qApp) {
        qApp->installEventFilter(new FileOpenFilter(qApp));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { Event_Close(); });
    }
    Event_Open();
    s_started = true;
    s_pending.append(documents);
    const QStringList pending = std::exchange(s_pending, {});
    for (const QString& path : pending)
        Event_OpenDocument(path);
}

int run(QApplication& qt, const QStringList& documents)
{
    // Closing the main window quits through its own close handler, not
    // because the last window went.
    qt.setQuitOnLastWindowClosed(false);
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

void quit()
{
    if (richiestaChiusura())
        termina();
}

void termina() { QCoreApplication::quit(); }

void mostraPrincipale() {}

void Event_Open() {}

void Event_Close() { scriviPreferenze(); }

void Event_EnableMenuItems()
{
    enable("FileNew", true);
    enable("FileOpen", true);
    enable("FileSave", !Globali::fileattuale.isEmpty() && Globali::filemodificato);
    enable("FileSaveas", true);
    enable("FileCreate3D", true);
    enable("AppleModanovainfo", true);
}

bool _FileNew_Action()
{
    if (salvaModifiche())
        Globali::azzeratutto();
    return false;
}

bool _FileCreate3D_Action() { return false; }

bool _AppleModanovainfo_Action()
{
    info::instance().showAndActivate();
    return false;
}

} // namespace App
