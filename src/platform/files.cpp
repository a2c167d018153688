#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace platform {

AtomicFile::AtomicFile(const QString& path) : m_file(path)
{
    // Unbuffered, every write reaches the file at once and its failure is
    // seen there: a buffered write would fail only while the file is being
    // committed, where QSaveFile does not notice it and would rename a
    // truncated file over the old one.
    m_ok = !path.isEmpty() && m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
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
    if (m_file.write(bytes.data(), size) != size || m_file.error() != QFileDevice::NoError)
        m_ok = false;
    return m_ok;
}

bool AtomicFile::commit()
{
    if (!m_file.isOpen())
        return false;
    if (m_ok && (!m_file.flush() || m_file.error() != QFileDevice::NoError))
        m_ok = false;
#ifdef Q_OS_UNIX
    // Some file systems report a full disk only when the data reaches it.
    if (m_ok && ::fsync(m_file.handle()) != 0)
        m_ok = false;
#endif
    if (!m_ok)
        m_file.cancelWriting(); // the commit then removes the temporary file
    return m_file.commit() && m_ok;
}

bool writeFileAtomically(const QString& path, std::string_view bytes)
{
    AtomicFile file(path);
    return file.write(bytes) && file.commit();
}

QString configFilePath(const QString& bareName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config/Modanova");
    QDir().mkpath(folder);
    return QDir(folder).filePath(bareName);
}

bool fileExists(const QString& path) { return !path.isEmpty() && QFileInfo::exists(path); }

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace platform
