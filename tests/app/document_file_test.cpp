// Documents written and read back: the layout line by line, every value
// restored exactly, malformed files refused without touching the program,
// and saves that fail.
#include "app_fixture.h"

#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "platform/conversions.h"
#include "platform/held_events.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <cmath>
#include <limits>

namespace {

struct Contenuto {
    const char* nome;
    int risoluzione, grx, gry;
    std::vector<ElementRow> catena;
    std::array<double, 21> dati;
    int sago_grx, sago_gry;
    std::vector<ElementRow> sagoma;
    int perc_grx, perc_gry;
    std::vector<ElementRow> percorso;
};

void PrintTo(const Contenuto& c, std::ostream* os) { *os << c.nome; }

std::array<double, 21> datiDiversi()
{
    std::array<double, 21> d{};
    for (int i = 0; i < 21; ++i)
        d[static_cast<std::size_t>(i)] = i * 1.25 - 3.0;
    return d;
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kMinNormale = std::numeric_limits<double>::min();
constexpr double kMinimo = std::numeric_limits<double>::denorm_min();

const Contenuto kContenuti[] = {
    {"empty", 8, 10, 10, {}, {}, 0, 0, {}, 0, 0, {}},
    {"one_element", 8, 10, 10, {{0, 0, 0, 10, 0, 0, 0}}, {}, 0, 0, {}, 0, 0, {}},
    {"heights",
     16,
     5,
     20,
     {{0, 0, 0, 10, 0, 0, 25}, {7, 10, 0, 0, 40, 25, -12.5}, {4, 10, 40, -20, 10, 12.5, 0}},
     datiDiversi(),
     5,
     20,
     {},
     0,
     0,
     {{0, 0, 0, 100, 0, 0, 50}}},
    {"fractions",
     3,
     1,
     2,
     {{2, 0.1, 1.0 / 3.0, -2.675, 1e-7, 0.30000000000000004, 2.0 / 3.0}},
     datiDiversi(),
     1,
     2,
     {{3, 0.5, -0.25, 0.125, 1.0 / 7.0, 0, 0}},
     1,
     2,
     {{1, 1.0 / 9.0, 0, 0.7, 0.01, 0, 0}}},
    {"magnitudes",
     1024,
     100000,
     0,
     {{11, 1e300, -1e300, kMax, -kMax, kMinNormale, kMinimo},
      {5, 123456789012345678.0, -9.87654321e-200, 4.9e-320, 1e22, -0.0, 1e-300}},
     datiDiversi(),
     100000,
     0,
     {{8, kMinimo, -kMinimo, 1e308, 0, 0, 0}},
     0,
     100000,
     {{9, -1e-310, 2e15 + 1, 9007199254740993.0, 6.02214076e23, 0, 0}}},
    {"all_three_chains",
     1,
     0,
     100,
     {{0, 0, 0, 10, 0, 0, 0}, {1, 10, 0, 10, 10, 0, 0}, {2, 20, 10, -5, 5, 0, 0}},
     datiDiversi(),
     25,
     30,
     {{0, 0, 0, 5, 0, 0, 0}, {6, 5, 0, 0, 5, 0, 0}},
     40,
     50,
     {{0, 0, 0, 1, 0, 0, 0}, {10, 1, 0, 1, 1, 0, 2}, {12, 2, 1, 3, 3, 2, 0}}},
};

class RoundTrip : public AppTest, public ::testing::WithParamInterface<Contenuto> {
protected:
    static void carica(const Contenuto& c)
    {
        Forme::risoluzione = c.risoluzione;
        Geometria::grx = c.grx;
        Geometria::gry = c.gry;
        poni(Forme::polilinea, Forme::poli_q, c.catena);
        for (int i = 0; i < 21; ++i)
            esportazione::daticreatred[i] = c.dati[static_cast<std::size_t>(i)];
        esportazione::sago_grx = c.sago_grx;
        esportazione::sago_gry = c.sago_gry;
        poni(esportazione::sagoma, esportazione::sago_q, c.sagoma);
        esportazione::perc_grx = c.perc_grx;
        esportazione::perc_gry = c.perc_gry;
        poni(esportazione::percorso, esportazione::perc_q, c.percorso);
    }

    // The values in the order the file holds them.
    static std::vector<double> valori(const Contenuto& c)
    {
        std::vector<double> v = {double(c.risoluzione), double(c.grx), double(c.gry), double(c.catena.size()) - 1};
        auto righe = [&v](const std::vector<ElementRow>& rows) {
            for (const ElementRow& r : rows)
                v.insert(v.end(), r.begin(), r.end());
        };
        righe(c.catena);
        v.insert(v.end(), c.dati.begin(), c.dati.end());
        v.insert(v.end(), {double(c.sago_grx), double(c.sago_gry), double(c.sagoma.size()) - 1});
        righe(c.sagoma);
        v.insert(v.end(), {double(c.perc_grx), double(c.perc_gry), double(c.percorso.size()) - 1});
        righe(c.percorso);
        return v;
    }
};

TEST_P(RoundTrip, WritesOneValueALineAndReadsEveryValueBack)
{
    const Contenuto& c = GetParam();
    avvia();
    carica(c);
    Globali::setModificato(true);
    const QString path = percorso(QStringLiteral("documento.mdn"));

    ASSERT_TRUE(App::filesalva(path));
    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_FALSE(Globali::filemodificato);

    // Line by line: carriage returns only, 31 + 7 x rows lines, each line a
    // plain decimal number that reads back to its value.
    const QByteArray bytes = leggi(path);
    EXPECT_FALSE(bytes.contains('\n'));
    ASSERT_TRUE(bytes.endsWith('\r'));
    const QList<QByteArray> lines = bytes.chopped(1).split('\r');
    const std::size_t rows = c.catena.size() + c.sagoma.size() + c.percorso.size();
    ASSERT_EQ(static_cast<std::size_t>(lines.size()), 31 + 7 * rows);
    const std::vector<double> expected = valori(c);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i]);
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"))))
            << "line " << i << ": " << line.toStdString();
        EXPECT_EQ(platform::Val(line), expected[static_cast<std::size_t>(i)]) << "line " << i;
    }

    // Another document in memory, then the file opened again.
    Globali::azzeratutto();
    Forme::risoluzione = 5;
    Geometria::grx = Geometria::gry = 3;
    esportazione::sago_grx = esportazione::perc_gry = 77;
    for (double& d : esportazione::daticreatred)
        d = 42;
    Globali::setModificato(true);

    ASSERT_TRUE(Globali::apri_file(path));
    EXPECT_EQ(platform::beepCount(), 0);
    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(Forme::risoluzione, c.risoluzione);
    EXPECT_EQ(Geometria::grx, c.grx);
    EXPECT_EQ(Geometria::gry, c.gry);
    EXPECT_EQ(righe(Forme::polilinea, Forme::poli_q), c.catena);
    EXPECT_EQ(Forme::poli_d, Forme::poli_q);
    EXPECT_EQ(Forme::polilinea.ubound(), Forme::poli_q);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(esportazione::daticreatred[i], c.dati[static_cast<std::size_t>(i)]) << "slot " << i;
    EXPECT_EQ(esportazione::sago_grx, c.sago_grx);
    EXPECT_EQ(esportazione::sago_gry, c.sago_gry);
    EXPECT_EQ(righe(esportazione::sagoma, esportazione::sago_q), c.sagoma);
    EXPECT_EQ(esportazione::perc_grx, c.perc_grx);
    EXPECT_EQ(esportazione::perc_gry, c.perc_gry);
    EXPECT_EQ(righe(esportazione::percorso, esportazione::perc_q), c.percorso);

    // Written again, the file is the same to the byte.
    const QString again = percorso(QStringLiteral("ancora.mdn"));
    ASSERT_TRUE(App::filesalva(again));
    EXPECT_EQ(leggi(again), bytes);
}

