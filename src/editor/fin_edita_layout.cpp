#include "editor/fin_edita.h"
#include "editor/fin_principale.h"

namespace {

const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kMagenta(0xFF, 0x00, 0xFF);

// Labels: bold Arial 10 with their alignment.
platform::StaticText* label(QWidget* parent, const char* name, int left, int top, int width, int height,
                            const QString& text, const QColor& color, platform::Allinea align)
{
    auto* t = new platform::StaticText(parent);
    t->setObjectName(QString::fromLatin1(name));
    platform::placeControl(t, left, top, width, height);
    t->setBold(true);
    t->setTextFont(QStringLiteral("arial"), 10);
    t->setTextColor(color);
    t->setTextAlign(align);
    t->setText(text);
    return t;
}

// The delta fields: bold Arial 12, red on white, left aligned, "0".
EditFieldIntero* deltaField(QWidget* parent, const char* name, int left)
{
    auto* f = new EditFieldIntero(parent);
    f->setObjectName(QString::fromLatin1(name));
    platform::placeControl(f, left, 6, 52, 22);
    f->setTextFont(QStringLiteral("arial"), 12, true);
    f->setTextColor(kRed);
    f->setBackColor(Qt::white);
    f->setTextAlign(platform::Allinea::Sinistra);
    f->setFrame(true);
    f->setTextFromProgram(QStringLiteral("0"));
    return f;
}

platform::PushButton* button(QWidget* parent, int index, int left, int width, const QString& caption,
                             const QString& tag)
{
    auto* b = new platform::PushButton(parent);
    b->setObjectName(QStringLiteral("bot_scorri(%1)").arg(index));
    platform::placeControl(b, left, 6, width, 22);
    b->setTextFont(QStringLiteral("arial"), 14, true);
    b->setText(caption);
    platform::setHelpTag(b, tag);
    return b;
}

platform::OvalShape* dot(QWidget* parent, const char* name, int left)
{
    auto* o = new platform::OvalShape(parent);
    o->setObjectName(QString::fromLatin1(name));
    platform::placeControl(o, left, 16, 3, 3);
    o->BorderWidth = 1;
    o->setColors(kBlue, kBlue);
    return o;
}

} // namespace

fin_edita::fin_edita() : SingleWindow(platform::FrameKind::Floating)
{
    setTitle(QStringLiteral("XY"));
    setBackColor(QColor(0xFF, 0xFF, 0x00));
    Layout();
    // A strip of 670 x 34 that the user cannot resize.
    resizeToBody(670, 34);
    setFixedSize(size());
    // Above the drawing window, but not above other programs.
    setOwner(&fin_principale::instance());
}

void fin_edita::Layout()
{
    QWidget* w = body();
    const QString delta = QString(QChar(0x2206));

    efxdelta = deltaField(w, "efxdelta", 208);
    testox = label(w, "testox", 115, 3, 60, 14, QStringLiteral("X:"), kBlue, platform::Allinea::Sinistra);
    testoy = label(w, "testoy", 115, 18, 60, 14, QStringLiteral("Y:"), kBlue, platform::Allinea::Sinistra);
    StaticText2 = label(w, "StaticText2", 186, 3, 20, 14, delta + QStringLiteral("X:"), kBlue,
                        platform::Allinea::Destra);
    efydelta = deltaField(w, "efydelta", 286);
    StaticText3 = label(w, "StaticText3", 264, 3, 20, 14, delta + QStringLiteral("Y:"), kBlue,
                        platform::Allinea::Destra);

    bot_scorri.add(
        0, button(w, 0, 432, 36, QStringLiteral("<<"), QStringLiteral("go to first element\rvai al primo elemento")));
    bot_scorri.add(1, button(w, 1, 475, 34, QStringLiteral("<"),
                             QStringLiteral("go to previous element\rvai all'elemento precedente")));
    bot_scorri.add(2, button(w, 2, 524, 34, QStringLiteral(">"),
                             QStringLiteral("go to next element\rvai all'elemento successivo")));
    bot_scorri.add(
        3, button(w, 3, 565, 36, QStringLiteral(">>"), QStringLiteral("go to last element\rvai all'ultimo elemento")));
    for (int i = 0; i < 4; ++i)
        bot_scorri(i)->setEnabled(false);

    StaticText4 = label(w, "StaticText4", 184, 18, 20, 14, QStringLiteral("mm"), kBlue, platform::Allinea::Destra);
    Oval1 = dot(w, "Oval1", 515);
    efzdelta = deltaField(w, "efzdelta", 364);
    StaticText5 = label(w, "StaticText5", 342, 3, 20, 14, delta + QStringLiteral("Z:"), kBlue,
                        platform::Allinea::Destra);
    StaticText6 = label(w, "StaticText6", 262, 18, 20, 14, QStringLiteral("mm"), kBlue, platform::Allinea::Destra);
    StaticText7 = label(w, "StaticText7", 340, 18, 20, 14, QStringLiteral("mm"), kBlue, platform::Allinea::Destra);

    bot_scorri.add(4, button(w, 4, 618, 46, QStringLiteral("ok"),
                             QStringLiteral("insert/modify element\rinserisci/modifica elemento")));
    bot_scorri(4)->setDefault(true);

    Oval2 = dot(w, "Oval2", 607);
    txtforma = label(w, "txtforma", 6, 3, 96, 14, QStringLiteral("Form"), kMagenta, platform::Allinea::Sinistra);
    txttipo = label(w, "txttipo", 6, 18, 96, 14, QStringLiteral("Type"), kMagenta, platform::Allinea::Sinistra);

    // Tab goes through the three delta fields, left to right, before the
    // buttons: the z field comes right after the y field, although it is
    // made after the navigation buttons.
    setTabOrder(efydelta, efzdelta);
}
