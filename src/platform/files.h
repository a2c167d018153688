#pragma once
// Text files read by lines and files written safely.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The lines of a text file. A line ends at a carriage return, a line feed or
// the pair CR LF; a last line without an ending still counts. Nothing when
// the file cannot be read.
std::optional<QStringList> readTextLines(const QString& path);
QStringList splitLines(const QByteArray& bytes);

// Writes the bytes to a temporary file beside the target and renames it over
// the target, so a failed or interrupted write never loses the old file.
// False when anything went wrong; the target is then unchanged.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// The user's configuration folder for this program (created when missing),
// and the path of a file with a bare name in it.
QString configFilePath(const QString& bareName);

bool fileExists(const QString& path);
QString fileName(const QString& path); // the name without its folder

} // namespace platform
