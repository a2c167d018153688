#include "app/lingue.h"

#include "app/filetypes.h"
#include "app/globali.h"
#include "app/tendine.h"
#include "platform/qt_language.h"

#include <QAction>

#include <optional>

namespace lingue {

namespace {

using B = Bersaglio;

constexpr std::array<Testo, kBersagli> kTesti = {{
    {B::FileMenu, "File", "Archivio"},
    {B::FileNew, "New", "Nuovo"},
    {B::FileOpen, "Open..", "Apri.."},
    {B::FileSave, "Save", "Registra"},
    {B::FileSaveas, "Save as..", "Registra come.."},
    {B::FileCreate3D, "Create 3D..", "Crea 3D.."},
    {B::FileQuit, "Quit", "Esci"},
    {B::EditUndo, "Undo", "Annulla"},
    {B::EditCut, "Cut", "Taglia"},
    {B::EditCopy, "Copy", "Copia"},
    {B::EditPaste, "Paste", "Incolla"},
    {B::EditClear, "Clear", "Cancella"},
    {B::Fin3d, "Create GDL 3D text", "Crea testo GDL 3D"},
    {B::StaticText1, "Profile", "Profilo"},
    {B::StaticText2, "Path", "Percorso"},
    {B::StaticT1, "Arc resolution for 90 degrees", "Risoluzione archi per 90 gradi"},
    {B::StaticT2, "Arc resolution for 90 degrees", "Risoluzione archi per 90 gradi"},
    {B::StaticText5, "Scale factor", "Fattore di scala"},
    {B::StaticText6, "Scale factor", "Fattore di scala"},
    {B::StaticText3, "Revolution angle", "Angolo di rivoluzione"},
    {B::StaticText17, "Start/end angles", "Angoli inizio/fine"},
    {B::bottone_s_o, "Open as profile..", "Apri come profilo.."},
    {B::bottone_s_e, "Edit profile..", "Modifica profilo.."},
    {B::bottone_p_o, "Open as path..", "Apri come percorso.."},
    {B::bottone_p_e, "Edit path..", "Modifica percorso.."},
    {B::CheckB0, "Solid", "Solido"},
    {B::CheckB1, "Structured", "Strutturato"},
    {B::CheckB2, "Closed", "Chiuso"},
    {B::CheckB3, "Virtual edges", "Spigoli virtuali"},
    {B::PushButton2, "Save..", "Registra.."},
    {B::PushButton3, "Copy", "Copia"},
    {B::PushButton1, "Done", "Chiudi"},
    {B::TipoDocumento, "Modanova documents", "Documenti Modanova"},
    {B::TipoTesto, "Text", "Testo"},
}};

constexpr bool pieno(const char* text) { return text != nullptr && text[0] != '\0'; }

// Each target once, in its place, with a text in both languages: an entry
// left out leaves a zeroed one at the end of the array, which fails here.
constexpr bool completa()
{
    for (std::size_t i = 0; i < kTesti.size(); ++i) {
        const Testo& t = kTesti[i];
        if (static_cast<std::size_t>(t.bersaglio) != i || !pieno(t.english) || !pieno(t.italiano))
            return false;
    }
    return true;
}
static_assert(completa(), "every target needs its text in both languages, in the order of Bersaglio");

} // namespace

const std::array<Testo, kBersagli>& testi() { return kTesti; }

} // namespace lingue

namespace {

// The menu bar's item of a target that is not in the "Create 3D" window.
std::optional<Tendine::Voce> voceDi(lingue::Bersaglio bersaglio)
{
    using B = lingue::Bersaglio;
    using V = Tendine::Voce;
    switch (bersaglio) {
    case B::FileMenu: return V::FileMenu;
    case B::FileNew: return V::FileNew;
    case B::FileOpen: return V::FileOpen;
    case B::FileSave: return V::FileSave;
    case B::FileSaveas: return V::FileSaveas;
    case B::FileCreate3D: return V::FileCreate3D;
    case B::FileQuit: return V::FileQuit;
    case B::EditUndo: return V::EditUndo;
    case B::EditCut: return V::EditCut;
    case B::EditCopy: return V::EditCopy;
    case B::EditPaste: return V::EditPaste;
    case B::EditClear: return V::EditClear;
    default: return std::nullopt;
    }
}

// Writes one language's texts: the menus, then the "Create 3D" window.
void applica(bool italiano)
{
    for (const lingue::Testo& t : lingue::testi())
        lingue::scrivi(t.bersaglio, QString::fromUtf8(italiano ? t.italiano : t.english));
    platform::setQtLanguage(italiano);
}

} // namespace

namespace lingue {

bool scrivi(Bersaglio bersaglio, const QString& text)
{
    // The file dialogs take a type's name each time they open.
    if (bersaglio == Bersaglio::TipoDocumento) {
        FileTypes::pModanovafileModanovaform.name = text;
        return true;
    }
    if (bersaglio == Bersaglio::TipoTesto) {
        FileTypes::pText.name = text;
        return true;
    }
    if (scrivi3d(bersaglio, text))
        return true;
    const std::optional<Tendine::Voce> voce = voceDi(bersaglio);
    if (!voce)
        return false;
    if (QAction* a = Tendine::instance().voce(*voce))
        a->setText(text);
    return true;
}

} // namespace lingue

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
