// A command that puts another document in place while "Create 3D" is shown
// (File > New, File > Open.. by their shortcuts typed in that window, a
// document handed over by the system) ends the visit first, as "Done" does.
// Nothing of the document that went is copied, shown again or saved: the
// next visit shows the document there is, "Copy" gives its statement (or
// cannot be pressed after New), and a later save writes its settings and
// the editor's arc resolution.
#include "app_fixture.h"

#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_principale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileOpenEvent>
#include <QTest>

namespace {

constexpr int kRotX = 11; // the settings slot of the rotation about x

fin_forme& palette() { return fin_forme::instance(); }
fin_3d& create3d() { return fin_3d::instance(); }
void press(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// A document with a drawn line, a stored profile (a line and a quarter
// curve) and a stored path, its editor's arc resolution and its rotation
// about x; the revolution angle is 270.
QByteArray documento(int risoluzione, double rotx)
{
    documento::Document d;
    d.drawing.risoluzione = risoluzione;
    d.drawing.risoluzioneScritta = risoluzione;
    d.drawing.chain = {10, 10, {{0, 0, 0, 100, 0, 0, 0}}};
    d.settings = {8, 8, 1, 100, 1, 100, 2, 1, 1, 1, 270, rotx, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    d.profile = {10, 10, {{0, 0, 0, 50, 0, 0, 0}, {2, 50, 0, 30, 30, 0, 0}}};
    d.path = {10, 10, {{0, 0, 0, 0, 200, 0, 0}}};
    return documento::documentBytes(d);
}

// What a saved document holds of what these tests follow.
struct Salvato {
    int risoluzione;
    double rotx;
};
Salvato salvato(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const std::optional<documento::Document> d = documento::parseDocument(f.readAll());
    if (!d) {
        ADD_FAILURE() << "not a document: " << path.toStdString();
        return {0, 0};
    }
    return {d->drawing.risoluzione, d->settings[kRotX]};
}

class DocumentDuringAVisit : public AppTest {
protected:
    // Starts with the first document (rotation 57 about x, arc resolution
    // 12) open, and the second one (15, 20) beside it.
    void SetUp() override
    {
        AppTest::SetUp();
        primo = percorso(QStringLiteral("primo.mdn"));
        secondo = percorso(QStringLiteral("secondo.mdn"));
        scrivi(primo, documento(12, 57));
        scrivi(secondo, documento(20, 15));
        avvia({primo});
        ASSERT_EQ(Globali::fileattuale, primo);
        ASSERT_EQ(Forme::risoluzione, 12);
    }

    // "3D", the revolution chosen, and a click into the field of the
    // rotation about x: the window as the user leaves it for a command.
    static void visitaConRivoluzione()
    {
        press(palette().bot_3d);
        ASSERT_TRUE(create3d().inVisita());
        press(create3d().bot_exp(1));
        ASSERT_EQ(create3d().efdatialfa3d(kRotX)->text(), "57");
        QTest::mouseClick(create3d().efdatialfa3d(kRotX), Qt::LeftButton);
        testsupport::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), create3d().efdatialfa3d(kRotX));
    }

    static void ctrl(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        testsupport::processEvents();
    }

    static void expectVisitEnded()
    {
        EXPECT_FALSE(create3d().isVisible());
        EXPECT_FALSE(create3d().inVisita());
        EXPECT_TRUE(fin_principale::instance().isVisible());
        EXPECT_TRUE(palette().isVisible());
    }

    QString primo, secondo;
};

enum class Comando { NewByItsShortcut, OpenByItsShortcut, DocumentHandedOver };

struct Caso {
    const char* nome;
    Comando comando;
    double rotx;     // the rotation about x of the document there is after it
    int risoluzione; // the editor's arc resolution after it
    bool copia;      // whether the next visit can copy a statement
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class CommandDuringAVisit : public DocumentDuringAVisit, public ::testing::WithParamInterface<Caso> {};

TEST_P(CommandDuringAVisit, LeavesNothingOfTheDocumentThatWent)
{
    const Caso& c = GetParam();
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {secondo};
    visitaConRivoluzione();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    switch (c.comando) {
    case Comando::NewByItsShortcut: QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier); break;
    case Comando::OpenByItsShortcut:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
        break;
    case Comando::DocumentHandedOver: {
        // It comes while the window waits for the user, and opens at once.
        QFileOpenEvent event(secondo);
        QCoreApplication::sendEvent(qApp, &event);
        break;
    }
    }
    // The window system's news of the hidden window comes after the
    // command: a field that heard of its loss of the keyboard only then
    // would store its text into the settings of the document there is.
    testsupport::processEvents();
    QTest::qWait(50);

