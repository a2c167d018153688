#include "app/filetypes.h"

namespace FileTypes {

platform::FileType pText;
platform::FileType pModanovafileModanovaform;

void Initialize()
{
    // English until the interface's language names them.
    pText.name = QStringLiteral("Text");
    pText.extensions = QStringLiteral(".txt");

    pModanovafileModanovaform.name = QStringLiteral("Modanova documents");
    pModanovafileModanovaform.extensions = QStringLiteral(".mdn");
}

} // namespace FileTypes
