#include "editor/fin_resol.h"

#include "app/globali.h"
#include "editor/dialoghi.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/conversions.h"
#include "platform/resources.h"

fin_resol::fin_resol() : SingleWindow(platform::FrameKind::MovableModal)
{
    dialoghi::preparaFinestra(*this, QStringLiteral("Arc resolution"), 320, 80);
    QWidget* w = body();

    PushButton1 = dialoghi::pulsante(w, "PushButton1", 200, 45, QStringLiteral("OK"));
    PushButton1->setDefault(true);
    PushButton2 = dialoghi::pulsante(w, "PushButton2", 20, 45, QStringLiteral("Cancel"));

    StaticText1 = dialoghi::testo(w, "StaticText1", 276, 6, 22, 20, QStringLiteral("000"), platform::Allinea::Centro);

    ImageWell1 = new platform::ImageWell(w);
    ImageWell1->setObjectName(QStringLiteral("ImageWell1"));
    platform::placeControl(ImageWell1, 140, 36, 40, 40);
    ImageWell1->setImage(platform::resourcePicture(QStringLiteral("setup2")));

    slideresol = new platform::Slider(w);
    slideresol->setObjectName(QStringLiteral("slideresol"));
    platform::placeControl(slideresol, 20, 10, 250, 16);
    slideresol->setRange(3, 128);
    slideresol->setSingleStep(1);
    slideresol->setPageStep(20);
    slideresol->setValueQuietly(8);

    connect(slideresol, &platform::Slider::userValueChanged, this, [this](int) { slideresol_ValueChanged(); });
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Action(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Action(); });
}

void fin_resol::Event_Open()
{
    if (Globali::lingua == 1) {
        setTitle(QStringLiteral("Arc resolution for 90 degrees"));
        PushButton2->setText(QStringLiteral("Cancel"));
    } else {
        setTitle(QStringLiteral("Risoluzione archi per 90 gradi"));
        PushButton2->setText(QStringLiteral("Annulla"));
    }
    // A resolution outside the slider's range (a document may bring one)
    // shows at the nearer end of the slider; the read-out gives the value.
    slideresol->setValueQuietly(Forme::risoluzione);
    StaticText1->setText(platform::Str(Forme::risoluzione));
}

namespace {

// The document holds the arc resolution: a new one marks it modified.
void poniRisoluzione(int valore)
{
    if (valore == Forme::risoluzione)
        return;
    Forme::risoluzione = valore;
    Globali::setModificato(true);
}

} // namespace

void fin_resol::slideresol_ValueChanged()
{
    // Taken at once; the drawing follows from its next redraw on.
    poniRisoluzione(slideresol->value());
    StaticText1->setText(platform::Str(Forme::risoluzione));
}

void fin_resol::PushButton1_Action()
{
    poniRisoluzione(slideresol->value());
    Geometria::disegna_griglia();
    Close();
}

void fin_resol::PushButton2_Action() { Close(); }

bool fin_resol::Event_KeyDown(const QString& key)
{
    dialoghi::tastoAnnulla(key, PushButton2);
    return false;
}
