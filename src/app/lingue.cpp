#include "app/lingue.h"

#include "app/globali.h"
#include "app/tendine.h"
#include "platform/qt_language.h"

#include <QAction>

namespace lingue {

const std::vector<Testo>& testiMenu()
{
    static const std::vector<Testo> t = {
        {"FileMenu", "File", "Archivio"},
        {"FileNew", "New", "Nuovo"},
        {"FileOpen", "Open..", "Apri.."},
        {"FileSave", "Save", "Registra"},
        {"FileSaveas", "Save as..", "Registra come.."},
        {"FileCreate3D", "Create 3D..", "Crea 3D.."},
        {"FileQuit", "Quit", "Esci"},
        {"EditUndo", "Undo", "Annulla"},
        {"EditCut", "Cut", "Taglia"},
        {"EditCopy", "Copy", "Copia"},
        {"EditPaste", "Paste", "Incolla"},
        {"EditClear", "Clear", "Cancella"},
    };
    return t;
}

const std::vector<Testo>& testi3d()
{
    static const std::vector<Testo> t = {
        {"fin_3d", "Create GDL 3D text", "Crea testo GDL 3D"},
        {"StaticText1", "Profile", "Profilo"},
        {"StaticText2", "Path", "Percorso"},
        {"StaticT1", "Arc resolution for 90 degrees", "Risoluzione archi per 90 gradi"},
        {"StaticT2", "Arc resolution for 90 degrees", "Risoluzione archi per 90 gradi"},
        {"StaticText5", "Scale factor", "Fattore di scala"},
        {"StaticText6", "Scale factor", "Fattore di scala"},
        {"StaticText3", "Revolution angle", "Angolo di rivoluzione"},
        {"StaticText17", "Start/end angles", "Angoli inizio/fine"},
        {"bottone_s_o", "Open as profile..", "Apri come profilo.."},
        {"bottone_s_e", "Edit profile..", "Modifica profilo.."},
        {"bottone_p_o", "Open as path..", "Apri come percorso.."},
        {"bottone_p_e", "Edit path..", "Modifica percorso.."},
        {"CheckB(0)", "Solid", "Solido"},
        {"CheckB(1)", "Structured", "Strutturato"},
        {"CheckB(2)", "Closed", "Chiuso"},
        {"CheckB(3)", "Virtual edges", "Spigoli virtuali"},
        {"PushButton2", "Save..", "Registra.."},
        {"PushButton3", "Copy", "Copia"},
        {"PushButton1", "Done", "Chiudi"},
    };
    return t;
}

} // namespace lingue

namespace {

// Writes one language's texts: the menus, then the "Create 3D" window.
void applica(bool italiano)
{
    Tendine& bar = Tendine::instance();
    for (const lingue::Testo& t : lingue::testiMenu())
        if (QAction* a = bar.item(t.target))
            a->setText(italiano ? t.italiano : t.english);
    lingue::applica3d(italiano);
    platform::setQtLanguage(italiano);
}

} // namespace

namespace Globali {

void local_usa()
{
    lingua = 1;
    applica(false);
}

void local_ita()
{
    lingua = 2;
    applica(true);
}

} // namespace Globali
