#pragma once
// Edit mode holds only while the chain has elements and the selection lies
// within it. Whatever replaces the chain without going through the palette
// (File > New, opening a document) puts the mode back in line.

namespace modo_modifica {

// In edit mode: with an empty chain the palette leaves edit mode (as its
// delete does when the chain becomes empty, without the beep); with a
// selection past the end the last element becomes the selected one.
// Nothing in add mode.
void adattaAllaCatena();

} // namespace modo_modifica
