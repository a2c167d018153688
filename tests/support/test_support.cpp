#include "support/test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/line_reader.h"

#include <QFile>

#include <linux/capability.h>
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
