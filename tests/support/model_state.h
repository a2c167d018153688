#pragma once
// The state of the model and the generator as a reset leaves it, for every
// test fixture: an empty, unmodified chain in English, a drawing area of
// 800 x 600 with the view's origin in its middle and zoom 1, a 10 mm grid
// shown and snapping, arc resolution 8, an empty chain in add mode, no
// stored profile or path, the 3-D settings' defaults with both preview
// resolutions 8, an empty script text and no beep counted.
//
// The model draws on no screen and the generator reads no window after it:
// the stand-ins that do nothing are registered, so that a test registers
// its own recorder, or the program's windows (resetProgramState does).
namespace testsupport {

void resetModelState();

} // namespace testsupport
