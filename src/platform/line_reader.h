#pragma once
// A text read line by line, from a file or from bytes in memory, holding only
// a buffer's worth of a file at a time.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include "platform/file_error.h"

#include <memory>
#include <string_view>

namespace platform {

// The largest file the program reads: a larger one is refused before any of
// it is read.
inline constexpr qint64 kMaxReadBytes = 256LL * 1024 * 1024;

// A line ends at a carriage return, a line feed or the pair CR LF; a last
// line without an ending still counts.
class LineReader {
public:
    // The lines of bytes held in memory.
    explicit LineReader(QByteArray bytes);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens a file for reading. Only a regular file of at most maxBytes is
    // read; a pipe, a device or a folder is refused without waiting, since
    // the file is opened without blocking and looked at before anything is
    // read. Nothing when refused or when it cannot be opened; error (when
    // given) then tells why.
    static std::unique_ptr<LineReader> open(const QString& path, qint64 maxBytes = kMaxReadBytes,
                                            FileError* error = nullptr);

    // The next line without its ending, valid until the next call. False at
    // the end of the text, after a read error, and at a line longer than
    // kMaxLineBytes (no number the program reads is that long).
    bool next(std::string_view& line);

    // At most how many bytes the lines still to come hold, their endings
    // included: what a count read from the text can be checked against.
    qint64 remainingBytes() const;

    // True when reading stopped at an error (including an over-long line or
    // a file that grew past its limit) rather than at the end.
    bool failed() const { return m_failed; }
    // Why, when the file could not be read on or grew past its limit;
    // nothing for an over-long line, which is the text's fault.
    FileError error() const { return m_error; }

    static constexpr qsizetype kMaxLineBytes = 64 * 1024;

private:
    LineReader(std::unique_ptr<QFile> file, qint64 size, qint64 maxBytes);
    // Moves what is left of the buffer to its front and reads more after it;
    // false at the end of the file or on an error.
    bool refill();

    std::unique_ptr<QFile> m_file; // none for bytes in memory
    QByteArray m_buffer;
    qsizetype m_begin = 0; // the unread part of the buffer
    qsizetype m_end = 0;
    qint64 m_size = 0; // the file's size when it was opened
    qint64 m_readBytes = 0;
    qint64 m_maxBytes = 0;
    bool m_atEnd = false;
    bool m_failed = false;
    FileError m_error;
};

} // namespace platform
