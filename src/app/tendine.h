#pragma once
// The program's menu bar: File and Edit, with the about item as the last
// entry of Edit (Qt moves it to the application menu on macOS).
#include <QMenuBar>
#include <QString>

#include <array>
#include <cstddef>

class QAction;
class QMenu;

class Tendine : public QMenuBar {
    Q_OBJECT
public:
    // The one bar of the run, made on first use. When the window holding it
    // has gone (and the bar with it), a new bar is made.
    static Tendine& instance();

    // The bar's menus and items, in the order they are made.
    enum class Voce {
        FileMenu,
        FileNew,
        FileOpen,
        FileSave,
        FileSaveas,
        FileCreate3D,
        FileQuit,
        EditMenu,
        EditUndo,
        EditCut,
        EditCopy,
        EditPaste,
        EditClear,
        AppleModanovainfo,
    };
    static constexpr std::size_t kVoci = static_cast<std::size_t>(Voce::AppleModanovainfo) + 1;

    // A menu's own action or an item, as kept when the bar was made.
    QAction* voce(Voce v) const { return m_voci[static_cast<std::size_t>(v)]; }

    // An item (or a menu's own action or a separator) by its name, nullptr
    // when there is no such item. It searches the bar: the program itself
    // uses voce().
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
    QAction* tieni(Voce v, QAction* action);

    std::array<QAction*, kVoci> m_voci{};
};
