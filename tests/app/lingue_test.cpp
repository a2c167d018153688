// The two interface languages: every text of the menu bar and of the
// "Create 3D" window, and what neither language touches.
#include "app_fixture.h"

#include "app/lingue.h"
#include "app/tendine.h"
#include "create3d/fin_3d.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

struct Testo {
    const char* bersaglio;
    const char* english;
    const char* italiano;
};

const Testo kMenu[] = {
    {"FileMenu", "File", "Archivio"},
    {"FileNew", "New", "Nuovo"},
    {"FileOpen", "Open..", "Apri.."},
    {"FileSave", "Save", "Registra"},
    {"FileSaveas", "Save as..", "Registra come.."},
    {"FileCreate3D", "Create 3D..", "Crea 3D.."},
    {"FileQuit", "Quit", "Esci"},
    {"EditUndo", "Undo", "Annulla"},
    {"EditCut", "Cut", "Taglia"},
    {"EditCopy", "Copy", "Copia"},
    {"EditPaste", "Paste", "Incolla"},
    {"EditClear", "Clear", "Cancella"},
    // Not switched.
    {"EditMenu", "&Edit", "&Edit"},
    {"AppleModanovainfo", "Modanova info..", "Modanova info.."},
    {"UntitledMenu0", "-", "-"},
    {"UntitledMenu3", "-", "-"},
};

QString testo3d(const fin_3d& w, const QString& target)
{
    const std::map<QString, const QAbstractButton*> buttons = {
        {"bottone_s_o", w.bottone_s_o}, {"bottone_s_e", w.bottone_s_e}, {"bottone_p_o", w.bottone_p_o},
        {"bottone_p_e", w.bottone_p_e}, {"CheckB(0)", w.CheckB(0)},     {"CheckB(1)", w.CheckB(1)},
        {"CheckB(2)", w.CheckB(2)},     {"CheckB(3)", w.CheckB(3)},     {"PushButton2", w.PushButton2},
        {"PushButton3", w.PushButton3}, {"PushButton1", w.PushButton1},
    };
    const std::map<QString, const QLabel*> labels = {
        {"StaticText1", w.StaticText1}, {"StaticText2", w.StaticText2},   {"StaticT1", w.StaticT1},
        {"StaticT2", w.StaticT2},       {"StaticText5", w.StaticText5},   {"StaticText6", w.StaticText6},
        {"StaticText3", w.StaticText3}, {"StaticText17", w.StaticText17},
    };
    if (target == "fin_3d")
        return w.title();
    if (buttons.count(target))
        return buttons.at(target)->text();
    return labels.at(target)->text();
}

const Testo k3d[] = {
    {"fin_3d", "Create GDL 3D text", "Crea testo GDL 3D"},
    {"StaticText1", "Profile", "Profilo"},
    {"StaticText2", "Path", "Percorso"},
    {"StaticT1", "Arc resolution for 90 degrees", "Risoluzione archi per 90 gradi"},
    {"StaticT2", "Arc resolution for 90 degrees", "Risoluzione archi per 90 gradi"},
    {"StaticText5", "Scale factor", "Fattore di scala"},
    {"StaticText6", "Scale factor", "Fattore di scala"},
    {"StaticText3", "Revolution angle", "Angolo di rivoluzione"},
    {"StaticText17", "Start/end angles", "Angoli inizio/fine"},
    {"bottone_s_o", "Open as profile..", "Apri come profilo.."},
    {"bottone_s_e", "Edit profile..", "Modifica profilo.."},
    {"bottone_p_o", "Open as path..", "Apri come percorso.."},
    {"bottone_p_e", "Edit path..", "Modifica percorso.."},
    {"CheckB(0)", "Solid", "Solido"},
    {"CheckB(1)", "Structured", "Strutturato"},
    {"CheckB(2)", "Closed", "Chiuso"},
    {"CheckB(3)", "Virtual edges", "Spigoli virtuali"},
    {"PushButton2", "Save..", "Registra.."},
    {"PushButton3", "Copy", "Copia"},
    {"PushButton1", "Done", "Chiudi"},
};

