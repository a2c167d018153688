#pragma once
// The texts the two interface languages switch, by the item or control
// they go to.
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>

namespace platform {
struct FileError;
}
namespace documento {
struct ReadError;
}

namespace lingue {

// Where a text of the interface goes: the menu bar's items in the order
// they are written, then the "Create 3D" window's title and its controls,
// then the names of the file types the file dialogs filter by.
enum class Bersaglio {
    FileMenu,
    FileNew,
    FileOpen,
    FileSave,
    FileSaveas,
    FileCreate3D,
    FileQuit,
    EditUndo,
    EditCut,
    EditCopy,
    EditPaste,
    EditClear,
    Fin3d, // the window's title
    StaticText1,
    StaticText2,
    StaticT1,
    StaticT2,
    StaticText5,
    StaticText6,
    StaticText3,
    StaticText17,
    bottone_s_o,
    bottone_s_e,
    bottone_p_o,
    bottone_p_e,
    CheckB0,
    CheckB1,
    CheckB2,
    CheckB3,
    PushButton2,
    PushButton3,
    PushButton1,
    TipoDocumento, // the program's documents
    TipoTesto,     // the GDL text
};
inline constexpr std::size_t kBersagli = static_cast<std::size_t>(Bersaglio::TipoTesto) + 1;

struct Testo {
    Bersaglio bersaglio;
    const char* english;
    const char* italiano;
};

// The interface's texts of the two languages, one for each target in the
// order of Bersaglio (the build checks that none is missing or empty).
const std::array<Testo, kBersagli>& testi();

// Writes a text to its target: a menu bar's item, a "Create 3D" control or
// a file type's name; false for a target that has no place to go.
bool scrivi(Bersaglio bersaglio, const QString& text);
// Writes a text to its target in the "Create 3D" window (making the window
// when it does not exist yet); false for a target outside that window.
bool scrivi3d(Bersaglio bersaglio, const QString& text);

// The messages of a file command that failed, in the current language:
// the file named, then the reason in plain words.
QString erroreSalvataggio(const QString& path, const platform::FileError& error);
QString erroreApertura(const QString& path, const documento::ReadError& error);
// Several documents named at start that were refused, in one message.
QString erroriApertura(const QStringList& messaggi);

} // namespace lingue
