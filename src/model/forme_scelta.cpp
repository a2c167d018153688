#include "model/forme.h"

#include "model/geometria.h"
#include "model/schermo.h"
#include "model/stato.h"
#include "platform/beep.h"
#include "platform/conversions.h"

#include <algorithm>

namespace Forme {

namespace {

// The name table is read with the language as its column; an unset language
// reads the empty column 0 rather than past the table.
const QString& nome(int k)
{
    static const QString empty;
    const int lingua = Globali::lingua;
    if (k < 0 || k > 7 || lingua < 0 || lingua > 2)
        return empty;
    return testoforma[k][lingua];
}

void colora(const QColor& color) { Schermo::schermo().colora_evidenziatore(color); }

} // namespace

void ricomincia()
{
    xprec = yprec = zprec = 0.0;
    dx = dy = dz = 0.0;
    qualetool = 0;
    forma = 0;
    inversioneforma = false;
    // The highlight on tool 0; toggling the variant and then choosing tool 0,
    // already the tool, leaves its first variant, the highlight in its colour
    // and the labels written.
    Schermo::schermo().sposta_evidenziatore(1, 1);
    invertiforma();
    sceltaforma(0);
}

QColor colore_primo() { return platform::hsv(0.5, 1.0, 1.0); }
QColor colore_secondo() { return platform::hsv(1.0 / 6.0, 1.0, 1.0); }

QPoint posto_evidenziatore(int t)
{
    return QPoint(platform::CInt((t % 2) * 39.0 + 1.0), (platform::CInt(t / 2.0) + 1) * 39 + 1);
}

bool selezione_nella_catena() { return poli_d >= 0 && poli_d < poli_q && polilinea.hasRow(poli_d); }

bool selezione_valida() { return modifica && selezione_nella_catena(); }

namespace {

void selezione_entro_catena() { poli_d = std::clamp(poli_d, 0, std::max(poli_q - 1, 0)); }

} // namespace

bool entra_modifica()
{
    if (poli_q <= 0)
        return false;
    selezione_entro_catena();
    modifica = true;
    return true;
}

void adegua_modo()
{
    if (!modifica)
        return;
    if (poli_q <= 0) {
        modifica = false;
        poli_d = 0;
        Schermo::schermo().mostra_modo(false);
        return;
    }
    selezione_entro_catena();
}

QString etichetta() { return platform::Str(poli_d) + QLatin1Char(' ') + nome(qualetool); }

QString etichetta_tipo()
{
    if (qualetool == 0 || qualetool == 1)
        return QString();
    return nome(forma <= 5 ? 6 : 7);
}

void aggiorna_etichetta() { Schermo::schermo().scrivi_etichetta(etichetta()); }

bool sceltaforma(int t)
{
    Schermo::Schermo& schermo = Schermo::schermo();
    // In edit mode the selected element takes the new kind. A kind the add
    // would refuse for its extent (an elliptical curve without an x or a y
    // extent draws nothing) is refused here too: the beep, and the choice
    // changes nothing, not even the variant or the highlight.
    const bool variante = t == qualetool ? !inversioneforma : inversioneforma;
    const int nuova = variante ? t + 6 : t;
    const bool ritipo = selezione_valida();
    if (ritipo) {
        const ElementRow& riga = polilinea.row(poli_d);
        if (Geometria::estensione_rifiutata(t, nuova, riga[kDX], riga[kDY], riga[kDZ])) {
            platform::Beep();
            return false;
        }
    }

    const QPoint posto = posto_evidenziatore(t);
    schermo.sposta_evidenziatore(posto.x(), posto.y());

    if (t == qualetool)
        invertiforma();
    qualetool = t;
    forma = inversioneforma ? t + 6 : t;

    // A retype changes the document.
    if (ritipo && polilinea(poli_d, kKind) != static_cast<double>(forma)) {
        polilinea(poli_d, kKind) = static_cast<double>(forma);
        Globali::setModificato(true);
    }

    schermo.scrivi_etichetta(etichetta());
    schermo.scrivi_tipo(etichetta_tipo());
    return true;
}

void invertiforma()
{
    if (inversioneforma) {
        inversioneforma = false;
        colora(colore_primo());
    } else {
        inversioneforma = true;
        colora(colore_secondo());
    }
}

} // namespace Forme
