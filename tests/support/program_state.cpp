#include "support/program_state.h"

#include "app/filetypes.h"
#include "app/globali.h"
#include "create3d/finestra3d_fin3d.h"
#include "editor/schermo_editor.h"
#include "support/model_state.h"

namespace testsupport {

void resetProgramState()
{
    resetModelState();
    FileTypes::Initialize();
    Globali::fileattuale.clear();
    // The model draws on the editor's windows and the generator reads the
    // "Create 3D" window, as after start-up.
    SchermoEditor::registra();
    Fin3dFinestra::registra();
}

} // namespace testsupport
