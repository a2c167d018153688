// The program's state as a document and back.
#include "model/documento.h"

#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"

#include <algorithm>

namespace documento {

namespace {

std::span<const ElementRow> rowsOf(const Catena& catena)
{
    return std::span<const ElementRow>(catena.righe.rows()).first(static_cast<std::size_t>(catena.conta()));
}

// The rows become the table, with the one spare row a table keeps past the
// chain (like after an edit); the rows are moved, not copied.
void adotta(ElementTable& table, int& count, std::vector<ElementRow>&& rows)
{
    count = static_cast<int>(rows.size());
    rows.push_back(ElementRow{});
    table.rows() = std::move(rows);
}

} // namespace

DocumentView currentView()
{
    return {Forme::risoluzione,
            {Geometria::grx, Geometria::gry, rowsOf({Forme::polilinea, Forme::poli_q})},
            std::span<const double, kSettingsCount>(esportazione::daticreatred),
            {esportazione::sago_grx, esportazione::sago_gry, rowsOf(esportazione::catena_sagoma())},
            {esportazione::perc_grx, esportazione::perc_gry, rowsOf(esportazione::catena_percorso())}};
}

Document currentDocument()
{
    const DocumentView view = currentView();
    auto chain = [](const ChainView& c) { return Chain{c.grx, c.gry, {c.rows.begin(), c.rows.end()}}; };
    Document doc;
    doc.drawing.risoluzione = view.risoluzione;
    doc.drawing.risoluzioneScritta = view.risoluzione;
    doc.drawing.chain = chain(view.drawing);
    std::copy(view.settings.begin(), view.settings.end(), doc.settings.begin());
    doc.profile = chain(view.profile);
    doc.path = chain(view.path);
    return doc;
}

void applyDocument(Document document)
{
    Forme::risoluzione = document.drawing.risoluzione;
    Geometria::grx = document.drawing.chain.grx;
    Geometria::gry = document.drawing.chain.gry;
    adotta(Forme::polilinea, Forme::poli_q, std::move(document.drawing.chain.rows));
    Forme::poli_d = Forme::poli_q;
    for (int i = 0; i < kSettingsCount; ++i)
        esportazione::daticreatred[i] = document.settings[static_cast<std::size_t>(i)];
    esportazione::sago_grx = document.profile.grx;
    esportazione::sago_gry = document.profile.gry;
    adotta(esportazione::sagoma, esportazione::sago_q, std::move(document.profile.rows));
    esportazione::perc_grx = document.path.grx;
    esportazione::perc_gry = document.path.gry;
    adotta(esportazione::percorso, esportazione::perc_q, std::move(document.path.rows));
    // Edit mode stays within the chain that came.
    Forme::adegua_modo();
}

} // namespace documento
