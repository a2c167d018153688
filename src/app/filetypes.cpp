#include "app/filetypes.h"

namespace FileTypes {

platform::FileType pText;
platform::FileType pModanovafileModanovaform;

void _Initialize()
{
    pText.name = QStringLiteral("text");
    pText.extensions = QStringLiteral(".txt");
    pText.macType = QStringLiteral("TEXT");
    pText.macCreator = QStringLiteral("R*ch");

    pModanovafileModanovaform.name = QStringLiteral("modanovafile/modanovaform");
    pModanovafileModanovaform.extensions = QStringLiteral(".mdn");
    pModanovafileModanovaform.macType = QStringLiteral("Mdnv");
    pModanovafileModanovaform.macCreator = QStringLiteral("Mdnv");
}

} // namespace FileTypes
