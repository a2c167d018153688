#include "platform/line_reader.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// How much of a file is read at a time.
constexpr qsizetype kChunkBytes = 256 * 1024;

} // namespace

LineReader::LineReader(QByteArray bytes) : m_buffer(std::move(bytes))
{
    m_end = m_buffer.size();
    m_size = m_end;
    m_readBytes = m_end;
    m_maxBytes = m_end;
    m_atEnd = true;
}

LineReader::LineReader(std::unique_ptr<QFile> file, qint64 size, qint64 maxBytes)
    : m_file(std::move(file)), m_buffer(kChunkBytes, Qt::Uninitialized), m_size(size), m_maxBytes(maxBytes)
{}

LineReader::~LineReader() = default;

std::unique_ptr<LineReader> LineReader::open(const QString& path, qint64 maxBytes, FileError* error)
{
    FileError ignored;
    FileError& why = error ? *error : ignored;
    why = {};
    if (path.isEmpty()) {
        why = readError(ENOENT);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    qint64 size = 0;
#ifdef Q_OS_UNIX
    // Opening a pipe for reading would wait for a writer; without blocking
    // it returns at once, and the file's type is then looked at on the very
    // file that was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = readError(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        why = readError(errno);
    else if (!S_ISREG(st.st_mode))
        why = {FileError::Kind::NotRegular, 0, S_ISDIR(st.st_mode)};
    else if (st.st_size > maxBytes)
        why = {FileError::Kind::TooLarge, 0};
    if (why) {
        ::close(fd);
        return nullptr;
    }
    size = static_cast<qint64>(st.st_size);
    if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        why = readError(EIO);
        ::close(fd);
        return nullptr;
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        why = readError(ENOENT);
    else if (!info.isFile())
        why = {FileError::Kind::NotRegular, 0, info.isDir()};
    else if (info.size() > maxBytes)
        why = {FileError::Kind::TooLarge, 0};
    if (why)
        return nullptr;
    size = info.size();
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        why = readError(EACCES);
        return nullptr;
    }
#endif
    return std::unique_ptr<LineReader>(new LineReader(std::move(file), size, maxBytes));
}

bool LineReader::refill()
{
    if (!m_file || m_atEnd || m_failed)
        return false;
    const qsizetype left = m_end - m_begin;
    // So much text without a line end holds no line the program reads.
    if (left > kMaxLineBytes) {
        m_failed = true;
        return false;
    }
    char* data = m_buffer.data();
    std::memmove(data, data + m_begin, static_cast<std::size_t>(left));
    m_begin = 0;
    m_end = left;
    errno = 0;
    const qint64 got = m_file->read(data + m_end, m_buffer.size() - m_end);
    if (got < 0) {
        m_failed = true;
        m_error = readError(errno != 0 ? errno : EIO);
        return false;
    }
    if (got == 0) {
        m_atEnd = true;
        return false;
    }
    m_end += static_cast<qsizetype>(got);
    m_readBytes += got;
    // A file that grew while it was read is held to its limit too.
    if (m_readBytes > m_maxBytes) {
        m_failed = true;
        m_error = {FileError::Kind::TooLarge, 0};
        return false;
    }
    return true;
}

bool LineReader::next(std::string_view& line)
{
    for (;;) {
        if (m_failed)
            return false;
        const char* data = m_buffer.constData();
        qsizetype i = m_begin;
        while (i < m_end && data[i] != '\r' && data[i] != '\n')
            ++i;
        // The line feed of a CR LF may still be in the file.
        const bool complete = i < m_end && (data[i] == '\n' || i + 1 < m_end || m_atEnd);
        if (complete || (m_atEnd && m_begin < m_end)) {
            if (i - m_begin > kMaxLineBytes) {
                m_failed = true;
                return false;
            }
            line = std::string_view(data + m_begin, static_cast<std::size_t>(i - m_begin));
            m_begin = i < m_end ? i + 1 : i;
            if (i < m_end && data[i] == '\r' && m_begin < m_end && data[m_begin] == '\n')
                ++m_begin;
            return true;
        }
        if (m_atEnd)
            return false;
        // The end of the file is found by a read that gives nothing; the
        // last line is then handed out by the next turn.
        if (!refill() && m_failed)
            return false;
    }
}

qint64 LineReader::remainingBytes() const
{
    const qint64 unread = m_size > m_readBytes ? m_size - m_readBytes : 0;
    return unread + (m_end - m_begin);
}

} // namespace platform
