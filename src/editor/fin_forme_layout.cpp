#include "editor/fin_forme.h"
#include "editor/fin_principale.h"

#include "platform/resources.h"

namespace {

platform::RectangleShape* panel(QWidget* parent, const char* name, int left, int top, int width, int height,
                                const QColor& color)
{
    auto* r = new platform::RectangleShape(parent);
    r->setObjectName(QString::fromLatin1(name));
    platform::placeControl(r, left, top, width, height);
    r->BorderWidth = 1;
    r->setColors(color, color, color);
    return r;
}

platform::LineShape* line(QWidget* parent, const char* name, int y)
{
    auto* l = new platform::LineShape(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->LineColor = QColor(0xCC, 0xCC, 0xCC);
    l->BorderWidth = 1;
    l->setEnds(0, y, 81, y);
    return l;
}

// An icon button with no caption; the help tag holds English, CR, Italian.
platform::BevelButton* bevel(QWidget* parent, const QString& name, int left, int top, const QString& icon,
                             const QString& english, const QString& italian, int width = 36)
{
    auto* b = new platform::BevelButton(parent);
    b->setObjectName(name);
    platform::placeControl(b, left, top, width, 36);
    b->setFont(platform::programFont(QStringLiteral("System"), 12));
    fin_forme::setButtonIcon(b, icon);
    if (!english.isEmpty() || !italian.isEmpty())
        platform::setHelpTag(b, english + QLatin1Char('\r') + italian);
    return b;
}

platform::BevelButton* member(QWidget* parent, const char* array, int index, int left, int top, const char* icon,
                              const char* english, const char* italian)
{
    return bevel(parent, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index), left, top,
                 QString::fromLatin1(icon), QString::fromUtf8(english), QString::fromUtf8(italian));
}

} // namespace

fin_forme::fin_forme() : SingleWindow(platform::FrameKind::Floating)
{
    setTitle(QStringLiteral("Tools"));
    setBackColor(QColor(0x00, 0x40, 0x80));
    Layout();
    collegaGestori();
    resizeToBody(81, 489);
    setFixedSize(size());
    // Above the drawing window, but not above other programs.
    setOwner(&fin_principale::instance());
}

void fin_forme::setButtonIcon(platform::BevelButton* button, const QString& name)
{
    button->setIconImage(platform::resourcePicture(name));
    button->setProperty("iconName", name);
}

