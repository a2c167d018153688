// The settings controls: the solid choice, the sliders, the option boxes and
// the number fields, each keeping its slot of esportazione::daticreatred.
#include "create3d/fin_3d.h"

#include "app/globali.h"
#include "create3d/filtro_numero.h"
#include "gdl/esportazione.h"
#include "platform/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>

using esportazione::daticreatred;
using platform::CInt;
using platform::Str15Digits;
using platform::Val;

namespace {

void filtra(platform::EditField* field) { field->setTextFromProgram(filtroNumero(field->text())); }

// The settings are part of the document: a handler that changed any slot
// marks the document modified as it ends.
class SegnaSeCambiano {
public:
    SegnaSeCambiano() { std::copy(std::begin(daticreatred), std::end(daticreatred), m_prima.begin()); }
    ~SegnaSeCambiano()
    {
        if (!std::equal(m_prima.begin(), m_prima.end(), std::begin(daticreatred)))
            Globali::setModificato(true);
    }
    SegnaSeCambiano(const SegnaSeCambiano&) = delete;
    SegnaSeCambiano& operator=(const SegnaSeCambiano&) = delete;

private:
    std::array<double, esportazione::kDatiCount> m_prima{};
};

} // namespace

void fin_3d::bot_exp_Action(int index)
{
    esportazione::profopath = index;
    rec_sel->move(esportazione::profopath * 55 + 9, rec_sel->y());
    aggiornadati();
}

void fin_3d::slcrea3d_ValueChanged(int)
{
    const SegnaSeCambiano segna;
    daticreatred[0] = slcrea3d(0)->value();
    daticreatred[1] = slcrea3d(1)->value();
    daticreatred[10] = slcrea3d(2)->value();
    StaticTesto(0)->setText(Str15Digits(daticreatred[0]));
    StaticTesto(1)->setText(Str15Digits(daticreatred[1]));
    efdatialfa3d(10)->setTextFromProgram(Str15Digits(daticreatred[10]));
    arcorivo(CInt(daticreatred[10]));
}

void fin_3d::CheckB_Action(int index)
{
    const SegnaSeCambiano segna;
    daticreatred[index + 6] = CheckB(index)->value() ? 2.0 : 1.0;
}

// A multiplier member (even index) gives its percent partner 100 times its
// value; a percent member gives its multiplier partner a hundredth of it.
void fin_3d::efdati3d_LostFocus(int index)
{
    const SegnaSeCambiano segna;
    platform::EditField* field = efdati3d(index);
    filtra(field);
    const int parita = index - 2 * CInt(index / 2.0);
    const double fattore = std::pow(10.0, 4 * (1 - parita) - 2);
    const int partner = index + (2 * (1 - parita) - 1);
    efdati3d(partner)->setTextFromProgram(Str15Digits(Val(field->text()) * fattore));
    contr_scala();
}

void fin_3d::contr_scala()
{
    for (int m = 0; m <= 2; m += 2) {
        if (efdati3d(m)->text() == QLatin1String("0") || efdati3d(m + 1)->text() == QLatin1String("0")) {
            efdati3d(m)->setTextFromProgram(QStringLiteral("1"));
            efdati3d(m + 1)->setTextFromProgram(QStringLiteral("100"));
        }
    }
    for (int j = 0; j <= 3; ++j) {
        const double value = Val(efdati3d(j)->text());
        if (value != daticreatred[j + 2]) {
            daticreatred[j + 2] = value;
            if (j <= 1)
                disegnasagoma();
        }
    }
}

void fin_3d::efdatialfa3d_LostFocus(int index)
{
    const SegnaSeCambiano segna;
    filtra(efdatialfa3d(index));
    contr_angoli();
}

void fin_3d::contr_angoli()
{
    for (int i = 10; i <= 15; ++i) {
        platform::EditField* field = efdatialfa3d(i);
        if (Val(field->text()) < 0.0)
            field->setTextFromProgram(QStringLiteral("0"));
        if (Val(field->text()) > 360.0)
            field->setTextFromProgram(QStringLiteral("360"));
    }
    if (Val(efdatialfa3d(10)->text()) == 0.0)
        efdatialfa3d(10)->setTextFromProgram(QStringLiteral("1"));
    for (int i = 10; i <= 15; ++i)
        daticreatred[i] = Val(efdatialfa3d(i)->text());
    slcrea3d(2)->setValueQuietly(CInt(std::max(1.0, daticreatred[10])));
    arcorivo(CInt(daticreatred[10]));
}

void fin_3d::efdelta3d_LostFocus(int index)
{
    const SegnaSeCambiano segna;
    platform::EditField* field = efdelta3d(index);
    filtra(field);
    const double value = Val(field->text());
    if (value != daticreatred[index]) {
        daticreatred[index] = value;
        disegnasagoma();
    }
}

// The revolution angle as a pink wedge on a white disc, drawn anew into
// Canvas3. The arc shapes are drawn by their box, so the box at (0, 0) puts
// their centre at (15, 15), the middle of the canvas.
void fin_3d::arcorivo(int angle)
{
    platform::ArcShape disco;
    disco.Width = 30;
    disco.Height = 30;
    disco.StartAngle = 0;
    disco.ArcAngle = platform::kTwoPi;
    disco.FillColor = platform::rgb(255, 255, 255);
    platform::ArcShape spicchio = disco;
    spicchio.ArcAngle = angle * platform::kPi / 180.0;
    spicchio.FillColor = platform::rgb(255, 0, 127);

    platform::Picture tela(Canvas3->width(), Canvas3->height());
    tela.graphics().DrawObject(disco, 0, 0);
    tela.graphics().DrawObject(spicchio, 0, 0);
    Canvas3->setBackdrop(tela.image());
}
