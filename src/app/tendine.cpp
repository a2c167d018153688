#include "app/tendine.h"

#include "app/app.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTextEdit>

namespace {

QPointer<Tendine> s_bar;

// The Edit items work on the text field that has the keyboard focus.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear };

template <class T> void applyToText(T* field, EditCommand command)
{
    switch (command) {
    case EditCommand::Undo: field->undo(); break;
    case EditCommand::Cut: field->cut(); break;
    case EditCommand::Copy: field->copy(); break;
    case EditCommand::Paste: field->paste(); break;
    case EditCommand::Clear: field->textCursor().removeSelectedText(); break;
    }
}

void editFocused(EditCommand command)
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        switch (command) {
        case EditCommand::Undo: line->undo(); break;
        case EditCommand::Cut: line->cut(); break;
        case EditCommand::Copy: line->copy(); break;
        case EditCommand::Paste: line->paste(); break;
        case EditCommand::Clear:
            if (line->hasSelectedText())
                line->del();
            break;
        }
    } else if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        applyToText(text, command);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        applyToText(plain, command);
    }
}

// The bar's and the menus' look. A separator keeps its item text "-", but
// shows as a plain line: the style is handed the separator without its
// text, which it would otherwise write beside the line. And Alt pressed and
// released alone does not take the keyboard focus into the bar: a modifier
// key alone moves no focus (Alt with a menu's access letter still opens it).
class MenuStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (const auto* item = textlessSeparator(element, option)) {
            QProxyStyle::drawControl(element, item, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        if (type == CT_MenuItem) {
            if (const auto* item = textlessSeparator(CE_MenuItem, option))
                return QProxyStyle::sizeFromContents(type, item, size, widget);
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

private:
    // The separator's option without text, or nullptr for anything else.
    const QStyleOptionMenuItem* textlessSeparator(ControlElement element, const QStyleOption* option) const
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item || item->menuItemType != QStyleOptionMenuItem::Separator)
            return nullptr;
        m_plain = *item;
        m_plain.text.clear();
        return &m_plain;
    }
    mutable QStyleOptionMenuItem m_plain;
};

// A File command's shortcut is about to act: the command first gets what
// the screen shows. The key reaches the focused field as a shortcut
// override before Qt looks for the command, so File > Save, enabled only
// once the typed value has marked the document, is found as well. Under a
// modal window that does not carry the commands (a dialog of the program's
// or of Qt's) the shortcut does nothing, and the field is left alone.
class PrimaDelComando : public QObject {
public:
    PrimaDelComando(QMenu* file, QObject* parent) : QObject(parent), m_file(file) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The override is kept from the focused widget too: a line edit on
        // X11 claims Ctrl+E as "end of line", and the command would never run.
        if (event->type() == QEvent::ShortcutOverride && m_file && comandoFile(*static_cast<QKeyEvent*>(event))) {
            App::primaDelComando();
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool comandoFile(const QKeyEvent& key) const
    {
        const QKeySequence pressed(key.keyCombination());
        QWidget* modal = QApplication::activeModalWidget();
        for (QAction* a : m_file->actions())
            if (!a->shortcut().isEmpty() && a->shortcut().matches(pressed) == QKeySequence::ExactMatch)
                return !modal || modal->actions().contains(a);
        return false;
    }

    QPointer<QMenu> m_file;
};

} // namespace

Tendine& Tendine::instance()
{
    if (!s_bar)
        s_bar = new Tendine();
    return *s_bar;
}

