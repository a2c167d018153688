#include "create3d/filtro_numero.h"

QString filtroNumero(const QString& text)
{
    QString out;
    out.reserve(text.size());
    bool punto = false;
    for (QChar c : text) {
        if (c == QLatin1Char(','))
            c = QLatin1Char('.');
        if (c == QLatin1Char('.')) {
            if (punto)
                continue; // a later point is dropped
            punto = true;
            out += c;
            continue;
        }
        if (c.unicode() >= '0' && c.unicode() <= '9')
            out += c;
    }
    return out;
}
