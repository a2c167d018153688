#pragma once
// The program's two file types.
#include "platform/dialogs.h"

namespace FileTypes {

// The GDL text saved from the "Create 3D" window.
extern platform::FileType pText;
// The program's documents (.mdn).
extern platform::FileType pModanovafileModanovaform;

void Initialize();

} // namespace FileTypes
