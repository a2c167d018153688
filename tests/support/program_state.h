#pragma once
// The whole program state as a reset leaves it, set in one place for every
// test fixture: an empty, untitled, unmodified document in English, a
// drawing area of the given size with the view's origin in its middle and
// zoom 1, a 10 mm grid shown and snapping, arc resolution 8, an empty chain
// in add mode, no stored profile or path, the 3-D settings' defaults with
// both preview resolutions 8, an empty script text and no beep counted.
//
// Only module state is set: no window is made or shown, so a fixture that
// starts the program as a user does can reset first. A fixture that needs
// the windows makes them after the reset.
namespace testsupport {

void resetProgramState(int width = 800, int height = 600);

} // namespace testsupport
