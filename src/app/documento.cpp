#include "app/documento.h"

#include "platform/conversions.h"
#include "platform/files.h"
#include "platform/yield.h"

#include <cmath>
#include <string>

namespace documento {

namespace {

void appendInt(std::string& out, int value)
{
    out += platform::Str(value).toStdString();
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

} // namespace documento
