// The push buttons: a profile or path opened from a document, handed back to
// the editor, and the GDL text saved or copied; and the generator entry,
// which takes the window's values first.
#include "fin3d_fixture.h"

#include "model/documento.h"
#include "platform/files.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace fin3dtest;
using esportazione::daticreatred;

namespace {

// Three rows that rise in z, drawn with resolution 12 on a 5 x 7 grid; the
// document's own settings and stored chains differ from everything here.
documento::Document documentoProva()
{
    documento::Document doc;
    doc.drawing.risoluzione = 12;
    doc.drawing.chain.grx = 5;
    doc.drawing.chain.gry = 7;
    doc.drawing.chain.rows = {ElementRow{0, 0, 0, 40, 0, 0, 10}, ElementRow{2, 40, 0, 20, 30, 10, 5},
                              ElementRow{7, 60, 30, -10, 20, 15, 0}};
    doc.settings.fill(3.0);
    doc.profile.grx = 1;
    doc.profile.rows = {ElementRow{0, 0, 0, 1, 1, 0, 0}};
    return doc;
}

class Cartella {
public:
    QString scrivi(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    QString percorso(const QString& name) const { return m_dir.filePath(name); }
    static QByteArray leggi(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir m_dir;
};

std::vector<ElementRow> righe(const ElementTable& table, int count)
{
    std::vector<ElementRow> out;
    for (int r = 0; r < count; ++r)
        out.push_back(table.row(r));
    return out;
}

} // namespace

TEST_F(Create3d, OpensTheDrawnChainAsProfileAndAsPath)
{
    Cartella dir;
    const QString file = dir.scrivi("prova.mdn", documento::documentBytes(documentoProva()));
    storeChain(Forme::polilinea, Forme::poli_q, 2);
    Globali::filemodificato = true;
    Globali::fileattuale = "/elsewhere/current.mdn";
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {file, file};
    fin_3d& w = shown();

    QTest::mouseClick(w.bottone_s_o, Qt::LeftButton);
    EXPECT_EQ(dialogs.openTypes, std::vector<QString>{"Modanova documents"});
    EXPECT_EQ(daticreatred[0], 12.0);
    EXPECT_EQ(esportazione::sago_grx, 5);
    EXPECT_EQ(esportazione::sago_gry, 7);
    std::vector<ElementRow> flat = documentoProva().drawing.chain.rows;
    for (ElementRow& row : flat)
        row[kZ0] = row[kDZ] = 0.0;
    EXPECT_EQ(righe(esportazione::sagoma, esportazione::sago_q), flat);
    EXPECT_NE(w.StaticSAG_XY->text(), "?");
    EXPECT_TRUE(w.bottone_s_e->isEnabled());
    EXPECT_FALSE(w.PushButton3->isEnabled()); // an extrusion needs the path too

    QTest::mouseClick(w.bottone_p_o, Qt::LeftButton);
    EXPECT_EQ(daticreatred[1], 12.0);
    EXPECT_EQ(esportazione::perc_grx, 5);
    EXPECT_EQ(righe(esportazione::percorso, esportazione::perc_q), documentoProva().drawing.chain.rows);
    EXPECT_NE(w.StaticPER_XY->text(), "?");
    EXPECT_TRUE(w.bottone_p_e->isEnabled());
    EXPECT_TRUE(w.PushButton3->isEnabled());

    // Nothing else was read or changed.
    EXPECT_EQ(daticreatred[2], 1.0);
    EXPECT_EQ(daticreatred[18], 0.0);
    EXPECT_EQ(Forme::poli_q, 2);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Globali::fileattuale, "/elsewhere/current.mdn");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(platform::beepCount(), 0);
}

// Only the first section counts: a file that ends right after the chain's
// rows opens; an empty chain opens as no profile.
TEST_F(Create3d, ReadsTheDrawingSectionAlone)
{
    Cartella dir;
    const QString solo = dir.scrivi("solo.mdn", "8\r10\r10\r0\r0\r0\r0\r25\r0\r0\r0\r");
    const QString vuoto = dir.scrivi("vuoto.mdn", "6.5\r10\r10\r-1\r");
    storeProfile(2);
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {solo, vuoto};
    fin_3d& w = shown();

    w.bottone_s_o->click();
    EXPECT_EQ(esportazione::sago_q, 1);
    EXPECT_EQ(esportazione::sagoma.row(0), (ElementRow{0, 0, 0, 25, 0, 0, 0}));

    w.bottone_s_o->click();
    EXPECT_EQ(esportazione::sago_q, 0);
    EXPECT_EQ(daticreatred[0], 6.5); // line 1 as written
    EXPECT_EQ(w.StaticSAG_XY->text(), "?");
    EXPECT_FALSE(w.bottone_s_e->isEnabled());
    EXPECT_EQ(platform::beepCount(), 0);
}

// A file that fails the document reader's checks is refused with the beep;
// the stored chain, its grid and its resolution stay as they were.
struct FileRifiutato {
    const char* name;
    const char* text; // nullptr: the file does not exist
    // What stands there when it is no regular file within the size read
    // (the kinds of testsupport::unreadableFiles).
    const char* unreadable = nullptr;
};

void PrintTo(const FileRifiutato& c, std::ostream* os) { *os << c.name; }

class OpenRefused : public Create3dWithParam<FileRifiutato> {};

TEST_P(OpenRefused, BeepsAndKeepsTheStoredChains)
{
    testsupport::Watchdog watchdog; // a pipe must not be waited for
    Cartella dir;
    QString file = GetParam().text ? dir.scrivi("bad.mdn", GetParam().text) : dir.percorso("missing.mdn");
    if (GetParam().unreadable)
        for (const testsupport::Unreadable& u :
             testsupport::unreadableFiles(dir.percorso(""), documento::documentBytes(documentoProva())))
            if (std::string_view(u.kind) == GetParam().unreadable)
                file = u.path;
    storeProfile(2);
    storePath(3);
    esportazione::sago_grx = esportazione::perc_grx = 9;
    const std::vector<ElementRow> profilo = righe(esportazione::sagoma, 2);
    const std::vector<ElementRow> percorso = righe(esportazione::percorso, 3);
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {file, file};
    fin_3d& w = shown();

    QTest::mouseClick(w.bottone_s_o, Qt::LeftButton);
    QTest::mouseClick(w.bottone_p_o, Qt::LeftButton);
    EXPECT_EQ(platform::beepCount(), 2);
    EXPECT_EQ(righe(esportazione::sagoma, esportazione::sago_q), profilo);
    EXPECT_EQ(righe(esportazione::percorso, esportazione::perc_q), percorso);
    EXPECT_EQ(esportazione::sago_grx, 9);
    EXPECT_EQ(esportazione::perc_grx, 9);
    EXPECT_EQ(daticreatred[0], 8.0);
    EXPECT_EQ(daticreatred[1], 8.0);
    // Each refusal is told over this window, naming the file.
    ASSERT_EQ(dialogs.failures.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(dialogs.failures[i].startsWith("\"" + QDir::toNativeSeparators(file) + "\" could not be opened."))
            << dialogs.failures[i].toStdString();
        EXPECT_EQ(dialogs.failureWindows[i], &w);
    }
}

INSTANTIATE_TEST_SUITE_P(Create3d, OpenRefused,
                         ::testing::Values(FileRifiutato{"missing", nullptr}, FileRifiutato{"empty", ""},
                                           FileRifiutato{"text", "hello\rworld\r"},
                                           FileRifiutato{"letterInARow", "8\r10\r10\r0\r0\r0\r0\rx\r0\r0\r0\r"},
                                           FileRifiutato{"countBeyondTheFile", "8\r10\r10\r1\r0\r0\r0\r25\r0\r0\r0\r"},
                                           FileRifiutato{"countBelowMinusOne", "8\r10\r10\r-2\r"},
                                           FileRifiutato{"fractionalCount", "8\r10\r10\r0.5\r0\r0\r0\r25\r0\r0\r0\r"},
                                           FileRifiutato{"resolutionZero", "0\r10\r10\r-1\r"},
                                           FileRifiutato{"gridTooLarge", "8\r100001\r10\r-1\r"},
                                           FileRifiutato{"fifo", nullptr, "fifo"},
                                           FileRifiutato{"device", nullptr, "device"},
                                           FileRifiutato{"folder", nullptr, "folder"},
                                           FileRifiutato{"oversize", nullptr, "oversize"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Create3d, CancelledOpenChangesNothing)
{
    storeProfile(2);
    testsupport::DialogScript dialogs; // answers every dialog with a cancel
    fin_3d& w = shown();
    w.bottone_s_o->click();
    w.bottone_p_o->click();
    EXPECT_EQ(dialogs.opens, 2);
    EXPECT_EQ(esportazione::sago_q, 2);
    EXPECT_EQ(esportazione::perc_q, 0);
    EXPECT_EQ(platform::beepCount(), 0);
}

// --- Handing a stored chain back to the editor.

TEST_F(Create3d, EditPathGivesTheEditorThePathWithItsGrid)
{
    storePath(3, 4.0);
    esportazione::perc_grx = 2;
    esportazione::perc_gry = 3;
    storeChain(Forme::polilinea, Forme::poli_q, 5);
    Forme::poli_d = 5;
    Forme::risoluzione = 16;
    Globali::fileattuale = "/somewhere/doc.mdn";
    testsupport::DialogScript dialogs;
    fin_3d& w = shown();

    QTest::mouseClick(w.bottone_p_e, Qt::LeftButton);
    EXPECT_EQ(dialogs.saveChangesAsked, 0); // the document was not modified
    EXPECT_EQ(righe(Forme::polilinea, Forme::poli_q), righe(esportazione::percorso, 3));
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_EQ(Geometria::grx, 2);
    EXPECT_EQ(Geometria::gry, 3);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fin_principale::instance().isVisible());
    EXPECT_EQ(Forme::risoluzione, 16);
    // The document's drawing is now the path.
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Globali::fileattuale, "/somewhere/doc.mdn");
    EXPECT_EQ(esportazione::perc_q, 3);
}

TEST_F(Create3d, EditProfileDropsTheHeights)
{
    storeChain(esportazione::sagoma, esportazione::sago_q, 2, 7.0);
    esportazione::sago_grx = 4;
    fin_3d& w = shown();
    QTest::mouseClick(w.bottone_s_e, Qt::LeftButton);
    ASSERT_EQ(Forme::poli_q, 2);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(Forme::polilinea(r, kDX), 100.0);
        EXPECT_EQ(Forme::polilinea(r, kZ0), 0.0);
        EXPECT_EQ(Forme::polilinea(r, kDZ), 0.0);
    }
    EXPECT_EQ(Geometria::grx, 4);
    // The stored profile itself is not changed.
    EXPECT_EQ(esportazione::sagoma(1, kDZ), 7.0);
}

