#include "model/documento.h"

#include "platform/conversions.h"
#include "platform/files.h"
#include "platform/line_reader.h"
#include "platform/yield.h"

#include <cerrno>
#include <cmath>
#include <memory>
#include <new>
#include <string>

namespace documento {

namespace {

// The text of a document, handed to a file a piece at a time when there is
// one, or kept whole.
class Uscita {
public:
    explicit Uscita(platform::AtomicFile* file = nullptr) : m_file(file)
    {
        m_testo.reserve(m_file ? kPezzo + 2 * platform::kStrMaxChars : 0);
    }

    void intero(int value)
    {
        m_testo += platform::Str(value).toStdString();
        m_testo += '\r';
    }
    void numero(double value)
    {
        platform::appendStr(m_testo, value);
        m_testo += '\r';
    }
    // The end of a row or a slot: the piece goes to the file once it is big
    // enough, and the event loop has its turn.
    void passo()
    {
        if (m_file && m_testo.size() >= kPezzo)
            scarica();
        platform::yieldToEventLoop();
    }
    // The whole text when there is no file; otherwise whether every piece
    // was written.
    bool fine()
    {
        if (m_file)
            scarica();
        return m_ok;
    }
    std::string& testo() { return m_testo; }

private:
    static constexpr std::size_t kPezzo = 1 << 20;

    void scarica()
    {
        m_ok = m_ok && m_file->write(m_testo);
        m_testo.clear();
    }

    platform::AtomicFile* m_file;
    std::string m_testo;
    bool m_ok = true;
};

void scriviCatena(Uscita& out, std::span<const ElementRow> rows)
{
    out.intero(static_cast<int>(rows.size()) - 1);
    for (const ElementRow& row : rows) {
        for (double v : row)
            out.numero(v);
        out.passo();
    }
}

void scrivi(Uscita& out, const DocumentView& d)
{
    out.intero(d.risoluzione);
    out.intero(d.drawing.grx);
    out.intero(d.drawing.gry);
    scriviCatena(out, d.drawing.rows);
    for (double v : d.settings) {
        out.numero(v);
        out.passo();
    }
    for (const ChainView* chain : {&d.profile, &d.path}) {
        out.intero(chain->grx);
        out.intero(chain->gry);
        scriviCatena(out, chain->rows);
    }
}

// Reads the lines in order and refuses at the first value that breaks the
// layout's rules.
class Reader {
public:
    explicit Reader(platform::LineReader& lines) : m_lines(lines) {}

    // The next line's number, or nothing (the line recorded as the one
    // that failed, with what it should hold).
    std::optional<double> value(Attesa attesa)
    {
        m_attesa = attesa;
        ++m_line;
        std::string_view line;
        if (!m_lines.next(line)) {
            m_ended = !m_lines.failed();
            return std::nullopt;
        }
        const std::optional<double> v = platform::decimalNumber(line);
        // A refusal after a number was read is the number's range.
        m_numero = v.has_value();
        return v;
    }

    // Why reading stopped: at the last line read.
    ReadError error() const
    {
        ReadError e;
        e.file = m_lines.error();
        e.line = m_line;
        e.expected = m_attesa;
        e.ended = m_ended;
        e.number = m_numero;
        return e;
    }

    // An Integer value within [low, high], taken by truncation as the
    // program has always read them; scritto gets the value as written.
    std::optional<int> integer(Attesa attesa, int low, int high, double* scritto = nullptr)
    {
        const auto v = value(attesa);
        if (!v)
            return std::nullopt;
        const double t = std::trunc(*v);
        if (t < low || t > high)
            return std::nullopt;
        if (scritto)
            *scritto = *v;
        return static_cast<int>(t);
    }

    // A count line (count - 1) and the rows it announces. A row takes seven
    // lines of at least a digit and a line end each (the very last line
    // needs no end), so a count the rest of the text cannot hold is refused
    // before any room is made for its rows.
    std::optional<std::vector<ElementRow>> rows()
    {
        const auto c = value(Attesa::Count);
        if (!c || *c != std::floor(*c) || *c < -1.0)
            return std::nullopt;
        const double count = *c + 1.0;
        if (count * 14.0 - 1.0 > static_cast<double>(m_lines.remainingBytes()))
            return std::nullopt;
        std::vector<ElementRow> out;
        // The spare row a chain table keeps past its last row fits in too,
        // so the rows become the table without being copied.
        out.reserve(static_cast<std::size_t>(count) + 1);
        for (std::size_t r = 0; r < static_cast<std::size_t>(count); ++r) {
            ElementRow& row = out.emplace_back();
            for (double& cell : row) {
                const auto v = value(Attesa::Value);
                if (!v)
                    return std::nullopt;
                cell = *v;
            }
            platform::yieldToEventLoop();
        }
        return out;
    }