INSTANTIATE_TEST_SUITE_P(Documents, RoundTrip, ::testing::ValuesIn(kContenuti),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AppTest, SmallDocumentHasExactlyTheseLines)
{
    avvia();
    Forme::risoluzione = 8;
    poni(Forme::polilinea, Forme::poli_q, {{2, 0, 0, 10, -5.5, 0, 2.25}});
    for (int i = 0; i < 21; ++i)
        esportazione::daticreatred[i] = i == 10 ? 180 : 0;
    esportazione::sago_grx = 5;
    esportazione::sago_gry = 6;
    esportazione::perc_grx = 0;
    esportazione::perc_gry = 0;
    const QString path = percorso(QStringLiteral("piccolo.mdn"));
    ASSERT_TRUE(App::filesalva(path));

    QStringList expected = {"8", "10", "10", "0", "2", "0", "0", "10", "-5.5", "0", "2.25"};
    for (int i = 0; i < 21; ++i)
        expected << (i == 10 ? "180" : "0");
    expected << "5"
             << "6"
             << "-1"
             << "0"
             << "0"
             << "-1";
    EXPECT_EQ(leggi(path), (expected.join('\r') + '\r').toLatin1());
}

// --- The user goes on while a document is read.

// A click on the palette's "zoom in" and a digit typed into the x delta
// while File > Open reads a long document of curves: neither runs inside
// the reading, where the open would undo it; each runs once the document
// is open, and once only: the fitted view is zoomed in by two, and the digit
// follows the delta the open left.
TEST_F(AppTest, AClickAndAKeyDuringOpenRunAfterItOnceEach)
{
    avvia();
    documento::Document d;
    for (int r = 0; r < 3000; ++r)
        d.drawing.chain.rows.push_back(ElementRow{r % 2 ? 3.0 : 2.0, 10.0 * r, 10.0 * r, 10, 10, 0, 0});
    const QString path = percorso(QStringLiteral("lungo.mdn"));
    scrivi(path, documento::documentBytes(d));
    ASSERT_TRUE(Globali::apri_file(path));
    const double fitted = Geometria::zmfct;
    App::FileNew_Action();

    fin_edita& editor = fin_edita::instance();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    testsupport::processEvents(); // the focus change that comes with the activation
    QTest::mouseClick(editor.efxdelta, Qt::LeftButton);
    ASSERT_TRUE(editor.efxdelta->hasFocus());
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {path};

    testsupport::postClick(fin_forme::instance().bot_zoom(1));
    testsupport::postKey(editor.efxdelta, Qt::Key_5, QStringLiteral("5"));
    QThread::msleep(45); // the yield's interval is over: the reading's yields let events through
    App::FileOpen_Action();

    ASSERT_EQ(Globali::fileattuale, path);
    EXPECT_GT(platform::held::count(), 0);
    EXPECT_EQ(Geometria::zmfct, fitted);
    const QString delta = editor.efxdelta->text(); // the open's current element

    testsupport::processEvents();
    testsupport::processEvents();
    EXPECT_EQ(platform::held::count(), 0);
    EXPECT_EQ(Geometria::zmfct, 2 * fitted);
    EXPECT_EQ(editor.efxdelta->text(), delta + "5");
    EXPECT_EQ(Forme::dx, platform::Val(delta + "5"));
    EXPECT_EQ(Forme::poli_q, 3000);
    EXPECT_EQ(platform::beepCount(), 0);
}

