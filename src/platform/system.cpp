#include "platform/system.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <csignal>

namespace platform {

namespace {
std::function<void(const QString&)> g_linkHandler;
std::function<void()> g_menuEnable;
} // namespace

void setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

void openLink(const QString& url)
{
    if (g_linkHandler) {
        g_linkHandler(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void setLinkHandler(std::function<void(const QString&)> handler) { g_linkHandler = std::move(handler); }

QSize mainScreenSize()
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return QSize(1024, 768);
}

void requestMenuEnable()
{
    if (g_menuEnable)
        g_menuEnable();
}

void setMenuEnableHandler(std::function<void()> handler) { g_menuEnable = std::move(handler); }

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace platform
