// The "Create 3D" window's controls: made in their stacking order (a control
// made later lies above the ones made before it), with their positions,
// texts, colours, fonts, help tags and pictures, and their events bound.
#include "create3d/fin_3d.h"

#include "platform/resources.h"

namespace {

using namespace platform;

QColor hex(unsigned rgbValue) { return QColor::fromRgb(static_cast<QRgb>(rgbValue)); }

StaticText* label(QWidget* parent, int left, int top, int width, const QString& text, Allinea align, unsigned color,
                  bool bold = false, bool underline = false)
{
    auto* s = new StaticText(parent);
    s->setTextFont(QStringLiteral("arial"), 12);
    s->setText(text);
    s->setTextAlign(align);
    s->setTextColor(hex(color));
    s->setBold(bold);
    s->setUnderline(underline);
    placeControl(s, left, top, width, 20);
    return s;
}

EditField* field(QWidget* parent, int left, int top, int width, const QString& text, unsigned back)
{
    auto* f = new EditField(parent);
    f->setTextFont(QStringLiteral("arial"), 12, true);
    f->setTextColor(hex(0xFF0000));
    f->setBackColor(hex(back));
    f->setTextAlign(Allinea::Destra);
    f->setFrame(true);
    f->setTextFromProgram(text);
    placeControl(f, left, top, width, 22);
    return f;
}

PushButton* button(QWidget* parent, int left, int top, int width, const QString& caption, const QString& font,
                   bool bold = false)
{
    auto* b = new PushButton(parent);
    b->setTextFont(font, 12, bold);
    b->setText(caption);
    placeControl(b, left, top, width, 20);
    return b;
}

CheckBox* checkBox(QWidget* parent, int left, int top, int width, const QString& caption, bool value)
{
    auto* c = new CheckBox(parent);
    c->setFont(programFont(QStringLiteral("arial"), 12));
    c->setText(caption);
    c->setValue(value);
    placeControl(c, left, top, width, 20);
    return c;
}

Slider* slider(QWidget* parent, int left, int top, int width, int minimum, int maximum, int value)
{
    auto* s = new Slider(parent);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(20);
    s->setValueQuietly(value);
    placeControl(s, left, top, width, 16);
    return s;
}

RectangleShape* rectangle(QWidget* parent, int left, int top, int width, int height, unsigned fill, unsigned topLeft,
                          unsigned bottomRight)
{
    auto* r = new RectangleShape(parent);
    r->BorderWidth = 1;
    r->setColors(hex(topLeft), hex(bottomRight), hex(fill));
    placeControl(r, left, top, width, height);
    return r;
}

Separator* separator(QWidget* parent, int top)
{
    auto* s = new Separator(parent);
    placeControl(s, 10, top, 620, 4);
    return s;
}

ImageWell* imageWell(QWidget* parent, int left, int top, int width, int height)
{
    auto* w = new ImageWell(parent);
    placeControl(w, left, top, width, height);
    return w;
}

// A canvas with no handlers lets the mouse through to the window.
Canvas* canvas(QWidget* parent, int left, int top, int width, int height)
{
    auto* c = new Canvas(parent);
    c->setTransparentForMouse(true);
    placeControl(c, left, top, width, height);
    return c;
}

BevelButton* solidButton(QWidget* parent, int left, const QString& picture, const QString& tag)
{
    auto* b = new BevelButton(parent);
    b->setFont(programFont(QStringLiteral("System"), 12));
    b->setIconImage(resourcePicture(picture));
    setHelpTag(b, tag);
    placeControl(b, left, 431, 36, 36);
    return b;
}

PopupArrow* arrow(QWidget* parent, int left, int facing)
{
    auto* a = new PopupArrow(parent);
    a->Facing = facing;
    placeControl(a, left, 456, 10, 10);
    return a;
}

QString tag(const char* english, const char* italian)
{
    return QString::fromUtf8(english) + QLatin1Char('\r') + QString::fromUtf8(italian);
}

} // namespace

