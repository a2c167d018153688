// Values far outside what a drawing needs, which a document or a field can
// still hold: element kinds that are no shape (1e308, -3, 99, 11.5) and the
// largest and smallest numbers each field takes. Every road that reads them
// stays safe (the sanitizer build ends a test at any integer overflow) and
// finite, and a kind that is no shape draws and writes nothing.
#include "app/app_fixture.h"
#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_grid.h"
#include "editor/fin_principale.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {

void premi(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

bool righeFinite(const ElementTable& table, int count)
{
    for (int r = 0; r < count; ++r)
        for (double v : table.row(r))
            if (!std::isfinite(v))
                return false;
    return true;
}

// "Copy" in the "Create 3D" window: a finite statement on the clipboard, or
// the beep and the clipboard as it was.
void copiaFinita(fin_3d& w, const char* quando)
{
    QApplication::clipboard()->setText(QStringLiteral("before"));
    const int beep = platform::beepCount();
    premi(w.PushButton3);
    const QString testo = QApplication::clipboard()->text();
    if (platform::beepCount() > beep) {
        EXPECT_EQ(testo, "before") << quando;
        return;
    }
    EXPECT_TRUE(testo.contains(QStringLiteral("DEL TOP"))) << quando;
    EXPECT_FALSE(
        testo.contains(QRegularExpression(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption)))
        << quando;
}

// The highlight frames one of the six tool buttons.
bool suUnoStrumento(const QWidget* highlight)
{
    for (int t = 0; t < 6; ++t)
        if (highlight->pos() == QPoint((t % 2) * 39 + 1, (t / 2 + 1) * 39 + 1))
            return true;
    return false;
}

class ElementKinds : public AppTest, public ::testing::WithParamInterface<double> {};

TEST_P(ElementKinds, AreSafeOnEveryRoad)
{
    const double kind = GetParam();
    // The tool that draws the kind, or none.
    const bool disegnato = kind > -1.0 && kind < 12.0;
    avvia();
    fin_forme& palette = fin_forme::instance();
    fin_edita& editor = fin_edita::instance();
    // The second element has the kind; the others are lines.
    poni(Forme::polilinea, Forme::poli_q,
         {{0, 0, 0, 30, 0, 0, 0}, {kind, 30, 0, 20, 20, 0, 5}, {0, 50, 20, 10, 0, 5, 0}});
    Forme::poli_d = Forme::poli_q;
    const std::vector<ElementRow> prima = righe(Forme::polilinea, Forme::poli_q);

    // Drawing, and the view fitted to the chain.
    premi(palette.bot_zoom(3));

    // Selection: edit mode, then "<" steps onto the element.
    premi(palette.bot_sel);
    ASSERT_TRUE(palette.bot_sel->value());
    while (Forme::poli_d > 1)
        premi(editor.bot_scorri(1));
    ASSERT_EQ(Forme::poli_d, 1);
    EXPECT_TRUE(suUnoStrumento(palette.rec_sel)) << palette.rec_sel->pos().x() << ", " << palette.rec_sel->pos().y();
    if (!disegnato) {
        EXPECT_EQ(palette.rec_sel->pos(), QPoint(1, 40)); // the palette's own tool, the line
    }
    premi(editor.bot_scorri(2));
    premi(editor.bot_scorri(1));
    EXPECT_TRUE(suUnoStrumento(palette.rec_sel));
    EXPECT_EQ(righe(Forme::polilinea, Forme::poli_q), prima);

    // Save and open: the kind comes back exactly.
    testsupport::DialogScript dialogs;
    const QString file = percorso(QStringLiteral("tipi.mdn"));
    dialogs.saveAnswers = {file};
    Tendine::instance().item(QStringLiteral("FileSaveas"))->trigger();
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    Tendine::instance().item(QStringLiteral("FileNew"))->trigger();
    EXPECT_EQ(Forme::poli_q, 0);
    dialogs.openAnswers = {file};
    Tendine::instance().item(QStringLiteral("FileOpen"))->trigger();
    ASSERT_EQ(Globali::fileattuale, file);
    EXPECT_EQ(righe(Forme::polilinea, Forme::poli_q), prima);

    // Capture as profile and path, and both statements.
    premi(palette.bot_percorso);
    fin_3d& w = fin_3d::instance();
    premi(w.PushButton1);
    premi(palette.bot_sagoma);
    ASSERT_TRUE(w.isVisible());
    ASSERT_EQ(esportazione::sago_q, 3);
    EXPECT_EQ(esportazione::sagoma(1, kKind), kind);
    EXPECT_EQ(righe(esportazione::percorso, esportazione::perc_q), prima);
    premi(w.bot_exp(0));
    copiaFinita(w, "extrusion");
    premi(w.bot_exp(1));
    copiaFinita(w, "revolution");
    // The revolution writer mirrors the profile and back, as the editor's
    // mirror twice does.
    EXPECT_EQ(esportazione::sagoma(1, kKind), mirrorKind(mirrorKind(kind)));
    premi(w.PushButton1);
    ASSERT_FALSE(w.isVisible());

    // Turn keeps the kind; mirror maps it (anything that is no kind becomes a line).
    premi(palette.bot_move(2));
    EXPECT_EQ(Forme::polilinea(1, kKind), kind);
    premi(palette.bot_move(0));
    EXPECT_EQ(Forme::polilinea(1, kKind), mirrorKind(kind));
    EXPECT_TRUE(righeFinite(Forme::polilinea, Forme::poli_q));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ElementKinds,
                         ::testing::Values(1e10, 1e308, -1e308, -3.0, 99.0, 11.5, 12.0, -0.5, 2147483648.0,
                                           -2147483649.0));

// The largest and smallest values a field holds, in every field the user
// types numbers into.
QString cifre(char c, int n) { return QString(n, QLatin1Char(c)); }

struct ValoreEstremo {
    const char* nome;
    QString testo;
};

std::vector<ValoreEstremo> valoriDelta()
{
    return {{"-2147483647", QStringLiteral("-2147483647")},      {"-2147483648", QStringLiteral("-2147483648")},
            {"2147483647", QStringLiteral("2147483647")},        {"-99999999999", QStringLiteral("-99999999999")},
            {"99999999999", QStringLiteral("99999999999")},      {"1e308", QStringLiteral("1") + cifre('0', 308)},
            {"-1e308", QStringLiteral("-1") + cifre('0', 308)},  {"309 nines", cifre('9', 309)},
            {"400 nines", QStringLiteral("-") + cifre('9', 400)}};
}

// Types into a field as the user does, replacing its text.
void digita(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

using ExtremeValues = AppTest;

TEST_F(ExtremeValues, InTheDeltaFieldsStaySafe)
{
    avvia();
    fin_edita& editor = fin_edita::instance();
    fin_forme& palette = fin_forme::instance();
    fin_principale& principale = fin_principale::instance();
    for (const ValoreEstremo& v : valoriDelta()) {
        for (EditFieldIntero* field : {editor.efxdelta, editor.efydelta, editor.efzdelta}) {
            SCOPED_TRACE(std::string(v.nome) + " in " + field->objectName().toStdString());
            editor.showAndActivate();
            digita(field, v.testo);
            EXPECT_EQ(field->text(), v.testo);
            EXPECT_TRUE(std::isfinite(Forme::xgr) && std::isfinite(Forme::ygr));
            // "ok", the fit and a redraw of the chain.
            premi(editor.bot_scorri(4));
            premi(palette.bot_zoom(3));
            premi(palette.bot_zoom(1));
            premi(palette.bot_zoom(0));
            EXPECT_TRUE(righeFinite(Forme::polilinea, Forme::poli_q));
            // The value left in the field for the next case.
            digita(field, QStringLiteral("0"));
        }
    }
    // The grid dialog's spacings, snapping the pointer at every zoom.
    QWidget* area = principale.body();
    for (const ValoreEstremo& v : valoriDelta()) {
        SCOPED_TRACE(std::string(v.nome) + " as grid spacings");
        premi(palette.bot_setup(0));
        fin_grid& grid = fin_grid::instance();
        digita(grid.efgrx, v.testo);
        digita(grid.efgry, v.testo);
        premi(grid.PushButton1);
        for (int z : {1, 1, 1, 3, 0, 0})
            premi(palette.bot_zoom(z));
        QTest::mouseMove(area, QPoint(3, 4));
        QTest::mouseMove(area, QPoint(area->width() - 3, area->height() - 4));
        EXPECT_TRUE(std::isfinite(Forme::xgr) && std::isfinite(Forme::ygr));
    }
    // The chain drawn that way goes through "Create 3D".
    premi(palette.bot_percorso);
    fin_3d& w = fin_3d::instance();
    premi(w.PushButton1);
    premi(palette.bot_sagoma);
    ASSERT_TRUE(w.isVisible());
    premi(w.bot_exp(0));
    copiaFinita(w, "extrusion");
    premi(w.bot_exp(1));
    copiaFinita(w, "revolution");
}

TEST_F(ExtremeValues, InTheCreate3dFieldsStaySafe)
{
    avvia();
    fin_forme& palette = fin_forme::instance();
    poni(Forme::polilinea, Forme::poli_q, {{0, 0, 0, 30, 0, 0, 0}, {2, 30, 0, 20, 20, 0, 5}, {1, 50, 20, 0, 40, 5, 0}});
    Forme::poli_d = Forme::poli_q;
    premi(palette.bot_percorso);
    fin_3d& w = fin_3d::instance();
    premi(w.PushButton1);
    premi(palette.bot_sagoma);
    ASSERT_TRUE(w.isVisible());

    std::vector<QLineEdit*> campi;
    for (int i = 0; i <= 3; ++i)
        campi.push_back(w.efdati3d(i));
    for (int i = 10; i <= 15; ++i)
        campi.push_back(w.efdatialfa3d(i));
    for (int i = 16; i <= 17; ++i)
        campi.push_back(w.efdelta3d(i));
    const QString valori[] = {cifre('9', 308),
                              QStringLiteral("1") + cifre('0', 308),
                              cifre('9', 400),
                              QStringLiteral("0.") + cifre('0', 400) + QStringLiteral("1"),
                              QStringLiteral("0"),
                              QStringLiteral("2147483648"),
                              QStringLiteral("99999999999")};
    for (const QString& valore : valori) {
        for (QLineEdit* field : campi) {
            SCOPED_TRACE(valore.left(12).toStdString() + " in " + field->objectName().toStdString());
            w.activateWindow();
            digita(field, valore);
            QTest::keyClick(field, Qt::Key_Tab);
            for (double d : esportazione::daticreatred)
                EXPECT_TRUE(std::isfinite(d));
            premi(w.bot_exp(0));
            copiaFinita(w, "extrusion");
            premi(w.bot_exp(1));
            copiaFinita(w, "revolution");
        }
        // And all of them at once.
        premi(w.bot_exp(0));
        copiaFinita(w, "extrusion, every field");
        premi(w.bot_exp(1));
        copiaFinita(w, "revolution, every field");
    }
    // The settings go into a document and come back.
    testsupport::DialogScript dialogs;
    const QString file = percorso(QStringLiteral("estremi.mdn"));
    dialogs.saveAnswers = {file};
    Tendine::instance().item(QStringLiteral("FileSaveas"))->trigger();
    const auto letto = documento::readDocument(file);
    ASSERT_TRUE(letto.has_value());
    for (double d : letto->settings)
        EXPECT_TRUE(std::isfinite(d));
}

// A document may hold any finite coordinate: the drawing, the view, the
// pointer, the selection and the previews meet the largest ones.
TEST_F(ExtremeValues, InADocumentStaySafe)
{
    const double m = 1.7976931348623157e308;
    const std::vector<ElementRow> catena = {{2, -m, m, m, -m, m, -m},
                                            {0, 0, 0, m, m, -m, m},
                                            {7, m, m, -m, -m, 0, m},
                                            {10, 1e300, -1e300, 5, -5, 1e300, 0},
                                            {4, -2147483648.0, 0, 0, 2147483648.0, 0, 0}};
    documento::Document doc;
    doc.drawing.chain.rows = catena;
    doc.drawing.chain.grx = doc.drawing.chain.gry = 10;
    doc.settings = {8, 8, 1, 100, 1, 100, 2, 1, 1, 1, 180, 0, 0, 0, 0, 0, m, m, 0, 0, 0};
    doc.profile.rows = catena;
    doc.path.rows = catena;
    const QString file = percorso(QStringLiteral("lontano.mdn"));
    scrivi(file, documento::documentBytes(doc));
    avvia({file});
    ASSERT_EQ(Globali::fileattuale, file);
    ASSERT_EQ(righe(Forme::polilinea, Forme::poli_q), catena);

    fin_forme& palette = fin_forme::instance();
    fin_edita& editor = fin_edita::instance();
    QWidget* area = fin_principale::instance().body();
    for (int z : {3, 1, 1, 0, 2, 3})
        premi(palette.bot_zoom(z));
    QTest::mouseMove(area, QPoint(5, 5));
    QTest::mouseMove(area, QPoint(area->width() - 5, area->height() - 5));
    // Every element selected in turn.
    premi(palette.bot_sel);
    ASSERT_TRUE(palette.bot_sel->value());
    premi(editor.bot_scorri(0));
    for (int i = 0; i < Forme::poli_q; ++i) {
        EXPECT_TRUE(suUnoStrumento(palette.rec_sel));
        QTest::mouseMove(area, QPoint(7 + i, 9));
        premi(editor.bot_scorri(2));
    }
    premi(palette.bot_move(2));
    premi(palette.bot_move(1));
    premi(palette.bot_zoom(3));
    premi(palette.bot_sel);

    // The stored chains' previews and statements.
    premi(palette.bot_3d);
    fin_3d& w = fin_3d::instance();
    ASSERT_TRUE(w.isVisible());
    premi(w.bot_exp(0));
    copiaFinita(w, "extrusion");
    premi(w.bot_exp(1));
    copiaFinita(w, "revolution");
    premi(w.PushButton1);
}

} // namespace
