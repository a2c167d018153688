#pragma once
// The texts the two interface languages switch, by the name of the item or
// control they go to.
#include <QString>
#include <vector>

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

} // namespace lingue