    EXPECT_EQ(dialogs.saveChangesAsked, 0) << "nothing was changed";
    expectVisitEnded();
    EXPECT_EQ(esportazione::daticreatred[kRotX], c.rotx);
    EXPECT_EQ(Forme::risoluzione, c.risoluzione);
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    // The next visit shows the document there is, and "Copy" gives its
    // statement; after New there is nothing to copy.
    press(palette().bot_3d);
    ASSERT_TRUE(create3d().inVisita());
    EXPECT_EQ(create3d().efdatialfa3d(kRotX)->text(), QString::number(c.rotx));
    EXPECT_EQ(create3d().PushButton3->isEnabled(), c.copia);
    press(create3d().PushButton3);
    if (c.copia) {
        EXPECT_TRUE(
            QGuiApplication::clipboard()->text().startsWith(QStringLiteral("ROTX 15\rROTY -90+0\rROTZ 0\rREVOLVE ")))
            << QGuiApplication::clipboard()->text().toStdString();
    } else {
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    }

    // "Done", and a save writes the settings and the arc resolution of the
    // document there is.
    press(create3d().PushButton1);
    const QString copia = percorso(QStringLiteral("copia.mdn"));
    dialogs.saveAnswers = {copia};
    Tendine::instance().item(QStringLiteral("FileSaveas"))->trigger();
    const Salvato s = salvato(copia);
    EXPECT_EQ(s.rotx, c.rotx);
    EXPECT_EQ(s.risoluzione, c.risoluzione);
    // The document that went is as it was.
    EXPECT_EQ(salvato(primo).rotx, 57.0);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandDuringAVisit,
                         ::testing::Values(Caso{"NewByItsShortcut", Comando::NewByItsShortcut, 0.0, 12, false},
                                           Caso{"OpenByItsShortcut", Comando::OpenByItsShortcut, 15.0, 20, true},
                                           Caso{"DocumentHandedOver", Comando::DocumentHandedOver, 15.0, 20, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// A setting typed during the visit marks the document; Ctrl+O then asks.
// Save keeps it (with the editor's arc resolution, not the previews' 6) and
// Don't Save drops it, and either way the visit ends as the second document
// comes; Cancel leaves the visit and the typed value as they were.
struct Risposta {
    const char* nome;
    platform::SaveAnswer risposta;
    double rotxSalvata; // the first document's rotation about x on disk
    bool visitaFinita;
};

void PrintTo(const Risposta& r, std::ostream* os) { *os << r.nome; }

class SaveQuestionDuringAVisit : public DocumentDuringAVisit, public ::testing::WithParamInterface<Risposta> {};

TEST_P(SaveQuestionDuringAVisit, EndsTheVisitOnlyWhenTheDocumentGoes)
{
    const Risposta& r = GetParam();
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {secondo};
    dialogs.saveChangesAnswers = {r.risposta};
    visitaConRivoluzione();
    platform::EditField* field = create3d().efdatialfa3d(kRotX);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("33"));
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_TRUE(Globali::filemodificato);

    ctrl(Qt::Key_O);
    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    const Salvato s = salvato(primo);
    EXPECT_EQ(s.rotx, r.rotxSalvata);
    EXPECT_EQ(s.risoluzione, 12);
    if (r.visitaFinita) {
        expectVisitEnded();
        EXPECT_EQ(Globali::fileattuale, secondo);
        EXPECT_EQ(esportazione::daticreatred[kRotX], 15.0);
        EXPECT_EQ(Forme::risoluzione, 20);
    } else {
        EXPECT_TRUE(create3d().inVisita());
        EXPECT_EQ(Globali::fileattuale, primo);
        EXPECT_EQ(field->text(), "33");
        EXPECT_EQ(esportazione::daticreatred[kRotX], 33.0);
        EXPECT_EQ(Forme::risoluzione, 12);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionDuringAVisit,
                         ::testing::Values(Risposta{"Save", platform::SaveAnswer::Save, 33.0, true},
                                           Risposta{"DontSave", platform::SaveAnswer::DontSave, 57.0, true},
                                           Risposta{"Cancel", platform::SaveAnswer::Cancel, 57.0, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace
