#pragma once
// The document file: four sections of decimal values, one a line, every
// line ended by a carriage return.
//
//   drawing:  arc resolution, grid x, grid y, count - 1, 7 values a row
//   settings: the 21 creation slots
//   profile:  grid x, grid y, count - 1, 7 values a row
//   path:     grid x, grid y, count - 1, 7 values a row
//
// Checking and parsing go through the file's lines into a Document, so every
// reader of documents (File > Open.., the "Create 3D" window) applies the
// same rules and nothing is changed before a whole file has been checked.
#include "model/element.h"
#include "platform/file_error.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <span>
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
    // Line 1 as written, which the "Create 3D" window keeps unrounded as the
    // arc resolution of a profile or path it opens.
    double risoluzioneScritta = 8.0;
    Chain chain;
};

struct Document {
    Drawing drawing;
    std::array<double, kSettingsCount> settings{};
    Chain profile;
    Chain path;
};

// What a document holds, seen where it lies (a Document or the program's
// state) without copying its chains.
struct ChainView {
    int grx = 0;
    int gry = 0;
    std::span<const ElementRow> rows;
};
struct DocumentView {
    int risoluzione = 8;
    ChainView drawing;
    std::span<const double, kSettingsCount> settings;
    ChainView profile;
    ChainView path;
};
DocumentView viewOf(const Document& document);

// The file's text, every value followed by a carriage return.
QByteArray documentBytes(const Document& document);
// The same text written to path as one atomic file, a piece at a time. False
// when it could not be written; the file at path is then as it was, and
// error (when given) tells why.
bool writeDocument(const QString& path, const DocumentView& document, platform::FileError* error = nullptr);

// Why a file was refused: the file itself (it could not be read, it is no
// regular file, it is too large), or the first line that breaks the
// layout's rules and what that line should hold. A file whose first line
// holds no number at all (or that is empty) is no document.
enum class Attesa { Resolution, Grid, Count, Value, Setting };
struct ReadError {
    platform::FileError file; // set when the file could not be read
    int line = 0;             // else the first line that failed, from 1
    Attesa expected = Attesa::Resolution;
    bool ended = false;  // the file ends before that line
    bool number = false; // the line holds a number, out of its range
    bool notDocument() const { return !file && line == 1 && !number; }
};

// The document held by a file's text, or nothing when any value the layout
// reads is missing, not a decimal number or out of its range: a count must
// be a whole number from -1 up to what the rest of the text can hold, the
// arc resolution within 1..1024, every grid spacing within 0..100000. Lines
// may end in CR, LF or CR LF; lines after the last value are ignored.
std::optional<Document> parseDocument(const QByteArray& bytes, ReadError* error = nullptr);
// Only the first section, with the same checks; what follows it is not
// looked at.
std::optional<Drawing> parseDrawingSection(const QByteArray& bytes, ReadError* error = nullptr);

// The same read from a file, which is read only when it is a regular file
// of at most 256 MB, a piece at a time and only as far as the values go: a
// pipe, a device or a larger file is refused before anything is read.
// error (when given) tells why a file was refused.
std::optional<Document> readDocument(const QString& path, ReadError* error = nullptr);
std::optional<Drawing> readDrawingSection(const QString& path, ReadError* error = nullptr);

// The program's state as a document, and a document put into the program's
// state (chain, settings, stored profile and path; the insertion point at
// the end of the chain; edit mode kept within it).
Document currentDocument();
DocumentView currentView();
void applyDocument(Document document);

} // namespace documento
