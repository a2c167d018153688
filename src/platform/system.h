#pragma once
// System services: clipboard, links, the screen's size, the request to
// re-evaluate the menus and the process's file-size signal.
#include <QSize>
#include <QString>
#include <functional>

namespace platform {

void setClipboardText(const QString& text);
QString clipboardText();

// Hands a mailto: or http(s): link to the system. Tests can take it instead.
void openLink(const QString& url);
void setLinkHandler(std::function<void(const QString&)> handler);

QSize mainScreenSize();

// Asks the application to re-evaluate its menu items at once.
void requestMenuEnable();
void setMenuEnableHandler(std::function<void()> handler);

// A write past the process's file-size limit then fails with an error that
// the writer sees and handles, instead of ending the program.
void ignoreFileSizeSignal();

} // namespace platform
