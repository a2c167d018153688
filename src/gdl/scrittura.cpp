#include "gdl/scrittura.h"
#include "gdl/testo.h"
#include "model/forme.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <algorithm>

namespace esportazione::scrittura {

namespace {

// The length of the room made for the head.
std::size_t stanzaTesta = 0;

} // namespace

void preparaTesto(const std::string& testaAttesa, std::size_t byte)
{
    std::string& out = esportastringa;
    stanzaTesta = testaAttesa.size();
    // Reserved pages that are never written cost no memory.
    out.reserve(out.size() + stanzaTesta + byte + 16);
    out.insert(0, stanzaTesta, ' ');
}

void chiudiTesto(const std::string& testa)
{
    std::string& out = esportastringa;
    // Within the reserve: even a head of another length moves the text in
    // place, without a new buffer.
    out.replace(0, stanzaTesta, testa);
    out += testo::kCR;
    out.append("DEL TOP", 7);
    out += testo::kCR;
}

std::size_t puntiMassimi(const ElementTable& table, int q, int r)
{
    std::size_t punti = 1; // the origin point
    const int n = righe(table, q);
    for (int i = 0; i < n; ++i) {
        switch (platform::CInt(table(i, kKind))) {
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

void azzeraElemento()
{
    Forme::xprec = Forme::yprec = Forme::zprec = 0.0;
    Forme::dx = Forme::dy = Forme::dz = 0.0;
}

void caricaScalato(const ElementRow& r, double s, bool conAltezze)
{
    // Millimetres to metres first, then the scale.
    Forme::xprec = r[kX0] / 1000.0 * s;
    Forme::yprec = r[kY0] / 1000.0 * s;
    Forme::dx = r[kDX] / 1000.0 * s;
    Forme::dy = r[kDY] / 1000.0 * s;
    Forme::zprec = conAltezze ? r[kZ0] / 1000.0 * s : 0.0;
    Forme::dz = conAltezze ? r[kDZ] / 1000.0 * s : 0.0;
}

void aggiungiRotazioni(std::string& testa, const char* yPrefisso)
{
    testa += "ROTX ";
    testo::appendNum(testa, daticreatred[11]);
    testa += testo::kCR;
    testa += yPrefisso;
    testo::appendNum(testa, daticreatred[12]);
    testa += testo::kCR;
    testa += "ROTZ ";
    testo::appendNum(testa, daticreatred[13]);
    testa += testo::kCR;
}

int righe(const ElementTable& table, int q) { return std::clamp(q, 0, table.rowCount()); }

void cedi()
{
    static unsigned passi = 0;
    if (++passi % 64 == 0)
        platform::yieldToEventLoop();
}

} // namespace esportazione::scrittura