void controlla(bool italiano)
{
    for (const Testo& t : kMenu) {
        const QAction* a = Tendine::instance().item(t.bersaglio);
        ASSERT_NE(a, nullptr) << t.bersaglio;
        EXPECT_EQ(a->text(), italiano ? t.italiano : t.english) << t.bersaglio;
    }
    // The window's texts change while it is hidden, too.
    const fin_3d& w = fin_3d::instance();
    EXPECT_FALSE(w.isVisible());
    for (const Testo& t : k3d)
        EXPECT_EQ(testo3d(w, t.bersaglio), italiano ? t.italiano : t.english) << t.bersaglio;
}

TEST(Languages, EachRoutineWritesItsColumnOfTheTable)
{
    Globali::local_ita();
    EXPECT_EQ(Globali::lingua, 2);
    controlla(true);
    Globali::local_ita(); // twice: every text as it was
    controlla(true);

    Globali::local_usa();
    EXPECT_EQ(Globali::lingua, 1);
    controlla(false);
    Globali::local_usa();
    controlla(false);
}

// Each text of the program's table has a place to go, so none is dropped.
TEST(Languages, EveryTextOfTheTableHasItsPlace)
{
    for (const lingue::Testo& t : lingue::testi())
        EXPECT_TRUE(lingue::scrivi(t.bersaglio, QString::fromUtf8(t.english))) << static_cast<int>(t.bersaglio);
}

// Qt's own buttons and dialogs follow the interface: a standard button made
// while the interface is Italian says "Annulla", and English again after.
TEST(Languages, QtsOwnTextsFollowTheInterface)
{
    const auto cancel = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    Globali::local_ita();
    EXPECT_EQ(cancel(), "Annulla");
    Globali::local_ita();
    EXPECT_EQ(cancel(), "Annulla");
    Globali::local_usa();
    EXPECT_EQ(cancel(), "Cancel");
    Globali::local_ita();
    EXPECT_EQ(cancel(), "Annulla");
}

// The real file dialogs filter by the types' names in the interface's
// language, with the extensions as they were: documents in Open.. and Save
// as.., the GDL text in the "Create 3D" window's Save...
TEST_F(AppTest, FileDialogsNameTheTypesInTheInterfacesLanguage)
{
    avvia();
    // A stored profile to turn: "Save.." is enabled.
    poni(esportazione::sagoma, esportazione::sago_q, {{0, 0, 0, 50, 0, 0, 0}, {2, 50, 0, 30, 30, 0, 0}});
    esportazione::profopath = 1;
    // The filters of the dialog the command opens, which is then cancelled.
    const auto filtri = [](const std::function<void()>& comando) {
        auto letti = std::make_shared<QStringList>();
        QTimer::singleShot(0, [letti] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                *letti = dialog->nameFilters();
                dialog->reject();
            }
        });
        comando();
        return *letti;
    };
    struct Caso {
        bool italiano;
        const char* documenti;
        const char* testo;
    };
    for (const Caso& c : {Caso{true, "Documenti Modanova (*.mdn)", "Testo (*.txt)"},
                          Caso{false, "Modanova documents (*.mdn)", "Text (*.txt)"}}) {
        SCOPED_TRACE(c.documenti);
        if (c.italiano)
            Globali::local_ita();
        else
            Globali::local_usa();
        Tendine& bar = Tendine::instance();
        EXPECT_EQ(filtri([&] { bar.item("FileOpen")->trigger(); }), QStringList{c.documenti});
        EXPECT_EQ(filtri([&] { bar.item("FileSaveas")->trigger(); }), QStringList{c.documenti});
        bar.item("FileCreate3D")->trigger();
        fin_3d& w = fin_3d::instance();
        ASSERT_TRUE(w.isVisible());
        EXPECT_EQ(filtri([&] { QTest::mouseClick(w.PushButton2, Qt::LeftButton); }), QStringList{c.testo});
        QTest::mouseClick(w.PushButton1, Qt::LeftButton);
        testsupport::processEvents();
        EXPECT_FALSE(w.isVisible());
    }
}

} // namespace