fin_3d::fin_3d() : SingleWindow(platform::FrameKind::MovableModal)
{
    setTitle(QStringLiteral("Create 3D"));
    setBackColor(Qt::white);
    creaControlli();
    collegaEventi();
    resizeToBody(640, 480);
    setFixedSize(size());
}

void fin_3d::creaControlli()
{
    QWidget* b = body();
    const QString arial = QStringLiteral("arial");
    const QString system = QStringLiteral("System");

    Separator1 = separator(b, 412);                                          // 1
    Separator2 = separator(b, 375);                                          // 2
    Rectangle2 = rectangle(b, 335, 3, 32, 32, 0xFFFFFF, 0x000000, 0x000000); // 3
    Rectangle1 = rectangle(b, 272, 3, 32, 32, 0xFFFFFF, 0x000000, 0x000000); // 4
    // The two pictures stand inside their frames (2 pixels in on each side).
    Canvas1 = canvas(b, 274, 5, 28, 28); // 5
    Canvas1->setBackdrop(resourcePicture(QStringLiteral("export1")));
    Canvas2 = canvas(b, 337, 5, 28, 28); // 6
    Canvas2->setBackdrop(resourcePicture(QStringLiteral("export2")));
    rec_sel = rectangle(b, -40, 427, 44, 44, 0xFFFF00, 0xFFFF00, 0xFFFF00); // 7
    bot_exp.add(1, solidButton(b, 68, QStringLiteral("crea2"),              // 8
                               tag("Create a revolution volume", "Crea un volume di rivoluzione")));
    bot_exp.add(0, solidButton(b, 13, QStringLiteral("crea1"), // 9
                               tag("Create an extruded volume", "Crea un volume di estrusione")));
    ImageWell2 = imageWell(b, 330, 36, 300, 200);                                      // 10
    bottone_s_o = button(b, 15, 245, 140, QStringLiteral("Open as profile.."), arial); // 11
    bottone_s_e = button(b, 165, 245, 140, QStringLiteral("Edit profile.."), arial);   // 12
    bottone_s_e->setEnabled(false);
    bottone_p_o = button(b, 335, 245, 140, QStringLiteral("Open as path.."), arial); // 13
    bottone_p_e = button(b, 485, 245, 140, QStringLiteral("Edit path.."), arial);    // 14
    bottone_p_e->setEnabled(false);
    StaticText1 = label(b, 205, 8, 60, QStringLiteral("Profile"), Allinea::Destra, 0xFF0000, true, true); // 15
    StaticText2 = label(b, 375, 8, 60, QStringLiteral("Path"), Allinea::Sinistra, 0xFF0000, true, true);  // 16
    PushButton1 = button(b, 450, 451, 175, QStringLiteral("Done"), system);                               // 17
    PushButton1->setDefault(true);
    ImageWell1 = imageWell(b, 10, 36, 300, 200); // 18
    ImageWell3 = imageWell(b, 10, 275, 40, 40);  // 19
    ImageWell3->setImage(resourcePicture(QStringLiteral("setup2")));
    ImageWell4 = imageWell(b, 330, 275, 40, 40); // 20
    ImageWell4->setImage(resourcePicture(QStringLiteral("setup2")));
    PushButton2 = button(b, 540, 423, 85, QStringLiteral("Save.."), system, true); // 21
    PushButton3 = button(b, 450, 423, 85, QStringLiteral("Copy"), system, true);   // 22
    setHelpTag(PushButton3, tag("Copy gdl text to clipboard", "Copia il testo gdl in memoria"));
    Line1 = new platform::LineShape(b); // 23
    Line1->BorderWidth = 1;
    Line1->LineColor = hex(0xB3B3B3);
    Line1->setEnds(320, 5, 320, 370);
    ProgressBar1 = new platform::ProgressBar(b); // 24
    ProgressBar1->setMaximum(100);
    ProgressBar1->setValue(0);
    platform::placeControl(ProgressBar1, 230, 456, 200, 12);
    StaticT1 = label(b, 55, 273, 200, QStringLiteral("Arc Resolution"), Allinea::Sinistra, 0x000000); // 25
    slcrea3d.add(0, slider(b, 55, 296, 250, 3, 128, 8));                                              // 26
    setHelpTag(slcrea3d(0), tag("Choose arc resolution for profile", "Scelta della risoluzione archi del profilo"));
    StaticT2 = label(b, 375, 273, 200, QStringLiteral("Arc Resolution"), Allinea::Sinistra, 0x000000); // 27
    slcrea3d.add(1, slider(b, 375, 296, 250, 3, 128, 8));                                              // 28
    setHelpTag(slcrea3d(1), tag("Choose arc resolution for path", "Scelta della risoluzione archi del percorso"));
    StaticSAG_XY = label(b, 15, 8, 180, QStringLiteral("?"), Allinea::Sinistra, 0x008040, false, true); // 29
    StaticPER_XY = label(b, 445, 8, 180, QStringLiteral("?"), Allinea::Destra, 0x008040, false, true);  // 30
    StaticTesto.add(0, label(b, 280, 273, 24, QStringLiteral("000"), Allinea::Destra, 0x0000FF, true)); // 31
    StaticTesto.add(1, label(b, 600, 273, 24, QStringLiteral("000"), Allinea::Destra, 0x0000FF, true)); // 32
    efdati3d.add(0, field(b, 14, 322, 60, QStringLiteral("1"), 0xF1FFFA));                              // 33
    efdati3d.add(1, field(b, 104, 322, 60, QStringLiteral("100"), 0xF1FFFA));                           // 34
    CheckB.add(0, checkBox(b, 125, 418, 80, QStringLiteral("Solid"), true));                            // 35
    setHelpTag(CheckB(0), tag("Solid if selected, empty if not", "Solido se selezionato, vuoto altrimenti"));
    CheckB.add(1, checkBox(b, 125, 438, 80, QStringLiteral("Structured"), false)); // 36
    setHelpTag(CheckB(1),
               tag("Structured if selected, smooth if not", "Strutturato se selezionato, smussato altrimenti"));
    efdati3d.add(2, field(b, 334, 322, 60, QStringLiteral("1"), 0xF1FFFA));                           // 37
    efdati3d.add(3, field(b, 424, 322, 60, QStringLiteral("100"), 0xF1FFFA));                         // 38
    StaticText5 = label(b, 204, 322, 100, QStringLiteral("Scale factor"), Allinea::Destra, 0x000000); // 39
    StaticText6 = label(b, 524, 322, 100, QStringLiteral("Scale factor"), Allinea::Destra, 0x000000); // 40
    StaticText7 = label(b, 79, 322, 20, QStringLiteral("x1"), Allinea::Sinistra, 0x0000FF);           // 41
    StaticText8 = label(b, 169, 322, 20, QStringLiteral("%"), Allinea::Sinistra, 0x0000FF);           // 42
    StaticText9 = label(b, 399, 322, 20, QStringLiteral("x1"), Allinea::Sinistra, 0x0000FF);          // 43
    StaticText10 = label(b, 489, 322, 20, QStringLiteral("%"), Allinea::Sinistra, 0x0000FF);          // 44
    CheckB.add(2, checkBox(b, 125, 458, 80, QStringLiteral("Closed"), false));                        // 45
    CheckB.add(3, checkBox(b, 213, 349, 95, QStringLiteral("Virtual edges"), false));                 // 46
    setHelpTag(CheckB(3), tag("if selected, virtual edges of rounded profile parts will be visible",
                              "se selezionato, gli spigoli virtuali delle parti curve del profilo "
                              "saranno visibili"));
    slcrea3d.add(2, slider(b, 55, 391, 360, 1, 360, 180));                                                 // 47
    Canvas3 = canvas(b, 15, 381, 30, 30);                                                                  // 48
    StaticText3 = label(b, 490, 387, 135, QStringLiteral("Revolution angle"), Allinea::Destra, 0x000000);  // 49
    efdatialfa3d.add(14, field(b, 334, 350, 60, QStringLiteral("0"), 0xF1F1FF));                           // 50
    efdatialfa3d.add(15, field(b, 424, 350, 60, QStringLiteral("0"), 0xF1F1FF));                           // 51
    PopupArrow1 = arrow(b, 218, 0);                                                                        // 52
    PopupArrow2 = arrow(b, 434, 1);                                                                        // 53
    efdatialfa3d.add(10, field(b, 424, 387, 60, QStringLiteral("180"), 0xF1F1FF));                         // 54
    efdatialfa3d.add(11, field(b, 230, 423, 40, QStringLiteral("0"), 0xF1F1FF));                           // 55
    efdatialfa3d.add(12, field(b, 301, 423, 40, QStringLiteral("0"), 0xF1F1FF));                           // 56
    efdatialfa3d.add(13, field(b, 372, 422, 40, QStringLiteral("0"), 0xF1F1FF));                           // 57
    StaticText4 = label(b, 399, 350, 20, QString::fromUtf8("µ1"), Allinea::Sinistra, 0x0000FF);            // 58
    StaticText11 = label(b, 489, 350, 20, QString::fromUtf8("µ2"), Allinea::Sinistra, 0x0000FF);           // 59
    StaticText12 = label(b, 274, 423, 20, QString::fromUtf8("µX"), Allinea::Sinistra, 0x0000FF);           // 60
    StaticText13 = label(b, 345, 423, 20, QString::fromUtf8("µY"), Allinea::Sinistra, 0x0000FF);           // 61
    StaticText14 = label(b, 416, 423, 20, QString::fromUtf8("µZ"), Allinea::Sinistra, 0x0000FF);           // 62
    efdelta3d.add(16, field(b, 14, 350, 60, QStringLiteral("0"), 0xF1FFFA));                               // 63
    efdelta3d.add(17, field(b, 104, 350, 60, QStringLiteral("0"), 0xF1FFFA));                              // 64
    StaticText15 = label(b, 79, 350, 20, QString::fromUtf8("∆x"), Allinea::Sinistra, 0x0000FF);            // 65
    StaticText16 = label(b, 169, 350, 20, QString::fromUtf8("∆y"), Allinea::Sinistra, 0x0000FF);           // 66
    StaticText17 = label(b, 514, 350, 110, QStringLiteral("Start/End angles"), Allinea::Destra, 0x000000); // 67
}

