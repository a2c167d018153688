#pragma once
// One element of a chain and the tables that hold chains.
#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

// Column order of an element row; every reader and writer uses these.
enum ElementColumn : int { kKind = 0, kX0 = 1, kY0 = 2, kDX = 3, kDY = 4, kZ0 = 5, kDZ = 6 };

using ElementRow = std::array<double, 7>;

// The shape of an element. Codes 6 to 11 are the second variants of tools 0 to 5.
enum ElementKind : int {
    listello = 0,
    toro = 1,
    ovolo = 2,
    cavetto = 3,
    gola_diritta = 4,
    gola_rovescia = 5,
    listello_inverso = 6,
    toro_inverso = 7,
    ovolo_ellittico = 8,
    cavetto_ellittico = 9,
    gola_diritta_ellittica = 10,
    gola_rovescia_ellittica = 11,
};

// The mirror kind of a stored kind; a value that is no kind becomes 0.
double mirrorKind(double kind);

class ElementTable;

// The transforms of a whole chain, over its first n rows. Each row is
// changed and then starts where the row before it, already changed, ends.
// Mirrors every delta by sx and sy (each 1 or -1) and every kind by the
// mirror kind map.
void specchiaCatena(ElementTable& table, int n, int sx, int sy);
// A quarter turn of every delta: (dx, dy) becomes (-verso dy, verso dx).
void ruotaCatena(ElementTable& table, int n, int verso);

// A chain table with rows 0..ubound(). It starts with one row (upper bound
// 0) and is resized in place; resizing keeps the rows it already has.
class ElementTable {
public:
    ElementTable() : m_rows(1, ElementRow{}) {}

    int ubound() const { return static_cast<int>(m_rows.size()) - 1; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Resizes to upper bound n (n = -1 leaves no rows), keeping rows 0..n.
    void redim(int upperBound);

    double& operator()(int row, int column)
    {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    double operator()(int row, int column) const
    {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    ElementRow& row(int r) { return m_rows[static_cast<std::size_t>(r)]; }
    const ElementRow& row(int r) const { return m_rows[static_cast<std::size_t>(r)]; }
    bool hasRow(int r) const { return r >= 0 && r < rowCount(); }

    std::vector<ElementRow>& rows() { return m_rows; }
    const std::vector<ElementRow>& rows() const { return m_rows; }

private:
    std::vector<ElementRow> m_rows;
};

// A chain as one value: a table and its count, rows 0..q-1 of it. The table
// may hold rows past the count (the spare row), or fewer than a count read
// from elsewhere says.
struct Catena {
    ElementTable& righe;
    int q;
    // The rows a walk over the chain takes: the count kept within the table.
    int conta() const { return std::clamp(q, 0, righe.rowCount()); }
};