Tendine::Tendine()
{
    setNativeMenuBar(true);

    QMenu* file = addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    file->menuAction()->setProperty("AutoEnable", true);
    tieni(Voce::FileMenu, file->menuAction());
    QAction* nuovo = tieni(
        Voce::FileNew, add(file, QStringLiteral("FileNew"), QStringLiteral("New"), QStringLiteral("Ctrl+N"), false));
    QAction* apri = tieni(Voce::FileOpen, add(file, QStringLiteral("FileOpen"), QStringLiteral("Open.."),
                                              QStringLiteral("Ctrl+O"), false));
    separator(file, QStringLiteral("UntitledMenu3"));
    QAction* salva = tieni(
        Voce::FileSave, add(file, QStringLiteral("FileSave"), QStringLiteral("Save"), QStringLiteral("Ctrl+S"), false));
    QAction* salvacome = tieni(Voce::FileSaveas,
                               add(file, QStringLiteral("FileSaveas"), QStringLiteral("Save as.."), QString()));
    separator(file, QStringLiteral("UntitledMenu2"));
    QAction* crea = tieni(Voce::FileCreate3D, add(file, QStringLiteral("FileCreate3D"), QStringLiteral("Create 3D.."),
                                                  QStringLiteral("Ctrl+E")));
    separator(file, QStringLiteral("UntitledMenu1"));
    QAction* esci = tieni(Voce::FileQuit,
                          add(file, QStringLiteral("FileQuit"), QStringLiteral("Quit"), QStringLiteral("Ctrl+Q")));
    esci->setMenuRole(QAction::QuitRole);

    QMenu* edit = addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    edit->menuAction()->setProperty("AutoEnable", true);
    tieni(Voce::EditMenu, edit->menuAction());
    QAction* undo = tieni(Voce::EditUndo,
                          add(edit, QStringLiteral("EditUndo"), QStringLiteral("Undo"), QStringLiteral("Ctrl+Z")));
    separator(edit, QStringLiteral("UntitledMenu0"));
    QAction* cut = tieni(Voce::EditCut,
                         add(edit, QStringLiteral("EditCut"), QStringLiteral("Cut"), QStringLiteral("Ctrl+X")));
    QAction* copy = tieni(Voce::EditCopy,
                          add(edit, QStringLiteral("EditCopy"), QStringLiteral("Copy"), QStringLiteral("Ctrl+C")));
    QAction* paste = tieni(Voce::EditPaste,
                           add(edit, QStringLiteral("EditPaste"), QStringLiteral("Paste"), QStringLiteral("Ctrl+V")));
    QAction* clear = tieni(Voce::EditClear, add(edit, QStringLiteral("EditClear"), QStringLiteral("Clear"), QString()));
    QAction* about = tieni(Voce::AppleModanovainfo, add(edit, QStringLiteral("AppleModanovainfo"),
                                                        QStringLiteral("Modanova info.."), QString()));
    about->setMenuRole(QAction::AboutRole);

    // Items that are not enabled automatically (AutoEnable false) start
    // disabled until the enabling event has looked at the document.
    nuovo->setEnabled(false);
    apri->setEnabled(false);
    salva->setEnabled(false);

    connect(salvacome, &QAction::triggered, this, [] { App::FileSaveas_Action(); });
    connect(apri, &QAction::triggered, this, [] { App::FileOpen_Action(); });
    connect(nuovo, &QAction::triggered, this, [] { App::FileNew_Action(); });
    connect(salva, &QAction::triggered, this, [] { App::FileSave_Action(); });
    connect(crea, &QAction::triggered, this, [] { App::FileCreate3D_Action(); });
    connect(about, &QAction::triggered, this, [] { App::AppleModanovainfo_Action(); });
    connect(esci, &QAction::triggered, this, [] { App::quit(); });

    connect(undo, &QAction::triggered, this, [] { editFocused(EditCommand::Undo); });
    connect(cut, &QAction::triggered, this, [] { editFocused(EditCommand::Cut); });
    connect(copy, &QAction::triggered, this, [] { editFocused(EditCommand::Copy); });
    connect(paste, &QAction::triggered, this, [] { editFocused(EditCommand::Paste); });
    connect(clear, &QAction::triggered, this, [] { editFocused(EditCommand::Clear); });

    auto* style = new MenuStyle();
    style->setParent(this);
    setStyle(style);
    file->setStyle(style);
    edit->setStyle(style);

    // The platform looks at the items again before it shows a menu; a File
    // command chosen from it, like one typed, works on what the screen shows.
    connect(file, &QMenu::aboutToShow, this, [] { App::primaDelComando(); });
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(new PrimaDelComando(file, this));
    connect(edit, &QMenu::aboutToShow, this, [] { App::Event_EnableMenuItems(); });
}

QAction* Tendine::add(QMenu* menu, const QString& name, const QString& text, const QString& shortcut, bool autoEnable)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(name);
    action->setProperty("AutoEnable", autoEnable);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        // The commands work from every window of the program, not only
        // from the one the bar is shown in.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    menu->addAction(action);
    return action;
}

QAction* Tendine::tieni(Voce v, QAction* action)
{
    m_voci[static_cast<std::size_t>(v)] = action;
    return action;
}

void Tendine::separator(QMenu* menu, const QString& name)
{
    QAction* line = menu->addSeparator();
    line->setObjectName(name);
    line->setProperty("AutoEnable", true);
    line->setText(QStringLiteral("-"));
}

QList<QAction*> Tendine::comandi() const
{
    QList<QAction*> withShortcut;
    for (QAction* a : m_voci)
        if (a && !a->shortcut().isEmpty())
            withShortcut.append(a);
    return withShortcut;
}

QAction* Tendine::item(const QString& name) const
{
    for (QAction* a : findChildren<QAction*>())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

QMenu* Tendine::menu(const QString& name) const { return findChild<QMenu*>(name); }
