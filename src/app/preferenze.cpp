// The preferences file: one line with the interface language.
#include "app/app.h"
#include "app/globali.h"
#include "platform/conversions.h"
#include "platform/files.h"

namespace App {

QString percorsoPreferenze() { return platform::configFilePath(QStringLiteral("mdnvprfs.txt")); }

int leggiPreferenze()
{
    const QString path = percorsoPreferenze();
    if (!platform::fileExists(path))
        return 1;
    const auto lines = platform::readTextLines(path);
    const QString first = lines && !lines->isEmpty() ? lines->first() : QString();
    return platform::CInt(platform::Val(first));
}

bool scriviPreferenze()
{
    const QByteArray line = platform::Str(Globali::lingua).toLatin1() + '\n';
    return platform::writeFileAtomically(percorsoPreferenze(), line);
}

} // namespace App
