#include "platform/file_error.h"

#include <cerrno>
#include <cstring>

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
