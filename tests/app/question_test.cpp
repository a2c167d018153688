// The "save the changes?" question before a command discards a modified
// document: each command with each answer, the commands that do not ask,
// and the question's texts in both languages.
#include "app_fixture.h"

#include "editor/fin_principale.h"

#include <QApplication>
#include <QTimer>

namespace {

enum class Comando { New, Open, OpenDocument, Quit, CloseMainWindow };
enum class Risposta { SaveTitled, SaveUntitled, SaveUntitledDialogCancelled, DontSave, Cancel };

const char* nome(Comando c)
{
    switch (c) {
    case Comando::New: return "New";
    case Comando::Open: return "Open";
    case Comando::OpenDocument: return "OpenDocument";
    case Comando::Quit: return "Quit";
    case Comando::CloseMainWindow: return "CloseMainWindow";
    }
    return "";
}
const char* nome(Risposta r)
{
    switch (r) {
    case Risposta::SaveTitled: return "SaveTitled";
    case Risposta::SaveUntitled: return "SaveUntitled";
    case Risposta::SaveUntitledDialogCancelled: return "SaveUntitledDialogCancelled";
    case Risposta::DontSave: return "DontSave";
    case Risposta::Cancel: return "Cancel";
    }
    return "";
}

class Question : public AppTest, public ::testing::WithParamInterface<std::tuple<Comando, Risposta>> {
protected:
    // Runs the command; true when it went ahead.
    bool esegui(Comando c, const QString& altro)
    {
        switch (c) {
        case Comando::New: App::FileNew_Action(); return Forme::poli_q == 0 && Globali::fileattuale.isEmpty();
        case Comando::Open: App::FileOpen_Action(); return Globali::fileattuale == altro;
        case Comando::OpenDocument: App::Event_OpenDocument(altro); return Globali::fileattuale == altro;
        case Comando::Quit: {
            // The event loop ends with 0 when the program quits, or with 42
            // when it is still running a moment later.
            QTimer::singleShot(0, [] { App::quit(); });
            QTimer::singleShot(300, [] { QCoreApplication::exit(42); });
            return QCoreApplication::exec() == 0;
        }
        case Comando::CloseMainWindow: return static_cast<QWidget&>(fin_principale::instance()).close();
        }
        return false;
    }
};

TEST_P(Question, AsksBeforeDiscardingAModifiedDocument)
{
    const auto [comando, risposta] = GetParam();
    avvia();
    const QString altro = percorso(QStringLiteral("altro.mdn"));
    ASSERT_TRUE(App::filesalva(altro));
    App::FileNew_Action();

    const QString titolato = percorso(QStringLiteral("titolato.mdn"));
    const QString scelto = percorso(QStringLiteral("scelto.mdn"));
    if (risposta == Risposta::SaveTitled) {
        ASSERT_TRUE(App::filesalva(titolato));
    }
    disegna();
    const QByteArray modificato = documento::documentBytes(documento::currentDocument());

    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {risposta == Risposta::DontSave ? platform::SaveAnswer::DontSave
                                  : risposta == Risposta::Cancel ? platform::SaveAnswer::Cancel
                                                                 : platform::SaveAnswer::Save};
    dialogs.saveAnswers = {risposta == Risposta::SaveUntitled ? scelto : QString()};
    dialogs.openAnswers = {altro};

    const bool avanti = esegui(comando, altro);

    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    const bool salvato = risposta == Risposta::SaveTitled || risposta == Risposta::SaveUntitled;
    EXPECT_EQ(avanti, salvato || risposta == Risposta::DontSave);
    if (risposta == Risposta::SaveTitled) {
        EXPECT_EQ(leggi(titolato), modificato);
    }
    if (risposta == Risposta::SaveUntitled) {
        EXPECT_EQ(dialogs.saveDefaultNames, std::vector<QString>{"file.mdn"});
        EXPECT_EQ(leggi(scelto), modificato);
    }
    if (!avanti) {
        // Abandoned: the document stays, still modified.
        EXPECT_EQ(documento::documentBytes(documento::currentDocument()), modificato);
        EXPECT_TRUE(Globali::filemodificato);
        EXPECT_EQ(dialogs.opens, 0);
        if (comando == Comando::CloseMainWindow) {
            EXPECT_TRUE(fin_principale::instance().isVisible());
        }
    }
    EXPECT_EQ(platform::beepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Question,
    ::testing::Combine(::testing::Values(Comando::New, Comando::Open, Comando::OpenDocument, Comando::Quit,
                                         Comando::CloseMainWindow),
                       ::testing::Values(Risposta::SaveTitled, Risposta::SaveUntitled,
                                         Risposta::SaveUntitledDialogCancelled, Risposta::DontSave, Risposta::Cancel)),
    [](const auto& info) { return std::string(nome(std::get<0>(info.param))) + "_" + nome(std::get<1>(info.param)); });

class NotModified : public Question {};

TEST_P(NotModified, AsksNothing)
{
    const Comando comando = std::get<0>(GetParam());
    avvia();
    const QString altro = percorso(QStringLiteral("altro.mdn"));
    disegna();
    ASSERT_TRUE(App::filesalva(altro));
    App::FileNew_Action();
    poni(Forme::polilinea, Forme::poli_q, {{0, 0, 0, 5, 5, 0, 0}}); // drawn, then saved
    ASSERT_TRUE(App::filesalva(percorso(QStringLiteral("salvato.mdn"))));

    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {altro};
    EXPECT_TRUE(esegui(comando, altro));
    EXPECT_EQ(dialogs.saveChangesAsked, 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, NotModified,
                         ::testing::Combine(::testing::Values(Comando::New, Comando::Open, Comando::OpenDocument,
                                                              Comando::Quit, Comando::CloseMainWindow),
                                            ::testing::Values(Risposta::Cancel)),
                         [](const auto& info) { return std::string(nome(std::get<0>(info.param))); });

TEST_F(AppTest, QuittingWritesThePreferences)
{
    avvia();
    Globali::local_ita();
    QTimer::singleShot(0, [] { App::quit(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(leggi(App::percorsoPreferenze()).trimmed(), "2");
}

TEST_F(AppTest, TheQuestionSpeaksTheCurrentLanguage)
{
    avvia();
    disegna();
    std::vector<platform::SaveQuestionTexts> asked;
    platform::DialogAnswers answers;
    answers.saveChanges = [&asked](const platform::SaveQuestionTexts& t, QWidget*) {
        asked.push_back(t);
        return platform::SaveAnswer::Cancel;
    };
    platform::setDialogAnswers(answers);

    App::FileNew_Action();
    Globali::local_ita();
    App::FileNew_Action();
    platform::clearDialogAnswers();

    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].save, "Save");
    EXPECT_EQ(asked[0].dontSave, "Don't Save");
    EXPECT_EQ(asked[0].cancel, "Cancel");
    EXPECT_FALSE(asked[0].question.isEmpty());
    EXPECT_EQ(asked[1].save, "Salva");
    EXPECT_EQ(asked[1].dontSave, "Non salvare");
    EXPECT_EQ(asked[1].cancel, "Annulla");
    EXPECT_NE(asked[1].question, asked[0].question);
}

} // namespace
