#pragma once
// Qt's own texts (the buttons of its dialogs, the file dialog, the context
// menus of text fields) and its dates and sizes in the interface's language.

namespace platform {

// Italian installs Qt's Italian translations where the system has them and
// makes Italy's the default locale; English removes them, so Qt speaks its
// own English again, with the United States' locale.
void setQtLanguage(bool italian);

} // namespace platform