// A modified document is offered for saving before its chain is replaced,
// by the stored profile or by the stored path.
struct Domanda {
    const char* name;
    platform::SaveAnswer answer;
    bool replaced;
};

void PrintTo(const Domanda& c, std::ostream* os) { *os << c.name; }

struct Modifica {
    const char* name;
    QAbstractButton* (*button)(fin_3d&);
    int stored; // the rows of the chain it hands back
};

void PrintTo(const Modifica& m, std::ostream* os) { *os << m.name; }

const Modifica kModifiche[] = {
    {"EditProfile", [](fin_3d& w) -> QAbstractButton* { return w.bottone_s_e; }, 1},
    {"EditPath", [](fin_3d& w) -> QAbstractButton* { return w.bottone_p_e; }, 2},
};

class EditAsksFirst : public Create3dWithParam<std::tuple<Modifica, Domanda>> {};

TEST_P(EditAsksFirst, ReplacesTheChainOnlyWhenAllowed)
{
    const auto& [edit, domanda] = GetParam();
    Cartella dir;
    const QString doc = dir.percorso("doc.mdn");
    storeProfile(1);
    storePath(2);
    storeChain(Forme::polilinea, Forme::poli_q, 4);
    Globali::fileattuale = doc;
    Globali::filemodificato = true;
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {domanda.answer};
    fin_3d& w = shown();

    QTest::mouseClick(edit.button(w), Qt::LeftButton);
    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    EXPECT_EQ(Forme::poli_q, domanda.replaced ? edit.stored : 4);
    EXPECT_EQ(w.isVisible(), !domanda.replaced);
    if (domanda.answer == platform::SaveAnswer::Save) {
        // The drawn chain of four went to the document before it was replaced.
        const auto saved = documento::parseDocument(Cartella::leggi(doc));
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(saved->drawing.chain.rows.size(), 4u);
    }
    // Saved or not, the document is modified: by the chain that replaced the
    // saved one, or still by the drawn chain that was kept.
    EXPECT_TRUE(Globali::filemodificato);
}

