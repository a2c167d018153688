#include "editor/fin_grid.h"

#include "app/globali.h"
#include "editor/dialoghi.h"
#include "model/documento.h"
#include "model/geometria.h"
#include "platform/conversions.h"
#include "platform/resources.h"

#include <algorithm>
#include <cmath>

namespace {

platform::CheckBox* casella(QWidget* parent, const char* nome, int top, const QString& caption)
{
    auto* c = new platform::CheckBox(parent);
    c->setObjectName(QString::fromLatin1(nome));
    platform::placeControl(c, 20, top, 140, 20);
    c->setFont(platform::programFont(QStringLiteral("arial"), 12, true));
    c->setText(caption);
    c->setValue(true);
    return c;
}

EditFieldIntero* campo(QWidget* parent, const char* nome, int top)
{
    auto* f = new EditFieldIntero(parent);
    f->setObjectName(QString::fromLatin1(nome));
    platform::placeControl(f, 172, top, 60, 22);
    f->setTextFont(QStringLiteral("arial"), 12, true);
    f->setTextColor(QColor(0xFF, 0x00, 0x00));
    f->setBackColor(Qt::white);
    f->setTextAlign(platform::Allinea::Predefinito);
    f->setFrame(true);
    f->setTextFromProgram(QStringLiteral("5"));
    return f;
}

} // namespace

fin_grid::fin_grid() : SingleWindow(platform::FrameKind::MovableModal)
{
    dialoghi::preparaFinestra(*this, QStringLiteral("Grid settings"), 320, 120);
    QWidget* w = body();
    const QString delta = QString(QChar(0x2206));

    chk_gr_onoff = casella(w, "chk_gr_onoff", 14, QStringLiteral("Snap to grid"));
    chk_gr_vis = casella(w, "chk_gr_vis", 44, QStringLiteral("Visible grid"));
    efgrx = campo(w, "efgrx", 13);
    efgry = campo(w, "efgry", 43);
    PushButton1 = dialoghi::pulsante(w, "PushButton1", 200, 85, QStringLiteral("OK"));
    PushButton1->setDefault(true);
    PushButton2 = dialoghi::pulsante(w, "PushButton2", 20, 85, QStringLiteral("Cancel"));
    StaticText1 = dialoghi::testo(w, "StaticText1", 244, 14, 60, 20, delta + QStringLiteral("X (mm)"),
                                  platform::Allinea::Predefinito);
    StaticText2 = dialoghi::testo(w, "StaticText2", 244, 44, 60, 20, delta + QStringLiteral("Y (mm)"),
                                  platform::Allinea::Predefinito);

    ImageWell1 = new platform::ImageWell(w);
    ImageWell1->setObjectName(QStringLiteral("ImageWell1"));
    platform::placeControl(ImageWell1, 140, 76, 40, 40);
    ImageWell1->setImage(platform::resourcePicture(QStringLiteral("setup1")));

    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Action(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Action(); });
}

void fin_grid::Event_Open()
{
    if (Globali::lingua == 1) {
        setTitle(QStringLiteral("Grid settings"));
        chk_gr_onoff->setText(QStringLiteral("Snap to grid"));
        chk_gr_vis->setText(QStringLiteral("Visible grid"));
        PushButton2->setText(QStringLiteral("Cancel"));
    } else {
        setTitle(QStringLiteral("Uso della griglia"));
        chk_gr_onoff->setText(QStringLiteral("Aggancia alla griglia"));
        chk_gr_vis->setText(QStringLiteral("Griglia visibile"));
        PushButton2->setText(QStringLiteral("Annulla"));
    }
    efgrx->setTextFromProgram(platform::Str(Geometria::grx));
    efgry->setTextFromProgram(platform::Str(Geometria::gry));
    chk_gr_onoff->setValue(Geometria::gridon);
    chk_gr_vis->setValue(Geometria::gridvis);
}

int fin_grid::passo(const QString& text)
{
    const double valore = std::abs(platform::Val(text));
    return platform::CInt(std::min(valore, static_cast<double>(documento::kMaxGrid)));
}

void fin_grid::PushButton1_Action()
{
    using namespace Geometria;
    // Return presses OK while a field still has the focus: both fields are
    // filtered here as leaving them does, so a text gives the same spacing
    // whether OK is clicked or Return is pressed.
    efgrx->Event_LostFocus();
    efgry->Event_LostFocus();
    // The document holds the spacings (not the two switches).
    const int primaX = grx;
    const int primaY = gry;
    grx = passo(efgrx->text());
    gry = passo(efgry->text());
    gridon = chk_gr_onoff->value();
    gridvis = chk_gr_vis->value();
    // A spacing of 0 on either axis switches the grid off altogether.
    if (grx == 0 || gry == 0) {
        grx = gry = 0;
        gridon = gridvis = false;
    }
    if (grx != primaX || gry != primaY)
        Globali::setModificato(true);
    disegna_griglia();
    Close();
}

void fin_grid::PushButton2_Action() { Close(); }

bool fin_grid::Event_KeyDown(const QString& key)
{
    dialoghi::tastoAnnulla(key, PushButton2);
    return false;
}