void fin_forme::Layout()
{
    QWidget* w = body();

    const QColor yellow(0xFF, 0xFF, 0x00);
    rec_sel = panel(w, "rec_sel", -50, 28, 40, 40, yellow);
    Rectangle2 = panel(w, "Rectangle2", 0, 324, 81, 81, QColor(0xFF, 0xCC, 0x66));
    Rectangle1 = panel(w, "Rectangle1", 0, 240, 81, 81, QColor(0xCC, 0x66, 0xFF));

    bot_forma.add(
        0, member(w, "bot_forma", 0, 3, 42, "forma1", "create/edit a straight line", "crea/modifica una linea retta"));
    bot_forma.add(1, member(w, "bot_forma", 1, 42, 42, "forma2", "create/edit a torus of 180 degrees",
                            "crea/modifica un toro da 180 gradi"));
    bot_forma.add(2, member(w, "bot_forma", 2, 3, 81, "forma3", "create/edit a 1/4curve of 90 degrees",
                            "crea/modifica un ovolo da 90 gradi"));
    bot_forma.add(3, member(w, "bot_forma", 3, 42, 81, "forma4", "create/edit a 1/4curve of 90 degrees",
                            "crea/modifica un cavetto da 90 gradi"));
    bot_forma.add(
        4, member(w, "bot_forma", 4, 3, 120, "forma5", "create/edit a double curve", "crea/modifica una gola diritta"));
    bot_forma.add(5, member(w, "bot_forma", 5, 42, 120, "forma6", "create/edit a double curve reversed",
                            "crea/modifica una gola rovescia"));

    // The transform, zoom and settings buttons stand on their panels. They
    // are made after the panels (so they lie above them) as children of the
    // window, because a panel lets the mouse through and would take its
    // children's clicks with it.
    bot_move.add(0, member(w, "bot_move", 0, 3, 243, "tool1", "flip horizontal current shape",
                           "inverte orizzontalmente la forma corrente"));
    bot_move.add(1, member(w, "bot_move", 1, 42, 243, "tool2", "flip vertical current shape",
                           "inverte verticalmente la forma corrente"));
    bot_move.add(2, member(w, "bot_move", 2, 3, 282, "tool3", "rotate to right current shape",
                           "ruota a destra la forma corrente"));
    bot_move.add(3, member(w, "bot_move", 3, 42, 282, "tool4", "rotate to left current shape",
                           "ruota a sinistra la forma corrente"));

    bot_zoom.add(0, member(w, "bot_zoom", 0, 3, 327, "zoom2", "zoom out 1/2", "riduce la visualizzazione di 1/2"));
    bot_zoom.add(1, member(w, "bot_zoom", 1, 42, 327, "zoom1", "zoom in 1/2", "aumenta la visualizzazione di 1/2"));
    bot_zoom.add(2,
                 member(w, "bot_zoom", 2, 3, 366, "zoom3", "restore initial view", "ripristina la vista di partenza"));
    bot_zoom.add(3, member(w, "bot_zoom", 3, 42, 366, "zoom4", "Scale to fit drawing", "Inquadra tutto il disegno"));

    Line1 = line(w, "Line1", 238);
    Line2 = line(w, "Line2", 322);
    Line3 = line(w, "Line3", 406);
    Rectangle3 = panel(w, "Rectangle3", 0, 408, 81, 81, QColor(0x00, 0x80, 0xFF));

    bot_setup.add(0, member(w, "bot_setup", 0, 3, 411, "setup1", "Set snapping grid", "Settaggio griglia di aggancio"));
    bot_setup.add(1, member(w, "bot_setup", 1, 42, 411, "setup2", "Set arc resolution", "Setteggio risoluzione archi"));
    bot_setup.add(2, member(w, "bot_setup", 2, 3, 450, "busa", "", ""));
    bot_setup.add(3, member(w, "bot_setup", 3, 42, 450, "bita", "Set language to italian", "Usa la lingua italiana"));

    bot_sagoma = bevel(w, QStringLiteral("bot_sagoma"), 3, 159, QStringLiteral("export1"),
                       QStringLiteral("assume current shape as profile"),
                       QStringLiteral("assume la forma attuale come profilo"));
    bot_percorso = bevel(w, QStringLiteral("bot_percorso"), 42, 159, QStringLiteral("export2"),
                         QStringLiteral("assume current shape as path"),
                         QStringLiteral("assume la forma attuale come percorso"));
    bot_sel = bevel(w, QStringLiteral("bot_sel"), 3, 3, QStringLiteral("edita1"),
                    QStringLiteral("toggle add/edit mode"), QString::fromUtf8("scegli modalità aggiungi/modifica"));
    bot_sel->setCheckable(true);
    bot_can = bevel(w, QStringLiteral("bot_can"), 42, 3, QStringLiteral("edita2"),
                    QStringLiteral("delete element if in edit mode"),
                    QString::fromUtf8("elimina elemento se la modalità modifica é attiva"));
    bot_3d = bevel(w, QStringLiteral("bot_3d"), 3, 198, QStringLiteral("crea1"),
                   QStringLiteral("show gdl creation window"), QStringLiteral("mostra la finestra di creazione gdl"),
                   75);
    bot_3d->setText(QStringLiteral("3D"));
    bot_3d->setFont(platform::programFont(QStringLiteral("arial"), 18, true));
    bot_3d->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}
