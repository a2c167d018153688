#pragma once
// Files written safely, and the configuration folder.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include "platform/file_error.h"

#include <string_view>

namespace platform {

// A file written through a temporary file beside the target, which replaces
// the target only once every byte is written, flushed and synced to disk. A
// failure at any step (a full disk, a file-size limit, a folder that cannot
// be written) removes the temporary file and leaves the target, if there is
// one, byte for byte as it was.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile(); // a file not committed is removed

    // False from the first write that failed on.
    bool write(std::string_view bytes);
    // True when the target now holds every byte written.
    bool commit();

    // Why the first step that failed did; nothing while all went well.
    FileError error() const { return m_error; }

private:
    // Records the errno of the step that just failed (the first one only).
    void fallito();

    QSaveFile m_file;
    QString m_path;
    bool m_ok = false;
    FileError m_error;
};

// The bytes written as one AtomicFile. False when anything went wrong; the
// target is then unchanged, and error (when given) tells why.
bool writeFileAtomically(const QString& path, std::string_view bytes, FileError* error = nullptr);
inline bool writeFileAtomically(const QString& path, const QByteArray& bytes, FileError* error = nullptr)
{
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                               error);
}

// The user's configuration folder for this program (created when missing),
// and the path of a file with a bare name in it.
QString configFilePath(const QString& bareName);

QString fileName(const QString& path); // the name without its folder

} // namespace platform
