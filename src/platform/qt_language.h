#pragma once
// Qt's own texts (the buttons of its dialogs, the file dialog, the context
// menus of text fields) in the interface's language.

namespace platform {

// Italian installs Qt's Italian translations where the system has them;
// English removes them, so Qt speaks its own English again.
void setQtLanguage(bool italian);

} // namespace platform
