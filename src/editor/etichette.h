#pragma once
// Small helpers the editor windows share: the element label and the
// placing of the start and end markers.
#include <QString>

namespace platform {
class OvalShape;
}

namespace etichette {

// The element label: the index Forme::poli_d, a blank and the name of the
// palette tool in the current language.
QString etichettaElemento();

// Places a marker at (left, top). Positions far outside any screen are
// held at a distance where the marker simply does not show.
void collocaMarcatore(platform::OvalShape* marker, int left, int top);

} // namespace etichette
