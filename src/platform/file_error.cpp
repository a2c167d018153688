#include "platform/file_error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

FileError writeError(int code)
{
    using K = FileError::Kind;
    switch (code) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return {K::DiskFull, code};
    case EFBIG: return {K::SizeLimit, code};
    case EACCES:
    case EPERM:
    case EROFS: return {K::NoPermission, code};
    case ENOENT:
    case ENOTDIR: return {K::NoFolder, code};
    case ENAMETOOLONG:
    case EISDIR:
    case EINVAL:
#ifdef EILSEQ
    case EILSEQ:
#endif
        return {K::BadName, code};
    default: return {K::System, code};
    }
}

namespace {

// Whether this process may make and remove files in folder. The effective
// ids and capabilities decide, as they decide for the write itself (a plain
// access() asks for the real ones, and so always answers yes for root).
bool folderWritable(const QString& folder)
{
#ifdef Q_OS_UNIX
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(folder).isWritable();
#endif
}

} // namespace

FileError writeErrorAt(const QString& path, int code)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    // A file there, or a link to one (a broken link is replaced as well).
    const bool existing = target.exists() || target.isSymLink();
    if (code == 0) {
        code = !folder.exists()                     ? ENOENT
               : !folder.isDir()                    ? ENOTDIR
               : !folderWritable(folder.filePath()) ? EACCES
               : existing && !target.isWritable()   ? EPERM
                                                    : EIO;
    }
    FileError error = writeError(code);
    if (error.kind == FileError::Kind::NoPermission && code != EROFS && existing && folder.isDir()
        && folderWritable(folder.filePath()))
        error.kind = FileError::Kind::Unreplaceable;
    return error;
}

FileError readError(int code)
{
    using K = FileError::Kind;
    switch (code) {
    case ENOENT:
    case ENOTDIR: return {K::Missing, code};
    case EFBIG:
    case EOVERFLOW: return {K::TooLarge, code};
    default: return {K::Unreadable, code};
    }
}

QString systemErrorText(int code)
{
    if (code == 0)
        return QStringLiteral("unknown error");
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace platform
