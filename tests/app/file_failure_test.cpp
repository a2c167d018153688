// A file command that fails says so: besides the beep, one message over the
// main window names the file and the reason, in the interface's language,
// and nothing else changes (the old file, the document, the current file,
// the modified mark; the New that a failed save was to allow does not
// happen). Every failure is met on the real file system.
#include "app_fixture.h"

#include "app/lingue.h"
#include "app/tendine.h"
#include "editor/fin_principale.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileOpenEvent>

#include <optional>

#include <sys/stat.h>

namespace {

struct Lingua {
    const char* nome;
    bool italiano;
};

// A target no document can be written at, and the reason in both languages.
struct Bersaglio {
    const char* nome;
    QString (*prepara)(const QDir& dir);
    long long limite; // a file-size limit while saving, or -1
    bool permessi;    // permissions hold, also for root
    bool immutabile;  // the target is made immutable while saving
    const char* english;
    const char* italiano;
};

const Bersaglio kBersagli[] = {
    {"size_limit", [](const QDir& d) { return d.filePath("doc.mdn"); }, 0, false, false,
     "The file would be larger than the system allows.",
     "Il file supererebbe la dimensione massima che il sistema consente."},
    {"missing_folder", [](const QDir& d) { return d.filePath("manca/doc.mdn"); }, -1, false, false,
     "The folder does not exist.", "La cartella non esiste."},
    {"folder_is_a_file",
     [](const QDir& d) {
         QFile f(d.filePath("file"));
         f.open(QIODevice::WriteOnly);
         return d.filePath("file/doc.mdn");
     },
     -1, false, false, "The folder does not exist.", "La cartella non esiste."},
    {"read_only_folder",
     [](const QDir& d) {
         d.mkdir("chiusa");
         QFile::setPermissions(d.filePath("chiusa"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         return d.filePath("chiusa/doc.mdn");
     },
     -1, true, false, "There is no permission to write in that folder.",
     "Non si ha il permesso di scrivere in quella cartella."},
    {"name_too_long", [](const QDir& d) { return d.filePath(QString(300, 'n') + ".mdn"); }, -1, false, false,
     "The name is not allowed.", "Il nome non è consentito."},
    // A file that is there and cannot be replaced, in a folder that may be
    // written. An empty path: this machine cannot make the case.
    {"immutable_file",
     [](const QDir& d) {
         QFile f(d.filePath("doc.mdn"));
         f.open(QIODevice::WriteOnly);
         f.write("vecchio");
         return f.fileName();
     },
     -1, false, true, "The file itself cannot be replaced: it is locked or protected against changes.",
     "Il file stesso non può essere sostituito: è bloccato o protetto dalle modifiche."},
    {"another_users_file_in_a_sticky_folder",
     [](const QDir& d) {
         d.mkdir("comune");
         return testsupport::anotherUsersFile(d.filePath("comune"), "doc.mdn");
     },
     -1, true, false, "The file itself cannot be replaced: it is locked or protected against changes.",
     "Il file stesso non può essere sostituito: è bloccato o protetto dalle modifiche."},
};

enum class Comando { Save, SaveAs, SaveQuestionBeforeNew };

struct Salvataggio {
    Bersaglio bersaglio;
    Comando comando;
    Lingua lingua;
};

void PrintTo(const Salvataggio& s, std::ostream* os) { *os << s.bersaglio.nome << "_" << s.lingua.nome; }

class SaveFailure : public AppTest, public ::testing::WithParamInterface<Salvataggio> {};

TEST_P(SaveFailure, NamesTheFileAndTheReasonAndChangesNothing)
{
    const Salvataggio& c = GetParam();
    avvia();
    if (c.lingua.italiano)
        Globali::local_ita();
    const QDir dir(percorso(QString()));
    const QString target = c.bersaglio.prepara(dir);
    if (target.isEmpty())
        GTEST_SKIP() << "this user may not give a file to another";
    std::optional<testsupport::Immutable> immutabile;
    if (c.bersaglio.immutabile) {
        immutabile.emplace(target);
        if (!immutabile->held())
            GTEST_SKIP() << "the file system or this user may not make a file immutable";
    }
    const QByteArray vecchio = leggi(target);
    // The document was saved there once (or so it believes): Save and the
    // save question write to it again.
    disegna();
    if (c.comando != Comando::SaveAs)
        Globali::setFileAttuale(target);
    const Stato prima = stato();
    const QStringList file = testsupport::fileNames(dir.path());

    testsupport::DialogScript dialogs;
    dialogs.saveAnswers = {target};
    dialogs.saveChangesAnswers = {platform::SaveAnswer::Save};
    platform::resetBeepCount();
    {
        std::optional<testsupport::FileSizeLimit> limite;
        if (c.bersaglio.limite >= 0)
            limite.emplace(c.bersaglio.limite);
        std::optional<testsupport::PermissionsHold> permessi;
        if (c.bersaglio.permessi)
            permessi.emplace();
        Tendine& bar = Tendine::instance();
        switch (c.comando) {
        case Comando::Save: bar.item("FileSave")->trigger(); break;
        case Comando::SaveAs: bar.item("FileSaveas")->trigger(); break;
        case Comando::SaveQuestionBeforeNew: bar.item("FileNew")->trigger(); break;
        }
    }

    const QString testo = c.lingua.italiano ? QStringLiteral("Impossibile registrare \"%1\".\n\n%2")
                                            : QStringLiteral("\"%1\" could not be saved.\n\n%2");
    EXPECT_EQ(dialogs.failures,
              std::vector<QString>{testo.arg(
                  target, QString::fromUtf8(c.lingua.italiano ? c.bersaglio.italiano : c.bersaglio.english))});
    EXPECT_EQ(dialogs.failureWindows, std::vector<QWidget*>{&fin_principale::instance()});
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_TRUE(stato() == prima);
    EXPECT_EQ(testsupport::fileNames(dir.path()), file);
    EXPECT_EQ(leggi(target), vecchio);
}

std::vector<Salvataggio> salvataggi()
{
    std::vector<Salvataggio> out;
    for (const Lingua lingua : {Lingua{"English", false}, Lingua{"Italian", true}})
        for (const Bersaglio& b : kBersagli)
            out.push_back({b, Comando::SaveAs, lingua});
    // Every command that saves meets the failure the same way.
    out.push_back({kBersagli[0], Comando::Save, {"English", false}});
    out.push_back({kBersagli[1], Comando::SaveQuestionBeforeNew, {"Italian", true}});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Documents, SaveFailure, ::testing::ValuesIn(salvataggi()), [](const auto& info) {
    const Salvataggio& s = info.param;
    const char* comando = s.comando == Comando::Save     ? "Save"
                          : s.comando == Comando::SaveAs ? "SaveAs"
                                                         : "SaveQuestion";
    return std::string(comando) + "_" + s.bersaglio.nome + "_" + s.lingua.nome;
});

// A file that is no document to open, and the reason in both languages.
struct Rifiuto {
    const char* nome;
    QString (*prepara)(const QDir& dir);
    bool permessi;
    const char* english;
    const char* italiano;
};

QString scritto(const QDir& d, const char* nome, const QByteArray& bytes)
{
    QFile f(d.filePath(nome));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}

const Rifiuto kRifiuti[] = {
    {"missing", [](const QDir& d) { return d.filePath("nessuno.mdn"); }, false, "The file does not exist.",
     "Il file non esiste."},
    {"unreadable",
     [](const QDir& d) {
         const QString path = scritto(d, "segreto.mdn", "8\r");
         QFile::setPermissions(path, QFileDevice::Permissions());
         return path;
     },
     true, "There is no permission to read it.", "Non si ha il permesso di leggerlo."},
    {"folder",
     [](const QDir& d) {
         d.mkdir("cartella.mdn");
         return d.filePath("cartella.mdn");
     },
     false, "It is a folder, not a file.", "È una cartella, non un file."},
    {"fifo",
     [](const QDir& d) {
         const QString path = d.filePath("pipe.mdn");
         mkfifo(QFile::encodeName(path).constData(), 0600);
         return path;
     },
     false, "It is not a regular file (it is a pipe, a device or the like).",
     "Non è un file normale (è una pipe, un dispositivo o simile)."},
    {"oversize",
     [](const QDir& d) {
         const QString path = scritto(d, "grande.mdn", "8\r");
         QFile(path).resize(256LL * 1024 * 1024 + 1);
         return path;
     },
     false, "It is larger than 256 MB.", "È più grande di 256 MB."},
    {"garbage", [](const QDir& d) { return scritto(d, "testo.mdn", "hello\rworld\r"); }, false,
     "It is not a Modanova document.", "Non è un documento Modanova."},
    {"truncated", [](const QDir& d) { return scritto(d, "tronco.mdn", "8\r10\r10\r-1\r0\r"); }, false,
     "It is damaged: it ends before line 6, which should hold a 3-D setting, a decimal number.",
     "È danneggiato: finisce prima della riga 6, che dovrebbe contenere un'impostazione 3D, un numero decimale."},
    {"word_in_a_row", [](const QDir& d) { return scritto(d, "parola.mdn", "8\r10\r10\r0\r0\r0\rx\r0\r0\r0\r0\r"); },
     false, "It is damaged: line 7 should hold a value of an element, a decimal number.",
     "È danneggiato: la riga 7 dovrebbe contenere un valore di un elemento, un numero decimale."},
};

enum class Via { OpenDialog, HandedOver };

struct Apertura {
    Rifiuto rifiuto;
    Via via;
    Lingua lingua;
};

void PrintTo(const Apertura& a, std::ostream* os) { *os << a.rifiuto.nome << "_" << a.lingua.nome; }

class OpenFailure : public AppTest, public ::testing::WithParamInterface<Apertura> {};

TEST_P(OpenFailure, NamesTheFileAndTheReasonAndChangesNothing)
{
    testsupport::Watchdog watchdog;
    const Apertura& c = GetParam();
    avvia();
    if (c.lingua.italiano)
        Globali::local_ita();
    const QDir dir(percorso(QString()));
    const QString file = c.rifiuto.prepara(dir);
    const QString mio = percorso(QStringLiteral("mio.mdn"));
    ASSERT_TRUE(App::filesalva(mio));
    disegna();
    const Stato prima = stato();

    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {file};
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    platform::resetBeepCount();
    {
        std::optional<testsupport::PermissionsHold> permessi;
        if (c.rifiuto.permessi)
            permessi.emplace();
        if (c.via == Via::HandedOver) {
            QFileOpenEvent event(file);
            QCoreApplication::sendEvent(qApp, &event);
        } else {
            Tendine::instance().item("FileOpen")->trigger();
        }
    }

    const QString testo = c.lingua.italiano ? QStringLiteral("Impossibile aprire \"%1\".\n\n%2")
                                            : QStringLiteral("\"%1\" could not be opened.\n\n%2");
    EXPECT_EQ(dialogs.failures,
              std::vector<QString>{
                  testo.arg(file, QString::fromUtf8(c.lingua.italiano ? c.rifiuto.italiano : c.rifiuto.english))});
    EXPECT_EQ(dialogs.failureWindows, std::vector<QWidget*>{&fin_principale::instance()});
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_TRUE(stato() == prima);
}

std::vector<Apertura> aperture()
{
    std::vector<Apertura> out;
    for (const Lingua lingua : {Lingua{"English", false}, Lingua{"Italian", true}})
        for (const Rifiuto& r : kRifiuti)
            out.push_back({r, Via::OpenDialog, lingua});
    out.push_back({kRifiuti[5], Via::HandedOver, {"English", false}});
    out.push_back({kRifiuti[6], Via::HandedOver, {"Italian", true}});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Documents, OpenFailure, ::testing::ValuesIn(aperture()), [](const auto& info) {
    const Apertura& a = info.param;
    return std::string(a.via == Via::OpenDialog ? "Open_" : "HandedOver_") + a.rifiuto.nome + "_" + a.lingua.nome;
});

// Several documents named at start that are each refused: one message lists
// them, in the order they were named; each beeps.
TEST_F(AppTest, DocumentsNamedAtStartThatAreRefusedAreListedInOneMessage)
{
    const QDir dir(percorso(QString()));
    const QString testo = scritto(dir, "testo.mdn", "hello\r");
    const QString manca = dir.filePath("manca.mdn");
    scrivi(App::percorsoPreferenze(), "2\r");
    testsupport::DialogScript dialogs;
    App::startUp({testo, manca});
    EXPECT_EQ(dialogs.failures, std::vector<QString>{"Impossibile aprire 2 documenti:\n\n"
                                                     "Impossibile aprire \""
                                                     + testo
                                                     + "\".\n\nNon è un documento Modanova.\n\n"
                                                       "Impossibile aprire \""
                                                     + manca + "\".\n\nIl file non esiste."});
    EXPECT_EQ(platform::beepCount(), 2);
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_FALSE(Globali::filemodificato);
}

} // namespace

namespace {

// A full disk cannot be made here; its error numbers, and one the program
// has no words of its own for, give these reasons.
TEST_F(AppTest, AFullDiskAndOtherSystemErrorsAreNamed)
{
    struct Caso {
        int code;
        const char* english;
        const char* italiano;
    };
    const Caso casi[] = {
        {ENOSPC, "The disk or the file system is full.", "Il disco o il file system è pieno."},
        {EDQUOT, "The disk or the file system is full.", "Il disco o il file system è pieno."},
        {EIO, "The system reported: Input/output error.", "Il sistema ha segnalato: Input/output error."},
    };
    avvia();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.code);
        Globali::lingua = 1;
        EXPECT_EQ(lingue::erroreSalvataggio("/d/doc.mdn", platform::writeError(c.code)),
                  "\"/d/doc.mdn\" could not be saved.\n\n" + QString::fromUtf8(c.english));
        Globali::lingua = 2;
        EXPECT_EQ(lingue::erroreSalvataggio("/d/doc.mdn", platform::writeError(c.code)),
                  "Impossibile registrare \"/d/doc.mdn\".\n\n" + QString::fromUtf8(c.italiano));
    }
}

} // namespace
