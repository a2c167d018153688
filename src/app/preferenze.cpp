// The preferences file: one line with the interface language.
#include "app/app.h"
#include "app/globali.h"
#include "platform/conversions.h"
#include "platform/files.h"
#include "platform/line_reader.h"

namespace App {

QString percorsoPreferenze() { return platform::configFilePath(QStringLiteral("mdnvprfs.txt")); }

int leggiPreferenze()
{
    // No file (or one that cannot be read): English, as on the first run.
    const auto lines = platform::LineReader::open(percorsoPreferenze());
    if (!lines)
        return 1;
    std::string_view first;
    if (!lines->next(first))
        first = {};
    return platform::CInt(platform::Val(first));
}

bool scriviPreferenze()
{
    const QByteArray line = platform::Str(Globali::lingua).toLatin1() + '\n';
    return platform::writeFileAtomically(percorsoPreferenze(), line);
}

} // namespace App
