#pragma once
// The whole program state as a reset leaves it, set in one place for every
// test fixture that uses the windows: the model's reset (see model_state.h),
// an untitled document, the file types, and the model and the generator
// wired to the program's windows as start-up wires them.
//
// Only module state is set: no window is made or shown, so a fixture that
// starts the program as a user does can reset first. A fixture that needs
// the windows makes them after the reset.
namespace testsupport {

void resetProgramState();

} // namespace testsupport
