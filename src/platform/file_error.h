#pragma once
// Why a file could not be written or read, as the program found it: a kind
// the messages are chosen by, and the system's error number behind it.
#include <QString>

namespace platform {

struct FileError {
    enum class Kind {
        None,
        // Writing.
        DiskFull,      // no room left on the disk or in the user's quota
        SizeLimit,     // the file would pass the system's file-size limit
        NoPermission,  // the folder may not be written
        Unreplaceable, // the folder may, but the file there may not be replaced
        NoFolder,      // the folder does not exist (or a part of it is a file)
        BadName,       // a name the file system does not take
        // Reading.
        Missing,    // there is no such file
        Unreadable, // it is there but cannot be read
        NotRegular, // a folder, a pipe, a device
        TooLarge,   // larger than the program reads
        // Either.
        System, // any other error; code tells which
    };

    Kind kind = Kind::None;
    int code = 0;        // errno, when the system gave one
    bool folder = false; // NotRegular: the path is a folder

    explicit operator bool() const { return kind != Kind::None; }
};

// The kind of a write or a read that failed with an errno.
FileError writeError(int code);
FileError readError(int code);

// The kind of a write to path that failed with code, told by what can be
// seen of the file system: a refusal is put on the file already there when
// its folder may be written, since it is then the file itself that cannot
// be replaced (it is immutable, say, or another user's in a folder that
// keeps each file to its owner). Without a code (0) the likeliest reason is
// read off the folder and the file.
FileError writeErrorAt(const QString& path, int code);

// The system's own text for an error number.
QString systemErrorText(int code);

} // namespace platform
