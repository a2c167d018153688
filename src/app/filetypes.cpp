#include "app/filetypes.h"

namespace FileTypes {

platform::FileType pText;
platform::FileType pModanovafileModanovaform;

void Initialize()
{
    pText.name = QStringLiteral("text");
    pText.extensions = QStringLiteral(".txt");

    pModanovafileModanovaform.name = QStringLiteral("modanovafile/modanovaform");
    pModanovafileModanovaform.extensions = QStringLiteral(".mdn");
}

} // namespace FileTypes
