#pragma once
// The document file: four sections of decimal values, one a line, every
// line ended by a carriage return.
//
//   drawing:  arc resolution, grid x, grid y, count - 1, 7 values a row
//   settings: the 21 creation slots
//   profile:  grid x, grid y, count - 1, 7 values a row
//   path:     grid x, grid y, count - 1, 7 values a row
//
// Checking and parsing are pure functions over the file's lines, so every
// reader of documents (File > Open.., the "Create 3D" window) applies the
// same rules and nothing is changed before a whole file has been checked.
#include "model/element.h"

#include <QByteArray>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace documento {

inline constexpr int kSettingsCount = 21;
inline constexpr int kMinResolution = 1;
inline constexpr int kMaxResolution = 1024;
inline constexpr int kMinGrid = 0;
inline constexpr int kMaxGrid = 100000;

// A chain as the file holds it: its grid spacings and its rows.
struct Chain {
    int grx = 0;
    int gry = 0;
    std::vector<ElementRow> rows;
};

// The drawing section: the editor's chain with its arc resolution.
struct Drawing {
    int risoluzione = 8;
    Chain chain;
};

struct Document {
    Drawing drawing;
    std::array<double, kSettingsCount> settings{};
    Chain profile;
    Chain path;
};

// The file's text, every value followed by a carriage return.
QByteArray documentBytes(const Document& document);

// The document held by these lines, or nothing when any value the layout
// reads is missing, not a decimal number or out of its range: a count must
// be a whole number from -1 up to what the remaining lines can hold, the arc
// resolution within 1..1024, every grid spacing within 0..100000. Lines
// after the last value are ignored.
std::optional<Document> parseDocument(const QStringList& lines);
// The same for a file's bytes; lines may end in CR, LF or CR LF.
std::optional<Document> parseDocument(const QByteArray& bytes);

// Only the first section, with the same checks; what follows it is not
// looked at.
std::optional<Drawing> parseDrawingSection(const QStringList& lines);

// The program's state as a document, and a document put into the program's
// state (chain, settings, stored profile and path; the insertion point at
// the end of the chain).
Document currentDocument();
void applyDocument(const Document& document);

} // namespace documento
