// The program's state as a document and back.
#include "app/documento.h"

#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/yield.h"

namespace documento {

namespace {

std::vector<ElementRow> rowsOf(const ElementTable& table, int count)
{
    std::vector<ElementRow> out;
    for (int r = 0; r < count && table.hasRow(r); ++r)
        out.push_back(table.row(r));
    return out;
}

// Resizes the table to one spare row past the chain, like after an edit.
void fill(ElementTable& table, int& count, const std::vector<ElementRow>& rows)
{
    count = static_cast<int>(rows.size());
    table.redim(count);
    for (int r = 0; r < count; ++r) {
        table.row(r) = rows[static_cast<std::size_t>(r)];
        platform::yieldToEventLoop();
    }
    table.row(count) = ElementRow{};
}

} // namespace

Document currentDocument()
{
    Document doc;
    doc.drawing.risoluzione = Forme::risoluzione;
    doc.drawing.chain.grx = Geometria::grx;
    doc.drawing.chain.gry = Geometria::gry;
    doc.drawing.chain.rows = rowsOf(Forme::polilinea, Forme::poli_q);
    for (int i = 0; i < kSettingsCount; ++i)
        doc.settings[static_cast<std::size_t>(i)] = esportazione::daticreatred[i];
    doc.profile.grx = esportazione::sago_grx;
    doc.profile.gry = esportazione::sago_gry;
    doc.profile.rows = rowsOf(esportazione::sagoma, esportazione::sago_q);
    doc.path.grx = esportazione::perc_grx;
    doc.path.gry = esportazione::perc_gry;
    doc.path.rows = rowsOf(esportazione::percorso, esportazione::perc_q);
    return doc;
}

void applyDocument(const Document& document)
{
    Forme::risoluzione = document.drawing.risoluzione;
    Geometria::grx = document.drawing.chain.grx;
    Geometria::gry = document.drawing.chain.gry;
    fill(Forme::polilinea, Forme::poli_q, document.drawing.chain.rows);
    Forme::poli_d = Forme::poli_q;
    for (int i = 0; i < kSettingsCount; ++i)
        esportazione::daticreatred[i] = document.settings[static_cast<std::size_t>(i)];
    esportazione::sago_grx = document.profile.grx;
    esportazione::sago_gry = document.profile.gry;
    fill(esportazione::sagoma, esportazione::sago_q, document.profile.rows);
    esportazione::perc_grx = document.path.grx;
    esportazione::perc_gry = document.path.gry;
    fill(esportazione::percorso, esportazione::perc_q, document.path.rows);
}

} // namespace documento
