// The previews of the stored profile and path. They use the editor's element
// drawing with a drawing of their own: a measuring pass in the editor's view
// grows the bounding box, the view is fitted to a 290 x 190 picture, and a
// second pass draws the rows into a new picture of the preview's own, which
// the image well then shows. The editor's view, arc resolution, current
// element, backdrop and main window are left as they are.
#include "create3d/fin_3d.h"

#include "editor/fin_forme.h"
#include "editor/vista_adattata.h"
#include "gdl/esportazione.h"
#include "model/disegno.h"
#include "model/geometria.h"
#include "platform/conversions.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int kLarghezza = 290;
constexpr int kAltezza = 190;
constexpr double kMargine = 20.0; // mm added to the box's sides when fitting
constexpr int kCroce = 3;         // half size of the mark crosses, pen of the thick marks

bool zoomValido(double z) { return std::isfinite(z) && z > 0.0; }

void disegnaRighe(Geometria::Disegno& disegno, const ElementTable& rows, int count, bool conAltezze)
{
    for (int r = 0; r < count && rows.hasRow(r); ++r) {
        // A profile is drawn flat.
        ElementRow row = rows.row(r);
        if (!conAltezze)
            row[kZ0] = row[kDZ] = 0.0;
        disegno.elemento(row, platform::CInt(row[kKind]));
    }
}

void croce(platform::Graphics& g, double x, double y)
{
    g.DrawLine(x - kCroce, y - kCroce, x + kCroce, y + kCroce);
    g.DrawLine(x - kCroce, y + kCroce, x + kCroce, y - kCroce);
}

} // namespace

void fin_3d::disegnasagoma()
{
    anteprima(esportazione::sagoma, esportazione::sago_q, false, true, StaticSAG_XY, ImageWell1, m_vistaSagoma);
}

void fin_3d::disegnapercorso()
{
    anteprima(esportazione::percorso, esportazione::perc_q, true, false, StaticPER_XY, ImageWell2, m_vistaPercorso);
}

void fin_3d::anteprima(const ElementTable& rows, int count, bool conAltezze, bool conAsse,
                       platform::StaticText* lettura, platform::ImageWell* pozzo, Geometria::Vista& vista)
{
    // Outside a visit the window is not shown: a field that loses the focus
    // after the hand-back stores its value and draws nothing. The next
    // activation draws both previews anew.
    if (!m_visita)
        return;

    lettura->setText(QStringLiteral("?"));

    // The axis point, (-dx / scale, -dy / scale). A scale of 0 (or values
    // that overflow) has no such point: the axis segment and its marks are
    // then left out, so nothing infinite reaches the view.
    const esportazione::Dati3d& dati = esportazione::daticreatred;
    const double assex = dati[16] / dati[2];
    const double assey = dati[17] / dati[2];
    const bool asse = conAsse && std::isfinite(assex) && std::isfinite(assey);

    if (count > 0) {
        // The measuring pass turns whole pixels back into millimetres, so it
        // runs in the editor's view, whatever view the other preview has:
        // measured at another chain's preview scale a chain could come out
        // far too small or even empty. The zoom must be a usable one.
        Geometria::Disegno misura;
        misura.vista = Geometria::vista_editor();
        if (!zoomValido(misura.vista.zmfct))
            misura.vista.zmfct = 1.0;
        misura.risoluzione = kRisoluzioneAnteprime;
        misura.misura = true;
        disegnaRighe(misura, rows, count, conAltezze);
        if (asse)
            misura.elemento(ElementRow{0.0, 0.0, 0.0, -assex, -assey, 0.0, 0.0}, 0);

        const vista::Riquadro& b = misura.box;
        double zoom = vista::zoomAdatto(b, kLarghezza, kAltezza, kMargine);
        if (!zoomValido(zoom)) // a box too wide for a Double
            zoom = fin_forme::kZoomMin;
        const vista::Origine o = vista::origineCentrata(b, kLarghezza, kAltezza, zoom);
        vista = Geometria::Vista{o.x, o.y, zoom};

        lettura->setText(QStringLiteral("Dim.: ") + platform::StrTwoDecimals(b.xmax - b.xmin) + QStringLiteral(" x ")
                         + platform::StrTwoDecimals(b.ymax - b.ymin) + QStringLiteral(" mm."));
    }

    // The preview keeps its own picture: it draws its rows and marks into it
    // and hands it to its image well.
    const platform::PicturePtr picture = std::make_shared<platform::Picture>(kLarghezza, kAltezza);
    platform::Graphics& g = picture->graphics();
    g.PenHeight = 1;
    g.PenWidth = 1;

    if (count > 0) {
        Geometria::Disegno disegno;
        disegno.vista = vista;
        disegno.risoluzione = kRisoluzioneAnteprime;
        disegno.nellaFigura = true;
        disegno.figura = picture.get();
        disegnaRighe(disegno, rows, count, conAltezze);
        g.ForeColor = platform::hsv(0.5, 0.5, 0.5);
        const int ox = vista.origx;
        const int oy = vista.origy;
        if (conAsse) {
            croce(g, ox, oy);
            if (asse) {
                const int ax = platform::CInt(assex * vista.zmfct);
                const int ay = platform::CInt(assey * vista.zmfct);
                // In Doubles: whole pixels, and no Integer overflow far out.
                const double px = static_cast<double>(ox) - ax;
                const double py = static_cast<double>(oy) + ay;
                g.DrawLine(ox, oy, px, py);
                g.PenHeight = kCroce;
                g.PenWidth = kCroce;
                croce(g, px, py);
            }
        } else {
            g.PenHeight = kCroce;
            g.PenWidth = kCroce;
            croce(g, ox, oy);
        }
    }

    pozzo->setImage(picture->image());
}
