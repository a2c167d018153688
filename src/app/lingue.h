#pragma once
// The texts the two interface languages switch, by the name of the item or
// control they go to.
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {
struct FileError;
}
namespace documento {
struct ReadError;
}

namespace lingue {

struct Testo {
    QString target;
    QString english;
    QString italiano;
};

// The menu bar's items, in the order they are written.
const std::vector<Testo>& testiMenu();
// The "Create 3D" window: its title (target "fin_3d") first, then its
// controls in the order they are written.
const std::vector<Testo>& testi3d();

// Writes the "Create 3D" window's texts of one language (making the window
// when it does not exist yet).
void applica3d(bool italiano);

// The messages of a file command that failed, in the current language:
// the file named, then the reason in plain words.
QString erroreSalvataggio(const QString& path, const platform::FileError& error);
QString erroreApertura(const QString& path, const documento::ReadError& error);
// Several documents named at start that were refused, in one message.
QString erroriApertura(const QStringList& messaggi);

} // namespace lingue
