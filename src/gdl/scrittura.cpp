#include "gdl/scrittura.h"
#include "gdl/testo.h"
#include "platform/conversions.h"
#include "platform/yield.h"

namespace esportazione::scrittura {

void preparaTesto(Generatore& g, const std::string& testaAttesa, std::size_t byte)
{
    std::string& out = g.testo;
    g.stanzaTesta = testaAttesa.size();
    // Reserved pages that are never written cost no memory.
    out.reserve(out.size() + g.stanzaTesta + byte + 16);
    out.insert(0, g.stanzaTesta, ' ');
}

void chiudiTesto(Generatore& g, const std::string& testa)
{
    std::string& out = g.testo;
    // Within the reserve: even a head of another length moves the text in
    // place, without a new buffer.
    out.replace(0, g.stanzaTesta, testa);
    out += testo::kCR;
    out.append("DEL TOP", 7);
    out += testo::kCR;
}

std::size_t puntiMassimi(const Catena& catena, int r)
{
    std::size_t punti = 1; // the origin point
    const int n = catena.conta();
    for (int i = 0; i < n; ++i) {
        switch (platform::CInt(catena.righe(i, kKind))) {
        case listello:
        case listello_inverso: punti += 1; break;
        case ovolo:
        case cavetto:
        case ovolo_ellittico:
        case cavetto_ellittico: punti += static_cast<std::size_t>(r); break;
        case toro:
        case toro_inverso:
        case gola_diritta:
        case gola_rovescia:
        case gola_diritta_ellittica:
        case gola_rovescia_ellittica: punti += 2 * static_cast<std::size_t>(r); break;
        default: break;
        }
    }
    return punti;
}

void azzeraElemento(Generatore& g)
{
    g.xprec = g.yprec = g.zprec = 0.0;
    g.dx = g.dy = g.dz = 0.0;
}

void caricaScalato(Generatore& g, const ElementRow& r, double s, bool conAltezze)
{
    // Millimetres to metres first, then the scale.
    g.xprec = r[kX0] / 1000.0 * s;
    g.yprec = r[kY0] / 1000.0 * s;
    g.dx = r[kDX] / 1000.0 * s;
    g.dy = r[kDY] / 1000.0 * s;
    g.zprec = conAltezze ? r[kZ0] / 1000.0 * s : 0.0;
    g.dz = conAltezze ? r[kDZ] / 1000.0 * s : 0.0;
}

void aggiungiRotazioni(Generatore& g, std::string& testa, const char* yPrefisso)
{
    testa += "ROTX ";
    testo::appendNum(testa, g.dati[11], g.nonFinito);
    testa += testo::kCR;
    testa += yPrefisso;
    testo::appendNum(testa, g.dati[12], g.nonFinito);
    testa += testo::kCR;
    testa += "ROTZ ";
    testo::appendNum(testa, g.dati[13], g.nonFinito);
    testa += testo::kCR;
}

void cedi()
{
    static unsigned passi = 0;
    if (++passi % 64 == 0)
        platform::yieldToEventLoop();
}

} // namespace esportazione::scrittura
