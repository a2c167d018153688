#pragma once
// The placing of the start and end markers, shared by the editor windows.

namespace platform {
class OvalShape;
}

namespace etichette {

// Places a marker at (left, top). Positions far outside any screen are
// held at a distance where the marker simply does not show.
void collocaMarcatore(platform::OvalShape* marker, int left, int top);

// Places a marker so that its centre lies on the pixel at (x, y) from the
// model origin, raised by the oblique offset z (all three in pixels, y
// pointing down). Evaluated in Doubles and converted once, so no sum of
// huge terms overflows.
void collocaSuPixel(platform::OvalShape* marker, double x, double y, double z);

} // namespace etichette
