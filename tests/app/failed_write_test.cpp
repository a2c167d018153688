// Saves that fail while writing, as on a full disk: a file-size limit stops
// the write after the file was opened, at its first byte or part-way. The old
// file keeps its bytes, nothing is left beside it, the beep sounds, and the
// current file and the modified mark stay as they were.
#include "app_fixture.h"

namespace {

enum class Comando { Save, SaveAs, SaveQuestionBeforeNew };

struct Salvataggio {
    const char* nome;
    Comando comando;
    bool meta; // the limit half-way through the new text, else at its start
};

void PrintTo(const Salvataggio& s, std::ostream* os) { *os << s.nome; }

class FailedWrite : public AppTest, public ::testing::WithParamInterface<Salvataggio> {};

TEST_P(FailedWrite, KeepsTheOldFileTheCurrentFileAndTheMark)
{
    const Salvataggio& c = GetParam();
    avvia();
    const QString doc = percorso(QStringLiteral("doc.mdn"));
    ASSERT_TRUE(App::filesalva(doc));
    const QByteArray vecchio = leggi(doc);
    disegna();
    const QByteArray nuovo = documento::documentBytes(documento::currentDocument());
    ASSERT_GT(nuovo.size(), vecchio.size());
    const Stato prima = stato();

    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {doc};
    dialogs.saveChangesAnswers = {platform::SaveAnswer::Save};
    platform::resetBeepCount();
    {
        testsupport::FileSizeLimit limite(c.meta ? nuovo.size() / 2 : 0);
        switch (c.comando) {
        case Comando::Save: App::FileSave_Action(); break;
        case Comando::SaveAs: App::FileSaveas_Action(); break;
        case Comando::SaveQuestionBeforeNew: App::FileNew_Action(); break;
        }
    }

    EXPECT_EQ(leggi(doc), vecchio);
    EXPECT_EQ(testsupport::fileNames(percorso(QString())), (QStringList{"config", "doc.mdn"}));
    EXPECT_EQ(platform::beepCount(), 1);
    // The New that the failed save was to allow did not happen either.
    EXPECT_TRUE(stato() == prima);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Globali::fileattuale, doc);

    // Without the limit the same command saves.
    platform::resetBeepCount();
    App::FileSave_Action();
    EXPECT_EQ(leggi(doc), nuovo);
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(platform::beepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Documents, FailedWrite,
                         ::testing::Values(Salvataggio{"Save_AtTheStart", Comando::Save, false},
                                           Salvataggio{"Save_HalfWay", Comando::Save, true},
                                           Salvataggio{"SaveAs_AtTheStart", Comando::SaveAs, false},
                                           Salvataggio{"SaveAs_HalfWay", Comando::SaveAs, true},
                                           Salvataggio{"SaveQuestion_AtTheStart", Comando::SaveQuestionBeforeNew,
                                                       false},
                                           Salvataggio{"SaveQuestion_HalfWay", Comando::SaveQuestionBeforeNew, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AppTest, PreferencesThatCannotBeWrittenKeepTheirOldTextAndBeep)
{
    scrivi(App::percorsoPreferenze(), "1\n");
    avvia();
    Globali::local_ita();
    {
        testsupport::FileSizeLimit limite(0);
        App::Event_Close();
    }
    EXPECT_EQ(leggi(App::percorsoPreferenze()), "1\n");
    EXPECT_EQ(testsupport::fileNames(QFileInfo(App::percorsoPreferenze()).path()), QStringList{"mdnvprfs.txt"});
    EXPECT_EQ(platform::beepCount(), 1);
}

} // namespace
