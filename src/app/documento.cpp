#include "app/documento.h"

#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/conversions.h"
#include "platform/files.h"
#include "platform/yield.h"

#include <cmath>
#include <string>

namespace documento {

namespace {

void appendInt(std::string& out, int value)
{
    out += std::to_string(value);
    out += '\r';
}

void appendDouble(std::string& out, double value)
{
    platform::appendStr(out, value);
    out += '\r';
}

void appendChain(std::string& out, const std::vector<ElementRow>& rows)
{
    appendInt(out, static_cast<int>(rows.size()) - 1);
    for (const ElementRow& row : rows) {
        for (double v : row)
            appendDouble(out, v);
        platform::yieldToEventLoop();
    }
}

// Reads the lines in order and refuses at the first value that breaks the
// layout's rules.
class Reader {
public:
    explicit Reader(const QStringList& lines) : m_lines(lines) {}

    std::optional<double> value()
    {
        if (m_next >= m_lines.size())
            return std::nullopt;
        const QString& line = m_lines.at(m_next++);
        if (!platform::isDecimalNumber(line))
            return std::nullopt;
        const double v = platform::Val(line);
        if (!std::isfinite(v))
            return std::nullopt;
        return v;
    }

    // An Integer value within [low, high], taken by truncation as the
    // program has always read them.
    std::optional<int> integer(int low, int high)
    {
        const auto v = value();
        if (!v)
            return std::nullopt;
        const double t = std::trunc(*v);
        if (t < low || t > high)
            return std::nullopt;
        return static_cast<int>(t);
    }

    // A count line (count - 1) and the rows it announces.
    std::optional<std::vector<ElementRow>> rows()
    {
        const auto c = value();
        if (!c || *c != std::floor(*c) || *c < -1.0)
            return std::nullopt;
        const double remaining = static_cast<double>(m_lines.size() - m_next);
        const double count = *c + 1.0;
        if (count * 7.0 > remaining)
            return std::nullopt;
        std::vector<ElementRow> out(static_cast<std::size_t>(count));
        for (ElementRow& row : out)
            for (double& cell : row) {
                const auto v = value();
                if (!v)
                    return std::nullopt;
                cell = *v;
            }
        return out;
    }

    std::optional<Chain> chain()
    {
        Chain chain;
        const auto grx = integer(kMinGrid, kMaxGrid);
        if (!grx)
            return std::nullopt;
        const auto gry = integer(kMinGrid, kMaxGrid);
        if (!gry)
            return std::nullopt;
        auto r = rows();
        if (!r)
            return std::nullopt;
        chain.grx = *grx;
        chain.gry = *gry;
        chain.rows = std::move(*r);
        return chain;
    }

    std::optional<Drawing> drawing()
    {
        const auto res = integer(kMinResolution, kMaxResolution);
        if (!res)
            return std::nullopt;
        auto chain = this->chain();
        if (!chain)
            return std::nullopt;
        Drawing d;
        d.risoluzione = *res;
        d.chain = std::move(*chain);
        return d;
    }

private:
    const QStringList& m_lines;
    qsizetype m_next = 0;
};

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

QByteArray documentBytes(const Document& document)
{
    std::string out;
    out.reserve(32 * (31 + 7 * (document.drawing.chain.rows.size() + document.profile.rows.size()
                                 + document.path.rows.size())));
    appendInt(out, document.drawing.risoluzione);
    appendInt(out, document.drawing.chain.grx);
    appendInt(out, document.drawing.chain.gry);
    appendChain(out, document.drawing.chain.rows);
    for (double v : document.settings) {
        appendDouble(out, v);
        platform::yieldToEventLoop();
    }
    for (const Chain* chain : {&document.profile, &document.path}) {
        appendInt(out, chain->grx);
        appendInt(out, chain->gry);
        appendChain(out, chain->rows);
    }
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

std::optional<Document> parseDocument(const QStringList& lines)
{
    Reader reader(lines);
    Document doc;
    auto drawing = reader.drawing();
    if (!drawing)
        return std::nullopt;
    doc.drawing = std::move(*drawing);
    for (double& slot : doc.settings) {
        const auto v = reader.value();
        if (!v)
            return std::nullopt;
        slot = *v;
    }
    auto profile = reader.chain();
    if (!profile)
        return std::nullopt;
    doc.profile = std::move(*profile);
    auto path = reader.chain();
    if (!path)
        return std::nullopt;
    doc.path = std::move(*path);
    return doc;
}

std::optional<Document> parseDocument(const QByteArray& bytes)
{
    return parseDocument(platform::splitLines(bytes));
}

std::optional<Drawing> parseDrawingSection(const QStringList& lines)
{
    Reader reader(lines);
    return reader.drawing();
}

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
