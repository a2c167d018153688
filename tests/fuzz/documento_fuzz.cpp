// Feeds arbitrary bytes to the document reader. Besides not crashing, every
// document it accepts must keep to the layout's limits and must read back
// as the same document once written.
#include "model/documento.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void richiedi(bool condition)
{
    if (!condition)
        std::abort();
}

void controllaCatena(const documento::Chain& chain)
{
    richiedi(chain.grx >= documento::kMinGrid && chain.grx <= documento::kMaxGrid);
    richiedi(chain.gry >= documento::kMinGrid && chain.gry <= documento::kMaxGrid);
    for (const ElementRow& row : chain.rows)
        for (double v : row)
            richiedi(std::isfinite(v));
}

bool uguali(const documento::Chain& a, const documento::Chain& b)
{
    return a.grx == b.grx && a.gry == b.gry && a.rows == b.rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto doc = documento::parseDocument(bytes);
    if (!doc)
        return 0;

    richiedi(doc->drawing.risoluzione >= documento::kMinResolution
             && doc->drawing.risoluzione <= documento::kMaxResolution);
    controllaCatena(doc->drawing.chain);
    controllaCatena(doc->profile);
    controllaCatena(doc->path);
    for (double v : doc->settings)
        richiedi(std::isfinite(v));

    const auto again = documento::parseDocument(documento::documentBytes(*doc));
    richiedi(again.has_value());
    richiedi(again->drawing.risoluzione == doc->drawing.risoluzione);
    richiedi(uguali(again->drawing.chain, doc->drawing.chain));
    richiedi(again->settings == doc->settings);
    richiedi(uguali(again->profile, doc->profile));
    richiedi(uguali(again->path, doc->path));

    // The first section alone reads as it does in the whole document.
    const auto drawing = documento::parseDrawingSection(bytes);
    richiedi(drawing.has_value());
    richiedi(drawing->risoluzione == doc->drawing.risoluzione);
    richiedi(uguali(drawing->chain, doc->drawing.chain));
    return 0;
}