// --- Malformed documents.

// A valid document of 59 lines: drawing (lines 0-17, count on line 3, two
// rows), settings (18-38), profile (39-48, count on 41), path (49-58, count
// on 51).
QStringList documentoValido()
{
    QStringList l = {"8", "10", "10", "1"};
    l << "0"
      << "0"
      << "0"
      << "10"
      << "0"
      << "0"
      << "0";
    l << "1"
      << "10"
      << "0"
      << "0"
      << "20"
      << "0"
      << "0";
    for (int i = 0; i < 21; ++i)
        l << QString::number(i + 0.5);
    l << "5"
      << "5"
      << "0"
      << "0"
      << "0"
      << "0"
      << "30"
      << "0"
      << "0"
      << "0";
    l << "10"
      << "20"
      << "0"
      << "0"
      << "0"
      << "0"
      << "0"
      << "50"
      << "0"
      << "0";
    return l;
}

struct Difetto {
    const char* nome;
    std::function<void(QStringList&)> cambia;
    const char* fine; // line ending
    bool accettato;
    const char* motivo = nullptr; // what the message of a refusal says
};

void PrintTo(const Difetto& d, std::ostream* os) { *os << d.nome; }

auto riga(int i, const char* testo)
{
    return [i, testo](QStringList& l) { l[i] = QString::fromLatin1(testo); };
}
auto tronca(int n)
{
    return [n](QStringList& l) { l = l.mid(0, n); };
}
void nulla(QStringList&) {}