// Only what the user does reaches a handler: clicks, a slider the user let
// go, a field that lost the focus. Values set by the program fire nothing.
void fin_3d::collegaEventi()
{
    for (const auto& [i, b] : bot_exp)
        QObject::connect(b, &QToolButton::clicked, this, [this, i = i] { bot_exp_Action(i); });
    QObject::connect(bottone_s_o, &QPushButton::clicked, this, [this] { bottone_s_o_Action(); });
    QObject::connect(bottone_s_e, &QPushButton::clicked, this, [this] { bottone_s_e_Action(); });
    QObject::connect(bottone_p_o, &QPushButton::clicked, this, [this] { bottone_p_o_Action(); });
    QObject::connect(bottone_p_e, &QPushButton::clicked, this, [this] { bottone_p_e_Action(); });
    QObject::connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Action(); });
    QObject::connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Action(); });
    QObject::connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Action(); });
    for (const auto& [i, s] : slcrea3d)
        QObject::connect(s, &platform::Slider::userValueChanged, this, [this, i = i] { slcrea3d_ValueChanged(i); });
    for (const auto& [i, f] : efdati3d)
        QObject::connect(f, &platform::EditField::lostFocus, this, [this, i = i] { efdati3d_LostFocus(i); });
    for (const auto& [i, c] : CheckB)
        QObject::connect(c, &QCheckBox::clicked, this, [this, i = i] { CheckB_Action(i); });
    for (const auto& [i, f] : efdatialfa3d)
        QObject::connect(f, &platform::EditField::lostFocus, this, [this, i = i] { efdatialfa3d_LostFocus(i); });
    for (const auto& [i, f] : efdelta3d)
        QObject::connect(f, &platform::EditField::lostFocus, this, [this, i = i] { efdelta3d_LostFocus(i); });
}
