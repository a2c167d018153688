#include "app/app.h"

#include "app/filetypes.h"
#include "app/globali.h"
#include "app/info.h"
#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "create3d/finestra3d_fin3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "editor/schermo_editor.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "platform/controls.h"
#include "platform/system.h"
#include "platform/yield.h"

#include <QAction>
#include <QApplication>
#include <QFileOpenEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

bool s_started = false;
QStringList s_pending;

// True while another command is still running: a long loop letting the
// window system repaint, or a modal dialog waiting for its answer. The
// "Create 3D" window is modal too, yet no command of its own waits on it: a
// document handed over during a visit ends the visit and opens at once, as
// File > Open.. does from that window.
bool occupato()
{
    const QWidget* modale = QApplication::activeModalWidget();
    const bool visita = modale && fin_3d::exists() && modale == &fin_3d::instance();
    return platform::insideYield() || (modale && !visita);
}

// Opens the documents handed over so far, once no command is running; a
// document that arrives in the middle of one waits for it to end.
void apriInAttesa()
{
    if (s_pending.isEmpty())
        return;
    if (occupato()) {
        QTimer::singleShot(100, qApp, apriInAttesa);
        return;
    }
    const QString path = s_pending.takeFirst();
    App::Event_OpenDocument(path);
    if (!s_pending.isEmpty())
        QTimer::singleShot(0, qApp, apriInAttesa);
}

// Documents handed over by the system (macOS sends them as file-open
// events); those that arrive during start-up or during another command
// wait for it to finish.
class FileOpenFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FileOpen) {
            s_pending.append(static_cast<QFileOpenEvent*>(event)->file());
            if (s_started)
                apriInAttesa();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The main window is never smaller than this, whatever the screen reports.
constexpr int kMinLato = 64;

void enable(Tendine::Voce voce, bool on)
{
    if (QAction* a = Tendine::instance().voce(voce))
        a->setEnabled(on);
}

} // namespace

namespace App {

void startUp(const QStringList& documents)
{
    FileTypes::Initialize();
    SchermoEditor::registra();
    Fin3dFinestra::registra();
    Tendine& bar = Tendine::instance();
    platform::setMenuEnableHandler([] { Event_EnableMenuItems(); });
    if (qApp) {
        qApp->installEventFilter(new FileOpenFilter(qApp));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { Event_Close(); });
    }
    // The main window, with the program's menu bar. It is on screen before
    // the palette and the numeric editor are made, as the windows they float
    // over.
    fin_principale& main = fin_principale::instance();
    main.show();
    if (bar.parentWidget() != &main)
        main.setMenuBar(&bar);

    Event_Open();
    // The drawing window takes the keyboard, so that the first shortcut
    // typed over it works, with or without a window manager.
    main.showAndActivate();
    main.body()->setFocus(Qt::ActiveWindowFocusReason);
    s_started = true;
    s_pending.append(documents);
    const QStringList pending = std::exchange(s_pending, {});
    avvisaRifiutati(apriDocumenti(pending));
}

int run(QApplication& qt, const QStringList& documents)
{
    // Closing the main window quits through its own close handler, not
    // because the last window went.
    qt.setQuitOnLastWindowClosed(false);
    startUp(documents);
    return qt.exec();
}

void quit()
{
    if (salvaModifiche())
        termina();
}

// Ends the event loop at once. QCoreApplication::quit() would first try to
// close every window again, and the main window would ask its question a
// second time.
void termina() { QCoreApplication::exit(0); }

void mostraPrincipale() { fin_principale::instance().showAndActivate(); }

void Event_Open()
{
    // The language; any value but English counts as Italian from here on,
    // so the shape-name table is never read outside its columns.
    Globali::lingua = leggiPreferenze() == 1 ? 1 : 2;

    Forme::carica_nomi();

    const QSize screen = platform::mainScreenSize();
    Globali::scrx = std::max(screen.width() - 100, kMinLato);
    Globali::scry = std::max(screen.height() - 100, kMinLato);

    fin_forme& palette = fin_forme::instance();
    palette.place(5, 42);
    palette.show();
    fin_edita& editor = fin_edita::instance();
    editor.place(110, 26);
    editor.show();
    fin_3d& create3d = fin_3d::instance();
    create3d.place(94, 90);
    create3d.hide();
    fin_principale& main = fin_principale::instance();
    // The whole window, menu bar included, fits the screen at (94, 90); the
    // drawing area is what the menu bar leaves.
    main.place(94, 90);
    main.fixWindowSize(Globali::scrx, Globali::scry);
    Globali::altmenu = main.menuBarHeight();
    main.show();
    // The menu bar lives in the main window, which "Create 3D" hides; the
    // windows shown instead carry its commands too, so that their shortcuts
    // work from every window of the program.
    const QList<QAction*> comandi = Tendine::instance().comandi();
    for (QWidget* w : std::initializer_list<QWidget*>{&palette, &editor, &create3d})
        w->addActions(comandi);

    Geometria::grx = 10;
    Geometria::gry = 10;
    Geometria::gridon = true;
    Geometria::gridvis = true;
    Forme::risoluzione = 8;
    esportazione::profopath = 0;

    Globali::azzeratutto();

    if (Globali::lingua == 1)
        Globali::local_usa();
    else
        Globali::local_ita();
}

// The preferences file that cannot be written keeps its old text; the beep
// tells so.
void Event_Close()
{
    if (!scriviPreferenze())
        platform::Beep();
}

void primaDelComando()
{
    if (platform::insideYield())
        return;
    platform::takeFocusedFieldText();
    Event_EnableMenuItems();
}

void Event_EnableMenuItems()
{
    enable(Tendine::Voce::FileNew, true);
    enable(Tendine::Voce::FileOpen, true);
    enable(Tendine::Voce::FileSave, !Globali::fileattuale.isEmpty() && Globali::filemodificato);
    enable(Tendine::Voce::FileSaveas, true);
    enable(Tendine::Voce::FileCreate3D, true);
    enable(Tendine::Voce::AppleModanovainfo, true);
}

bool FileNew_Action()
{
    if (salvaModifiche())
        Globali::azzeratutto();
    return false;
}

bool FileCreate3D_Action()
{
    fin_3d::instance().mostra();
    return false;
}

bool AppleModanovainfo_Action()
{
    info::instance().showAndActivate();
    return false;
}

} // namespace App