const Difetto kDifetti[] = {
    // A chain cut short is found at its count, which announces more rows
    // than the rest of the file holds.
    {"truncated_in_drawing", tronca(10), "\r", false,
     "It is damaged: line 4 should hold the number of elements less one, "
     "a whole number from -1 up to what the rest of the file holds."},
    {"truncated_in_settings", tronca(25), "\r", false,
     "It is damaged: it ends before line 26, which should hold a 3-D setting, a decimal number."},
    {"truncated_in_profile", tronca(45), "\r", false,
     "It is damaged: line 42 should hold the number of elements less one, "
     "a whole number from -1 up to what the rest of the file holds."},
    {"truncated_in_path", tronca(58), "\r", false,
     "It is damaged: it ends before line 59, which should hold a value of an element, a decimal number."},
    {"empty_file", tronca(0), "\r", false, "It is not a Modanova document."},
    {"word_for_a_setting", riga(20, "abc"), "\r", false,
     "It is damaged: line 21 should hold a 3-D setting, a decimal number."},
    {"word_after_digits_in_a_row", riga(5, "1x"), "\r", false,
     "It is damaged: line 6 should hold a value of an element, a decimal number."},
    {"empty_line_for_a_value", riga(30, ""), "\r", false,
     "It is damaged: line 31 should hold a 3-D setting, a decimal number."},
    {"count_minus_two", riga(3, "-2"), "\r", false,
     "It is damaged: line 4 should hold the number of elements less one, "
     "a whole number from -1 up to what the rest of the file holds."},
    {"count_with_fraction", riga(41, "1.5"), "\r", false,
     "It is damaged: line 42 should hold the number of elements less one, "
     "a whole number from -1 up to what the rest of the file holds."},
    {"huge_count", riga(51, "99999999999999999999"), "\r", false,
     "It is damaged: line 52 should hold the number of elements less one, "
     "a whole number from -1 up to what the rest of the file holds."},
    {"count_past_the_end", riga(51, "8"), "\r", false,
     "It is damaged: line 52 should hold the number of elements less one, "
     "a whole number from -1 up to what the rest of the file holds."},
    {"nan", riga(20, "nan"), "\r", false, "It is damaged: line 21 should hold a 3-D setting, a decimal number."},
    {"infinity", riga(7, "inf"), "\r", false,
     "It is damaged: line 8 should hold a value of an element, a decimal number."},
    {"too_large_for_a_double", riga(7, "1e999"), "\r", false,
     "It is damaged: line 8 should hold a value of an element, a decimal number."},
    {"resolution_zero", riga(0, "0"), "\r", false,
     "It is damaged: line 1 should hold the arc resolution, a whole number from 1 to 1024."},
    {"resolution_above_1024", riga(0, "1025"), "\r", false,
     "It is damaged: line 1 should hold the arc resolution, a whole number from 1 to 1024."},
    {"negative_grid", riga(1, "-1"), "\r", false,
     "It is damaged: line 2 should hold a grid spacing, a whole number from 0 to 100000."},
    {"grid_above_100000", riga(50, "100001"), "\r", false,
     "It is damaged: line 51 should hold a grid spacing, a whole number from 0 to 100000."},
    {"a_word_for_the_first_line", riga(0, "Modanova"), "\r", false, "It is not a Modanova document."},
    {"binary_bytes", [](QStringList& l) { l = {QString::fromLatin1("\x89PNG\x1a\x01\x02")}; }, "\n", false,
     "It is not a Modanova document."},
    {"resolution_1024_and_grid_0",
     [](QStringList& l) {
         l[0] = "1024";
         l[2] = "0";
     },
     "\r", true},
    {"grid_100000", riga(39, "100000"), "\r", true},
    {"lf_line_ends", nulla, "\n", true},
    {"crlf_line_ends", nulla, "\r\n", true},
    {"blanks_around_values", riga(20, " 7.5 "), "\r", true},
    {"lines_after_the_last_value",
     [](QStringList& l) {
         l << "junk"
           << "1"
           << "";
     },
     "\r", true},
    {"empty_path_leaves_its_row_unread", riga(51, "-1"), "\r", true},
};

