#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace platform {

AtomicFile::AtomicFile(const QString& path) : m_file(path), m_path(path)
{
    if (path.isEmpty() || QFileInfo(path).fileName().isEmpty()) {
        m_error = {FileError::Kind::BadName, 0};
        return;
    }
    // Unbuffered, every write reaches the file at once and its failure is
    // seen there: a buffered write would fail only while the file is being
    // committed, where QSaveFile does not notice it and would rename a
    // truncated file over the old one.
    errno = 0;
    m_ok = m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!m_ok)
        fallito();
}

void AtomicFile::fallito()
{
    m_ok = false;
    if (m_error)
        return;
    // When Qt left no reason behind (errno 0), the folder and the file
    // there tell the likeliest one.
    m_error = writeErrorAt(m_path, errno);
}

AtomicFile::~AtomicFile()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool AtomicFile::write(std::string_view bytes)
{
    if (!m_ok)
        return false;
    const qint64 size = static_cast<qint64>(bytes.size());
    // A write cut short by a full disk or a size limit reports fewer bytes.
    errno = 0;
    if (m_file.write(bytes.data(), size) != size || m_file.error() != QFileDevice::NoError)
        fallito();
    return m_ok;
}

bool AtomicFile::commit()
{
    if (!m_file.isOpen())
        return false;
    errno = 0;
    if (m_ok && (!m_file.flush() || m_file.error() != QFileDevice::NoError))
        fallito();
#ifdef Q_OS_UNIX
    // Some file systems report a full disk only when the data reaches it.
    errno = 0;
    if (m_ok && ::fsync(m_file.handle()) != 0)
        fallito();
#endif
    if (!m_ok)
        m_file.cancelWriting(); // the commit then removes the temporary file
    errno = 0;
    const bool committed = m_file.commit();
    if (!committed && m_ok)
        fallito(); // the rename over the target
    return committed && m_ok;
}

bool writeFileAtomically(const QString& path, std::string_view bytes, FileError* error)
{
    AtomicFile file(path);
    const bool ok = file.write(bytes) && file.commit();
    if (error)
        *error = file.error();
    return ok;
}

QString configFilePath(const QString& bareName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config/Modanova");
    QDir().mkpath(folder);
    return QDir(folder).filePath(bareName);
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace platform
