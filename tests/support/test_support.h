#pragma once
// Helpers shared by the tests of every layer, the model's included: they
// need the platform's pictures and files, none of the windows.
#include "platform/picture.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <vector>

namespace testsupport {

// The segments of a live layer or list of items, for comparisons.
struct Segment {
    double x1, y1, x2, y2;
    QColor color;
};
std::vector<Segment> segmentsOf(const std::vector<platform::DrawItem>& items);

// Lets queued paint and deferred-delete events run.
void processEvents();

// A click in the middle of a widget, and a key pressed and released on it,
// as the window system hands them over: queued for whoever processes
// events next.
void postClick(QWidget* widget);
void postKey(QWidget* widget, Qt::Key key, const QString& text = QString());

// A file-size limit on this process for the lifetime of the object: every
// write past `bytes` bytes of a file fails (with the signal that would end
// the process ignored), as on a full disk, without needing one.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long m_previous = 0;
};

// Permissions hold for this process for the lifetime of the object, also
// when it runs as root: the capabilities that let root read and write past
// them are set aside (kept, so that they come back afterwards).
class PermissionsHold {
public:
    PermissionsHold();
    ~PermissionsHold();
    PermissionsHold(const PermissionsHold&) = delete;
    PermissionsHold& operator=(const PermissionsHold&) = delete;

private:
    unsigned m_effective[2] = {0, 0};
    bool m_changed = false;
};

// A file no process may change, replace or remove (the file system's
// immutable flag) for the lifetime of the object, where the file system and
// this process's privileges allow it; held() tells whether they did.
class Immutable {
public:
    explicit Immutable(const QString& path);
    ~Immutable();
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;

    bool held() const { return m_held; }

private:
    QString m_path;
    bool m_held = false;
};

// Another user's file `name` in `folder`, made a folder that every user may
// write in but where each file is its owner's to replace (as /tmp is), and
// owned by that user too. Its path, or an empty string when this process
// may not give files away. While permissions hold, this process may add
// files there but not replace that one.
QString anotherUsersFile(const QString& folder, const QString& name);

// The names of the files in a folder, to see that nothing was left behind.
QStringList fileNames(const QString& folder);

// Paths the program must refuse to read, made in folder: a pipe with no
// writer (a plain open waits for one), a device that never ends, a folder,
// and a file one byte over the largest file the program reads, which starts
// with `oversizeStart` (a good document, say, that would open if it were
// read) and is sparse after it, taking no disk space.
struct Unreadable {
    const char* kind;
    QString path;
};
std::vector<Unreadable> unreadableFiles(const QString& folder, const QByteArray& oversizeStart = {});

// Ends the test program when the test blocks for longer than `seconds`, so
// that a read waiting forever fails the test at once.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds = 20);
    ~Watchdog();
};

} // namespace testsupport

#include <ostream>

// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