    std::optional<Chain> chain()
    {
        Chain chain;
        const auto grx = integer(Attesa::Grid, kMinGrid, kMaxGrid);
        if (!grx)
            return std::nullopt;
        const auto gry = integer(Attesa::Grid, kMinGrid, kMaxGrid);
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
        Drawing d;
        const auto res = integer(Attesa::Resolution, kMinResolution, kMaxResolution, &d.risoluzioneScritta);
        if (!res)
            return std::nullopt;
        auto chain = this->chain();
        if (!chain)
            return std::nullopt;
        d.risoluzione = *res;
        d.chain = std::move(*chain);
        return d;
    }

    std::optional<Document> document()
    {
        Document doc;
        auto drawing = this->drawing();
        if (!drawing)
            return std::nullopt;
        doc.drawing = std::move(*drawing);
        for (double& slot : doc.settings) {
            const auto v = value(Attesa::Setting);
            if (!v)
                return std::nullopt;
            slot = *v;
            platform::yieldToEventLoop();
        }
        auto profile = chain();
        if (!profile)
            return std::nullopt;
        doc.profile = std::move(*profile);
        auto path = chain();
        if (!path)
            return std::nullopt;
        doc.path = std::move(*path);
        return doc;
    }

private:
    platform::LineReader& m_lines;
    int m_line = 0; // the lines read so far
    Attesa m_attesa = Attesa::Resolution;
    bool m_ended = false;
    bool m_numero = false;
};

ChainView viewOf(const Chain& chain) { return {chain.grx, chain.gry, chain.rows}; }

} // namespace

DocumentView viewOf(const Document& document)
{
    return {document.drawing.risoluzione, viewOf(document.drawing.chain), document.settings, viewOf(document.profile),
            viewOf(document.path)};
}

QByteArray documentBytes(const Document& document)
{
    Uscita out;
    scrivi(out, viewOf(document));
    return QByteArray::fromStdString(out.testo());
}

bool writeDocument(const QString& path, const DocumentView& document, platform::FileError* error)
{
    platform::AtomicFile file(path);
    Uscita out(&file);
    scrivi(out, document);
    const bool ok = out.fine() && file.commit();
    if (error)
        *error = file.error();
    return ok;
}

namespace {

// A document too large for the memory there is is refused like any other
// that cannot be read.
template <class T>
std::optional<T> leggi(platform::LineReader* lines, std::optional<T> (Reader::*parte)(), ReadError* error,
                       const platform::FileError& aperto = {})
{
    ReadError ignored;
    ReadError& why = error ? *error : ignored;
    why = {};
    if (!lines) {
        why.file = aperto;
        return std::nullopt;
    }
    try {
        Reader reader(*lines);
        std::optional<T> out = (reader.*parte)();
        if (!out)
            why = reader.error();
        return out;
    } catch (const std::bad_alloc&) {
        why.file = {platform::FileError::Kind::Unreadable, ENOMEM};
        return std::nullopt;
    }
}

} // namespace

std::optional<Document> parseDocument(const QByteArray& bytes, ReadError* error)
{
    platform::LineReader lines(bytes);
    return leggi(&lines, &Reader::document, error);
}

std::optional<Drawing> parseDrawingSection(const QByteArray& bytes, ReadError* error)
{
    platform::LineReader lines(bytes);
    return leggi(&lines, &Reader::drawing, error);
}

std::optional<Document> readDocument(const QString& path, ReadError* error)
{
    platform::FileError aperto;
    return leggi(platform::LineReader::open(path, platform::kMaxReadBytes, &aperto).get(), &Reader::document, error,
                 aperto);
}

std::optional<Drawing> readDrawingSection(const QString& path, ReadError* error)
{
    platform::FileError aperto;
    return leggi(platform::LineReader::open(path, platform::kMaxReadBytes, &aperto).get(), &Reader::drawing, error,
                 aperto);
}

} // namespace documento
