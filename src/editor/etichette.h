#pragma once
// The placing of the start and end markers, shared by the editor windows.

namespace platform {
class OvalShape;
}

namespace etichette {

// Places a marker at (left, top). Positions far outside any screen are
// held at a distance where the marker simply does not show.
void collocaMarcatore(platform::OvalShape* marker, int left, int top);

} // namespace etichette