INSTANTIATE_TEST_SUITE_P(Create3d, EditAsksFirst,
                         ::testing::Combine(::testing::ValuesIn(kModifiche),
                                            ::testing::Values(Domanda{"Save", platform::SaveAnswer::Save, true},
                                                              Domanda{"DontSave", platform::SaveAnswer::DontSave, true},
                                                              Domanda{"Cancel", platform::SaveAnswer::Cancel, false})),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// Edit mode holds only while the selection lies within the chain: the
// handed-back chain's first element is selected, and a chain that comes
// back empty leaves edit mode quietly.
TEST_F(Create3d, EditKeepsEditModeWithinTheChain)
{
    fin_forme& palette = fin_forme::instance();
    storeChain(Forme::polilinea, Forme::poli_q, 5);
    Forme::poli_d = 4;
    Forme::modifica = true;
    palette.bot_sel->setValue(true);
    storeProfile(2);
    fin_3d& w = shown();
    QTest::mouseClick(w.bottone_s_e, Qt::LeftButton);
    EXPECT_TRUE(palette.bot_sel->value());
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_EQ(Forme::poli_q, 2);

    esportazione::sago_q = 0; // a stored profile emptied while the window stood
    shown();
    testsupport::DialogScript dialogs; // the replaced chain marked the document
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    w.bottone_s_e_Action();
    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_FALSE(palette.bot_sel->value());
    EXPECT_FALSE(fin_principale::instance().pointer->isVisible());
    EXPECT_EQ(platform::beepCount(), 0);
}

// --- "Save.." and "Copy".

TEST_F(Create3d, SaveWritesTheTextOverTheChosenFile)
{
    Cartella dir;
    const QString target = dir.scrivi("testogdl.txt", "old text that is longer than the new one\n");
    storeProfile(2);
    esportazione::profopath = 1;
    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {target};
    fin_3d& w = shown();

    QTest::mouseClick(w.PushButton2, Qt::LeftButton);
    EXPECT_EQ(dialogs.saveDefaultNames, std::vector<QString>{"testogdl"});
    ASSERT_FALSE(esportazione::esportastringa.empty());
    EXPECT_EQ(Cartella::leggi(target), QByteArray::fromStdString(esportazione::esportastringa) + '\n');
    EXPECT_TRUE(esportazione::esportastringa.ends_with("DEL TOP\r"));
    EXPECT_EQ(QDir(dir.percorso("")).entryList(QDir::Files), QStringList{"testogdl.txt"});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(platform::beepCount(), 0);
}

TEST_F(Create3d, SaveCancelledGeneratesNothing)
{
    storeProfile(2);
    esportazione::profopath = 1;
    esportazione::esportastringa = "earlier text";
    testsupport::DialogScript dialogs;
    fin_3d& w = shown();
    w.PushButton2->click();
    EXPECT_EQ(dialogs.saves, 1);
    EXPECT_EQ(esportazione::esportastringa, "earlier text");
    EXPECT_EQ(platform::beepCount(), 0);
}

TEST_F(Create3d, SaveThatCannotWriteBeepsAndLeavesTheFileAlone)
{
    Cartella dir;
    // A folder stands where the text would go, and a file in a missing folder.
    QDir(dir.percorso("")).mkdir("occupied");
    const QString occupied = dir.percorso("occupied");
    storeProfile(2);
    esportazione::profopath = 1;
    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {occupied, dir.percorso("missing/testogdl.txt")};
    fin_3d& w = shown();
    w.PushButton2->click();
    w.PushButton2->click();
    EXPECT_EQ(platform::beepCount(), 2);
    ASSERT_EQ(dialogs.failures.size(), 2u);
    EXPECT_TRUE(dialogs.failures[1].startsWith("\"" + QDir::toNativeSeparators(dir.percorso("missing/testogdl.txt"))
                                               + "\" could not be saved."));
    EXPECT_TRUE(dialogs.failures[1].endsWith("The folder does not exist.")) << dialogs.failures[1].toStdString();
    EXPECT_EQ(dialogs.failureWindows[1], &w);
    EXPECT_TRUE(QFileInfo(occupied).isDir());
    EXPECT_EQ(QDir(dir.percorso("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"occupied"});
}

// A write that fails after the file was opened (a file-size limit, as a
// full disk): the old text stays, nothing is left beside it, and the beep.
TEST_F(Create3d, SaveThatFailsWhileWritingKeepsTheOldText)
{
    Cartella dir;
    const QByteArray vecchio = "old text\n";
    const QString target = dir.scrivi("testogdl.txt", vecchio);
    storeProfile(2);
    esportazione::profopath = 1;
    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {target, target};
    fin_3d& w = shown();
    for (const long long limit : {0LL, 40LL}) {
        testsupport::FileSizeLimit limite(limit);
        w.PushButton2->click();
    }
    EXPECT_EQ(platform::beepCount(), 2);
    ASSERT_EQ(dialogs.failures.size(), 2u);
    for (const QString& message : dialogs.failures)
        EXPECT_EQ(message, "\"" + QDir::toNativeSeparators(target)
                               + "\" could not be saved.\n\n"
                                 "The file would be larger than the system allows.");
    EXPECT_EQ(Cartella::leggi(target), vecchio);
    EXPECT_EQ(testsupport::fileNames(dir.percorso("")), QStringList{"testogdl.txt"});
}

TEST_F(Create3d, CopyPutsTheSameTextOnTheClipboardEachTime)
{
    storeProfile(1);
    storePath(2);
    fin_3d& w = shown();
    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    const QString first = platform::clipboardText();
    EXPECT_TRUE(first.contains("TUBE "));
    EXPECT_EQ(first, QString::fromStdString(esportazione::esportastringa));
    platform::setClipboardText("something else");
    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    EXPECT_EQ(platform::clipboardText(), first);
}

// --- The generator entry takes the window's values, checks them and writes
// the chosen solid.

TEST_F(Create3d, GeneratorTakesTheWindowsValuesFirst)
{
    storeProfile(1);
    esportazione::profopath = 1;
    fin_3d& w = shown();
    // Texts the user has typed without leaving the field yet.
    w.efdatialfa3d(10)->setTextFromProgram("0");
    w.efdati3d(0)->setTextFromProgram("0");
    w.efdatialfa3d(11)->setTextFromProgram("400");
    w.PushButton3->click();
    EXPECT_EQ(daticreatred[10], 1.0);
    EXPECT_EQ(daticreatred[11], 360.0);
    EXPECT_EQ(w.efdatialfa3d(11)->text(), "360");
    EXPECT_EQ(w.efdati3d(0)->text(), "1");
    EXPECT_EQ(w.efdati3d(1)->text(), "100");
    const QString text = QString::fromStdString(esportazione::esportastringa);
    EXPECT_TRUE(text.startsWith("ROTX 360\r")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("REVOLVE \\d+, 1, \\d+"))) << text.toStdString();

    w.efdatialfa3d(10)->setTextFromProgram("400");
    w.PushButton3->click();
    EXPECT_TRUE(
        QString::fromStdString(esportazione::esportastringa).contains(QRegularExpression("REVOLVE \\d+, 360, ")));
}

TEST_F(Create3d, GeneratorWritesTheChosenSolid)
{
    storeProfile(1);
    storePath(1);
    fin_3d& w = shown();
    w.PushButton3->click();
    EXPECT_NE(esportazione::esportastringa.find("TUBE "), std::string::npos);
    QTest::mouseClick(w.bot_exp(1), Qt::LeftButton);
    w.PushButton3->click();
    EXPECT_NE(esportazione::esportastringa.find("REVOLVE "), std::string::npos);
    EXPECT_EQ(esportazione::esportastringa.find("TUBE "), std::string::npos);

    // The read-outs give the resolutions back to the slots.
    daticreatred[0] = 99;
    w.StaticTesto(0)->setText("5");
    esportazione::creazione();
    EXPECT_EQ(daticreatred[0], 5.0);
    EXPECT_EQ(w.slcrea3d(0)->value(), 5);

    // A solid the window does not offer writes nothing.
    esportazione::profopath = 2;
    esportazione::creazione();
    EXPECT_TRUE(esportazione::esportastringa.empty());
}

// --- A text that would hold a number that overflowed (huge scales) is
// neither copied nor saved: the number would be written as 0. A large scale
// whose numbers all stay finite is written as usual.

namespace {

struct Scala {
    const char* name;
    int solid;
    double slot;       // the profile's scale as a document brings it, or
    const char* typed; // as the user types it into the multiplier field
    bool refused;
    // Straight lines only, a million kilometres long, the path scaled
    // too: the coordinates themselves overflow, no curve's sizes.
    bool linee = false;
};

void PrintTo(const Scala& c, std::ostream* os) { *os << c.name; }

} // namespace

class HugeScale : public Create3dWithParam<Scala> {};

TEST_P(HugeScale, RefusesATextWithANumberThatOverflowed)
{
    const Scala& c = GetParam();
    Cartella dir;
    const QString target = dir.scrivi("testogdl.txt", "old text\n");
    // A quarter circle and a half circle: their radii square the scaled
    // coordinates.
    setChain(esportazione::sagoma, esportazione::sago_q,
             {ElementRow{ovolo, 0, 0, 50, 50, 0, 0}, ElementRow{toro, 50, 50, 0, 100, 0, 0}});
    storePath(2);
    if (c.linee) {
        setChain(esportazione::sagoma, esportazione::sago_q, {ElementRow{listello, 0, 0, 1e12, 0, 0, 0}});
        setChain(esportazione::percorso, esportazione::perc_q, {ElementRow{listello, 0, 0, 0, 1e12, 0, 0}});
        daticreatred[4] = c.slot;
        daticreatred[5] = c.slot * 100;
    }
    esportazione::profopath = c.solid;
    daticreatred[2] = c.slot;
    daticreatred[3] = c.slot * 100;
    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {target};
    fin_3d& w = shown();
    if (c.typed)
        type(w.efdati3d(0), QString::fromLatin1(c.typed));
    platform::setClipboardText("before");

    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    QTest::mouseClick(w.PushButton2, Qt::LeftButton);

    if (c.refused) {
        EXPECT_EQ(platform::beepCount(), 2);
        EXPECT_EQ(platform::clipboardText(), "before");
        EXPECT_EQ(Cartella::leggi(target), "old text\n");
    } else {
        EXPECT_EQ(platform::beepCount(), 0);
        // (Compared whole: the texts are too long to show.)
        EXPECT_TRUE(platform::clipboardText() == QString::fromStdString(esportazione::esportastringa));
        EXPECT_TRUE(Cartella::leggi(target) == QByteArray::fromStdString(esportazione::esportastringa) + '\n');
    }
    EXPECT_EQ(testsupport::fileNames(dir.percorso("")), QStringList{"testogdl.txt"});
}

INSTANTIATE_TEST_SUITE_P(Create3d, HugeScale,
                         ::testing::Values(Scala{"RevolveDocumentScale", 1, 1e300, nullptr, true},
                                           Scala{"TubeDocumentScale", 0, 1e300, nullptr, true},
                                           Scala{"RevolveTyped301Digits", 1, 1,
                                                 "1"
                                                 "00000000000000000000000000000000000000000000000000"
                                                 "00000000000000000000000000000000000000000000000000"
                                                 "00000000000000000000000000000000000000000000000000"
                                                 "00000000000000000000000000000000000000000000000000"
                                                 "00000000000000000000000000000000000000000000000000"
                                                 "00000000000000000000000000000000000000000000000000",
                                                 true},
                                           Scala{"TubeOfLongLines", 0, 1e300, nullptr, true, true},
                                           Scala{"RevolveOfLongLines", 1, 1e300, nullptr, true, true},
                                           Scala{"RevolveLargeButFinite", 1, 1e100, nullptr, false},
                                           Scala{"TubeOfLongLinesLargeButFinite", 0, 1e100, nullptr, false, true},
                                           Scala{"TubeLargeButFinite", 0, 1e100, nullptr, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A half circle or a quarter circle whose end is its start (a document or a
// modify can store one) has no shape but a well-defined text: its points lie
// on its end point, so "Copy" and "Save.." take it like any other profile.
class ZeroChordProfile : public Create3dWithParam<std::tuple<int, int>> {};

TEST_P(ZeroChordProfile, IsCopiedAndSavedWithoutABeep)
{
    const auto [kind, solid] = GetParam();
    Cartella dir;
    const QString target = dir.percorso("testogdl.txt");
    setChain(esportazione::sagoma, esportazione::sago_q,
             {ElementRow{listello, 0, 0, 50, 0, 0, 0}, ElementRow{double(kind), 50, 0, 0, 0, 0, 0},
              ElementRow{listello, 50, 0, 0, 40, 0, 0}});
    storePath(2);
    esportazione::profopath = solid;
    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {target};
    fin_3d& w = shown();
    platform::setClipboardText("before");

    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    QTest::mouseClick(w.PushButton2, Qt::LeftButton);

    EXPECT_EQ(platform::beepCount(), 0);
    const QString text = QString::fromStdString(esportazione::esportastringa);
    EXPECT_TRUE(text.contains(solid == 1 ? "REVOLVE " : "TUBE ")) << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)));
    EXPECT_EQ(platform::clipboardText(), text);
    EXPECT_EQ(Cartella::leggi(target), text.toLatin1() + '\n');
}

INSTANTIATE_TEST_SUITE_P(Create3d, ZeroChordProfile,
                         ::testing::Combine(::testing::Values(int(toro), int(ovolo)), ::testing::Values(0, 1)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == toro ? "HalfCircle" : "QuarterCircle")
                                    + (std::get<1>(info.param) == 1 ? "Revolve" : "Tube");
                         });
