#include "support/test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/line_reader.h"

#include <QFile>

#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

std::vector<Segment> segmentsOf(const std::vector<platform::DrawItem>& items)
{
    std::vector<Segment> out;
    for (const auto& item : items)
        if (item.kind == platform::DrawItem::Kind::Segment)
            out.push_back({item.p1.x(), item.p1.y(), item.p2.x(), item.p2.y(), item.color});
    return out;
}

void postClick(QWidget* widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(
        widget, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

void postKey(QWidget* widget, Qt::Key key, const QString& text)
{
    QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

void processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

FileSizeLimit::FileSizeLimit(long long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
}

namespace {

struct Capacita {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    bool get() { return syscall(SYS_capget, &header, data) == 0; }
    bool set() { return syscall(SYS_capset, &header, data) == 0; }
};

} // namespace

PermissionsHold::PermissionsHold()
{
    Capacita c;
    if (!c.get())
        return;
    m_effective[0] = c.data[0].effective;
    m_effective[1] = c.data[1].effective;
    c.data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_changed = c.set();
}

PermissionsHold::~PermissionsHold()
{
    Capacita c;
    if (!m_changed || !c.get())
        return;
    c.data[0].effective = m_effective[0];
    c.data[1].effective = m_effective[1];
    c.set();
}

namespace {

// Sets or clears the immutable flag of a file; false when it cannot.
bool segnaImmutabile(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

Immutable::Immutable(const QString& path) : m_path(path), m_held(segnaImmutabile(path, true)) {}

Immutable::~Immutable()
{
    if (m_held)
        segnaImmutabile(m_path, false);
}

QString anotherUsersFile(const QString& folder, const QString& name)
{
    // Nobody's user and group on Debian.
    constexpr uid_t kAltro = 65534;
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("x");
    file.close();
    const QByteArray cartella = QFile::encodeName(folder);
    if (::chmod(cartella.constData(), S_ISVTX | 0777) != 0 || ::chown(cartella.constData(), kAltro, kAltro) != 0
        || ::chown(QFile::encodeName(path).constData(), kAltro, kAltro) != 0)
        return QString();
    return path;
}

QStringList fileNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

std::vector<Unreadable> unreadableFiles(const QString& folder, const QByteArray& oversizeStart)
{
    const QDir dir(folder);
    const QString fifo = dir.filePath(QStringLiteral("pipe.mdn"));
    mkfifo(QFile::encodeName(fifo).constData(), 0600);
    const QString cartella = dir.filePath(QStringLiteral("folder.mdn"));
    dir.mkpath(cartella);
    const QString grande = dir.filePath(QStringLiteral("oversize.mdn"));
    const int fd = ::open(QFile::encodeName(grande).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd >= 0) {
        if (write(fd, oversizeStart.constData(), static_cast<size_t>(oversizeStart.size())) != oversizeStart.size()
            || ftruncate(fd, platform::kMaxReadBytes + 1) != 0)
            ::unlink(QFile::encodeName(grande).constData());
        ::close(fd);
    }
    return {{"fifo", fifo}, {"device", QStringLiteral("/dev/zero")}, {"folder", cartella}, {"oversize", grande}};
}

Watchdog::Watchdog(unsigned seconds) { alarm(seconds); }

Watchdog::~Watchdog() { alarm(0); }

} // namespace testsupport