class Malformed : public AppTest, public ::testing::WithParamInterface<Difetto> {};

TEST_P(Malformed, IsRefusedWithOneBeepAndNothingChanged)
{
    const Difetto& d = GetParam();
    avvia();
    disegna();
    const QString mine = percorso(QStringLiteral("mio.mdn"));
    ASSERT_TRUE(App::filesalva(mine));
    disegna(); // modified again, with a current file
    const Stato before = stato();

    QStringList lines = documentoValido();
    d.cambia(lines);
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + d.fine;
    const QString path = percorso(QStringLiteral("altro.mdn"));
    scrivi(path, bytes);

    platform::resetBeepCount();
    testsupport::DialogScript dialogs;
    const bool opened = Globali::apri_file(path);

    EXPECT_EQ(opened, d.accettato);
    if (d.accettato) {
        EXPECT_TRUE(dialogs.failures.empty());
        EXPECT_EQ(platform::beepCount(), 0);
        EXPECT_EQ(Globali::fileattuale, path);
        EXPECT_FALSE(Globali::filemodificato);
        EXPECT_EQ(Forme::poli_q, 2);
        EXPECT_EQ(esportazione::sago_q, 1);
    } else {
        EXPECT_EQ(platform::beepCount(), 1);
        EXPECT_EQ(dialogs.failures,
                  std::vector<QString>{"\"" + path + "\" could not be opened.\n\n" + QString::fromUtf8(d.motivo)});
        EXPECT_TRUE(stato() == before);
        EXPECT_EQ(Globali::fileattuale, mine);
        EXPECT_TRUE(Globali::filemodificato);
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, Malformed, ::testing::ValuesIn(kDifetti),
                         [](const auto& info) { return std::string(info.param.nome); });

// The bytes this process has read from files so far; -1 where the system
// does not tell.
long long bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

struct ContaNegativa {
    const char* nome;
    int riga; // the count line that holds -2
    std::function<void(const QString& path)> apri;
};

void PrintTo(const ContaNegativa& c, std::ostream* os) { *os << c.nome; }

void apriConDialogo(QAbstractButton* bottone, const QString& path)
{
    fin_3d::instance().mostra();
    testsupport::processEvents();
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {path};
    QTest::mouseClick(bottone, Qt::LeftButton);
    EXPECT_EQ(dialogs.opens, 1);
}

const ContaNegativa kConteNegative[] = {
    {"Drawing", 3, [](const QString& path) { Globali::apri_file(path); }},
    {"Profile", 41, [](const QString& path) { Globali::apri_file(path); }},
    {"Path", 51, [](const QString& path) { Globali::apri_file(path); }},
    {"OpenAsProfile", 3, [](const QString& path) { apriConDialogo(fin_3d::instance().bottone_s_o, path); }},
    {"OpenAsPath", 3, [](const QString& path) { apriConDialogo(fin_3d::instance().bottone_p_o, path); }},
};

class NegativeCount : public AppTest, public ::testing::WithParamInterface<ContaNegativa> {};

// A count below -1 is no count: the file is refused at that line, and what
// follows it is not read at all, however long it is (here 4 MB of values
// after the last one).
TEST_P(NegativeCount, IsRefusedAtItsOwnLine)
{
    const ContaNegativa& c = GetParam();
    avvia();
    disegna();
    QStringList lines = documentoValido();
    lines[c.riga] = QStringLiteral("-2");
    QByteArray bytes = lines.join('\r').toLatin1() + '\r';
    constexpr qsizetype kCoda = 4 << 20;
    bytes.reserve(bytes.size() + kCoda);
    while (bytes.size() < kCoda)
        bytes += "0\r";
    const QString path = percorso(QStringLiteral("negativa.mdn"));
    scrivi(path, bytes);
    const Stato before = stato();
    platform::resetBeepCount();

    const long long readBefore = bytesRead();
    if (readBefore < 0)
        GTEST_SKIP() << "this system does not tell the bytes a process has read";
    testsupport::DialogScript dialogs; // answers the failure box
    c.apri(path);
    const long long read = bytesRead() - readBefore;

    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_TRUE(stato() == before);
    EXPECT_LT(read, kCoda / 4);
}

INSTANTIATE_TEST_SUITE_P(Documents, NegativeCount, ::testing::ValuesIn(kConteNegative),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AppTest, MissingFileIsRefusedAndAnEmptyNameDoesNothing)
{
    avvia();
    disegna();
    const Stato before = stato();
    testsupport::DialogScript dialogs;
    EXPECT_FALSE(Globali::apri_file(percorso(QStringLiteral("nessuno.mdn"))));
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_FALSE(Globali::apri_file(QString()));
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_EQ(dialogs.failures.size(), 1u);
    EXPECT_TRUE(stato() == before);
}

// --- Saves that fail. Tests may run as root, where permissions stop
// nothing, so each target is one no file can be made at.

struct Bersaglio {
    const char* nome;
    QString (*prepara)(const QString& dir);
};

void PrintTo(const Bersaglio& b, std::ostream* os) { *os << b.nome; }

const Bersaglio kBersagli[] = {
    {"folder_missing", [](const QString& dir) { return dir + "/manca/doc.mdn"; }},
    {"folder_is_a_file",
     [](const QString& dir) {
         QFile f(dir + "/file");
         f.open(QIODevice::WriteOnly);
         return dir + "/file/doc.mdn";
     }},
    {"target_is_a_folder",
     [](const QString& dir) {
         QDir(dir).mkdir("cartella.mdn");
         return dir + "/cartella.mdn";
     }},
};

class FailedSave : public AppTest, public ::testing::WithParamInterface<Bersaglio> {};

TEST_P(FailedSave, BeepsAndKeepsTheCurrentFileAndTheMark)
{
    avvia();
    disegna();
    const QString mine = percorso(QStringLiteral("mio.mdn"));
    ASSERT_TRUE(App::filesalva(mine));
    const QByteArray saved = leggi(mine);
    disegna();
    Forme::polilinea(0, kDX) = 99; // a change that is not in the saved file
    const QString target = GetParam().prepara(percorso(QString()));

    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {target};
    platform::resetBeepCount();
    App::FileSaveas_Action();

    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_EQ(Globali::fileattuale, mine);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(leggi(mine), saved);
}

INSTANTIATE_TEST_SUITE_P(Documents, FailedSave, ::testing::ValuesIn(kBersagli),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AppTest, SaveOverAnExistingFileReplacesItAndLeavesNothingBeside)
{
    avvia();
    const QString path = percorso(QStringLiteral("doc.mdn"));
    scrivi(path, QByteArray(5000, 'x'));
    disegna();

    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {path};
    App::FileSaveas_Action();

    EXPECT_EQ(leggi(path), documento::documentBytes(documento::currentDocument()));
    EXPECT_EQ(QDir(percorso(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.mdn"});
}

TEST_F(AppTest, SaveWhoseFolderHasGoneBeepsAndKeepsTheMark)
{
    avvia();
    QDir(percorso(QString())).mkdir("sub");
    const QString path = percorso(QStringLiteral("sub/doc.mdn"));
    disegna();
    ASSERT_TRUE(App::filesalva(path));
    disegna();
    ASSERT_TRUE(QDir(percorso(QStringLiteral("sub"))).removeRecursively());
    platform::resetBeepCount();
    testsupport::DialogScript dialogs;

    App::FileSave_Action();

    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_EQ(dialogs.failures,
              std::vector<QString>{"\"" + path + "\" could not be saved.\n\nThe folder does not exist."});
    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_TRUE(Globali::filemodificato);
}

} // namespace
