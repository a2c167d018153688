// The previews of the stored profile and path. They reuse the editor's
// element drawing: a measuring pass grows the bounding box, the view is fitted
// to a 290 x 190 picture, and a second pass draws the rows into a new backdrop
// picture, which the image well then shows. The editor's view and backdrop
// are so taken over while the window is shown; the hand-back rebuilds them.
#include "create3d/fin_3d.h"

#include "editor/fin_forme.h"
#include "editor/vista_adattata.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
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

// Loads a row into the current element; a profile is drawn flat.
void carica(const ElementRow& row, bool conAltezze)
{
    Forme::carica_posizione(row);
    if (!conAltezze)
        Forme::zprec = Forme::dz = 0.0;
}

void disegnaRighe(const ElementTable& rows, int count, bool conAltezze)
{
    for (int r = 0; r < count && rows.hasRow(r); ++r) {
        carica(rows.row(r), conAltezze);
        Geometria::disegna_cosa(platform::CInt(rows(r, kKind)));
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
    anteprima(esportazione::sagoma, esportazione::sago_q, false, true, StaticSAG_XY, ImageWell1);
}

void fin_3d::disegnapercorso()
{
    anteprima(esportazione::percorso, esportazione::perc_q, true, false, StaticPER_XY, ImageWell2);
}

void fin_3d::anteprima(const ElementTable& rows, int count, bool conAltezze, bool conAsse,
                       platform::StaticText* lettura, platform::ImageWell* pozzo)
{
    // Outside a visit the view and the backdrop belong to the editor again:
    // a field that loses the focus after the hand-back stores its value and
    // draws nothing. The next activation draws both previews anew.
    if (!m_visita)
        return;

    lettura->setText(QStringLiteral("?"));

    // The axis point, (-dx / scale, -dy / scale). A scale of 0 (or values
    // that overflow) has no such point: the axis segment and its marks are
    // then left out, so nothing infinite reaches the view.
    const double* dati = esportazione::daticreatred;
    const double assex = dati[16] / dati[2];
    const double assey = dati[17] / dati[2];
    const bool asse = conAsse && std::isfinite(assex) && std::isfinite(assey);

    if (count > 0) {
        // The measuring pass turns whole pixels back into millimetres, so it
        // runs in the editor's view, not in the one another preview left
        // (see m_vistaEditor); the zoom must be a usable one.
        Geometria::origx = m_vistaEditor.origx;
        Geometria::origy = m_vistaEditor.origy;
        Geometria::zmfct = m_vistaEditor.zmfct;
        if (!zoomValido(Geometria::zmfct))
            Geometria::zmfct = 1.0;
        Geometria::calc_zoom = true;
        Geometria::zxmin = 0.0;
        Geometria::zymin = 0.0;
        Geometria::zxmax = 0.0;
        Geometria::zymax = 0.0;
        disegnaRighe(rows, count, conAltezze);
        if (asse) {
            Forme::xprec = 0.0;
            Forme::yprec = 0.0;
            Forme::dx = -assex;
            Forme::dy = -assey;
            Forme::zprec = 0.0;
            Forme::dz = 0.0;
            Geometria::disegna_cosa(0);
        }

        const vista::Riquadro box{Geometria::zxmin, Geometria::zymin, Geometria::zxmax, Geometria::zymax};
        double zoom = vista::zoomAdatto(box, kLarghezza, kAltezza, kMargine);
        if (!zoomValido(zoom)) // a box too wide for a Double
            zoom = fin_forme::kZoomMin;
        Geometria::zmfct = zoom;
        const vista::Origine o = vista::origineCentrata(box, kLarghezza, kAltezza, zoom);
        Geometria::origx = o.x;
        Geometria::origy = o.y;
        Geometria::calc_zoom = false;

        lettura->setText(QStringLiteral("Dim.: ") + platform::StrTwoDecimals(Geometria::zxmax - Geometria::zxmin)
                         + QStringLiteral(" x ") + platform::StrTwoDecimals(Geometria::zymax - Geometria::zymin)
                         + QStringLiteral(" mm."));
    }

    // The preview keeps its own picture: it draws its marks into it and
    // hands it to its image well, whatever Geometria::griglia holds by then.
    const platform::PicturePtr picture = std::make_shared<platform::Picture>(kLarghezza, kAltezza);
    Geometria::griglia = picture;
    platform::Graphics& g = picture->graphics();
    g.PenHeight = 1;
    g.PenWidth = 1;
    Geometria::gri_aggiungipict = true;

    if (count > 0) {
        disegnaRighe(rows, count, conAltezze);
        g.ForeColor = platform::hsv(0.5, 0.5, 0.5);
        const int ox = Geometria::origx;
        const int oy = Geometria::origy;
        if (conAsse) {
            croce(g, ox, oy);
            if (asse) {
                const int ax = platform::CInt(assex * Geometria::zmfct);
                const int ay = platform::CInt(assey * Geometria::zmfct);
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

    Geometria::gri_aggiungipict = false;
    pozzo->setImage(picture->image());
}
