// Leaving a delta field, by any road, never changes the size of its number.
// The pointer writes its delta with a fraction when the view's zoom is not
// whole; that text is kept as it stands and the element "ok" adds takes the
// pointer's delta to the last bit. An edit of that text keeps its whole part
// when the field is left; a whole number typed stays what it is.
#include "app_fixture.h"

#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_grid.h"
#include "editor/fin_principale.h"
#include "platform/conversions.h"

#include <QApplication>
#include <QTest>

#include <cstring>
#include <string>

namespace {

fin_principale& principale() { return fin_principale::instance(); }
fin_edita& editor() { return fin_edita::instance(); }
EditFieldIntero* deltaX() { return editor().efxdelta; }

enum class Testo { DalPuntatore, FrazioneModificata, InteroScritto };
enum class Via { Tab, ClicAltrove, Invio, CtrlN, CtrlO, CtrlS, CtrlE, CtrlQ };

struct Caso {
    Testo testo;
    Via via;
};

std::string nome(const ::testing::TestParamInfo<Caso>& info)
{
    static const char* const testi[] = {"PointerFraction", "EditedFraction", "TypedInteger"};
    static const char* const vie[] = {"Tab", "ClickElsewhere", "Return", "CtrlN", "CtrlO", "CtrlS", "CtrlE", "CtrlQ"};
    return std::string(testi[static_cast<int>(info.param.testo)]) + "_" + vie[static_cast<int>(info.param.via)];
}

class DeltaSize : public AppTest, public ::testing::WithParamInterface<Caso> {
protected:
    // A saved document of one element opened, so that the view is fitted
    // to it at a zoom that is not whole; then an element typed as 33 x 17
    // and the pointer moved on over the drawing. ΔX then shows the
    // pointer's delta with a fraction.
    void prepara()
    {
        avvia();
        poni(Forme::polilinea, Forme::poli_q, {{0, 0, 0, 30, 50, 0, 0}});
        Forme::poli_d = 1;
        m_file = percorso(QStringLiteral("uno.mdn"));
        ASSERT_TRUE(App::filesalva(m_file));
        {
            testsupport::DialogScript dialogs;
            dialogs.openAnswers = {m_file};
            QTest::keyClick(principale().body(), Qt::Key_O, Qt::ControlModifier);
            ASSERT_EQ(dialogs.opens, 1);
        }
        ASSERT_EQ(Forme::poli_q, 1);
        ASSERT_NE(Geometria::zmfct, std::round(Geometria::zmfct));

        scrivi(deltaX(), "33");
        scrivi(editor().efydelta, "17");
        QTest::mouseClick(editor().bot_scorri(4), Qt::LeftButton);
        ASSERT_EQ(Forme::poli_q, 2);
        QTest::mouseMove(principale().body(), QPoint(120, 140));
        ASSERT_TRUE(deltaX()->text().contains(u'.')) << deltaX()->text().toStdString();
        m_puntatore = Forme::dx;
        m_scritto = deltaX()->text();
        ASSERT_EQ(m_scritto, platform::Str15Digits(m_puntatore));

        // The user clicks into ΔX, then maybe edits it.
        editor().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
        testsupport::processEvents(); // the focus change that comes with the activation
        QTest::mouseClick(deltaX(), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), deltaX());
    }

    // A text typed over the whole field.
    static void scrivi(EditFieldIntero* field, const char* text)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    QString m_file;
    double m_puntatore = 0;
    QString m_scritto;
};

TEST_P(DeltaSize, LeavingKeepsTheNumber)
{
    const Caso& c = GetParam();
    prepara();
    // What the field, the delta and the next element hold after the road.
    QString atteso;
    double delta = 0;
    switch (c.testo) {
    case Testo::DalPuntatore:
        atteso = m_scritto;
        delta = m_puntatore;
        break;
    case Testo::FrazioneModificata: {
        QTest::keyClick(deltaX(), Qt::Key_End);
        QTest::keyClicks(deltaX(), QStringLiteral("7"));
        const QString modificato = m_scritto + u'7';
        ASSERT_EQ(deltaX()->text(), modificato);
        // Return stays in the field; every other road leaves or takes it.
        atteso = c.via == Via::Invio ? modificato : m_scritto.left(m_scritto.indexOf(u'.'));
        delta = platform::Val(atteso);
        break;
    }
    case Testo::InteroScritto:
        scrivi(deltaX(), "-25");
        atteso = QStringLiteral("-25");
        delta = -25;
        break;
    }
    const double dy = Forme::dy;

    testsupport::DialogScript dialogs; // Cancel to every question
    auto comando = [](Qt::Key key) { QTest::keyClick(deltaX(), key, Qt::ControlModifier); };
    switch (c.via) {
    case Via::Tab: QTest::keyClick(deltaX(), Qt::Key_Tab); break;
    case Via::ClicAltrove: QTest::mouseClick(editor().efzdelta, Qt::LeftButton); break;
    case Via::Invio: QTest::keyClick(deltaX(), Qt::Key_Return); break;
    case Via::CtrlN: comando(Qt::Key_N); break;
    case Via::CtrlO: comando(Qt::Key_O); break;
    case Via::CtrlS: comando(Qt::Key_S); break;
    case Via::CtrlE: comando(Qt::Key_E); break;
    case Via::CtrlQ: comando(Qt::Key_Q); break;
    }
    testsupport::processEvents();
    EXPECT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(deltaX()->text(), atteso);
    EXPECT_EQ(Forme::dx, delta);
    EXPECT_EQ(Forme::dy, dy);
    if (c.via == Via::CtrlE) {
        // "Done" shows the current element again in the numeric editor.
        ASSERT_TRUE(fin_3d::instance().isVisible());
        QTest::mouseClick(fin_3d::instance().PushButton1, Qt::LeftButton);
        return;
    }

    // Return has pressed "ok" already.
    if (c.via != Via::Invio)
        QTest::mouseClick(editor().bot_scorri(4), Qt::LeftButton);
    ASSERT_EQ(Forme::poli_q, 3);
    EXPECT_EQ(Forme::polilinea(2, kDX), delta);
    EXPECT_EQ(Forme::polilinea(2, kDY), dy);
    EXPECT_EQ(platform::beepCount(), 0);
}

std::vector<Caso> casi()
{
    std::vector<Caso> out;
    for (Testo t : {Testo::DalPuntatore, Testo::FrazioneModificata, Testo::InteroScritto})
        for (Via v :
             {Via::Tab, Via::ClicAltrove, Via::Invio, Via::CtrlN, Via::CtrlO, Via::CtrlS, Via::CtrlE, Via::CtrlQ})
            out.push_back({t, v});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Roads, DeltaSize, ::testing::ValuesIn(casi()), nome);

} // namespace
