#pragma once
// The program's menu bar: File and Edit, with the about item as the last
// entry of Edit (Qt moves it to the application menu on macOS).
#include <QMenuBar>
#include <QString>

class QAction;
class QMenu;

class Tendine : public QMenuBar {
    Q_OBJECT
public:
    // The one bar of the run, made on first use. When the window holding it
    // has gone (and the bar with it), a new bar is made.
    static Tendine& instance();

    // An item (or a menu's own action) by its name, nullptr when there is
    // no such item.
    QAction* item(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // The items that have a keyboard shortcut.
    QList<QAction*> comandi() const;

private:
    Tendine();
    // An item with its name, text, shortcut (none when empty) and whether
    // the platform enables it by itself (kept as the "AutoEnable" property).
    QAction* add(QMenu* menu, const QString& name, const QString& text, const QString& shortcut,
                 bool autoEnable = true);
    void separator(QMenu* menu, const QString& name);
};
