// Files that are no documents to read: a pipe, a device, a folder and a file
// over the largest size, named on the command line, handed over by the
// system or chosen in File > Open... Each is refused with one beep and a
// message that names it and says why, at once and before anything of it is
// read, and the document stays as it was.
#include "app_fixture.h"

#include "editor/fin_principale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileOpenEvent>

#include <sys/stat.h>

namespace {

enum class Via { CommandLine, HandedOver, OpenDialog };

struct Apertura {
    const char* nome;
    Via via;
};

void PrintTo(const Apertura& a, std::ostream* os) { *os << a.nome; }

QString messaggio(const testsupport::Unreadable& file)
{
    const std::string kind = file.kind;
    const char* motivo = kind == "folder"     ? "It is a folder, not a file."
                         : kind == "oversize" ? "It is larger than 256 MB."
                                              : "It is not a regular file (it is a pipe, a device or the like).";
    return "\"" + file.path + "\" could not be opened.\n\n" + motivo;
}

class Unreadable : public AppTest, public ::testing::WithParamInterface<Apertura> {};

TEST_P(Unreadable, IsRefusedAtOnceWithOneBeepAndChangesNothing)
{
    testsupport::Watchdog watchdog;
    const QString buono = percorso(QStringLiteral("buono.mdn"));
    documento::Document doc;
    doc.drawing.chain.grx = doc.drawing.chain.gry = 10;
    doc.drawing.chain.rows = {ElementRow{0, 0, 0, 10, 10, 0, 0}};
    scrivi(buono, documento::documentBytes(doc));
    const std::vector<testsupport::Unreadable> files = testsupport::unreadableFiles(percorso(QString()),
                                                                                    documento::documentBytes(doc));

    if (GetParam().via == Via::CommandLine) {
        // Good documents around them are opened all the same.
        // One message lists every refused one.
        QStringList documenti, messaggi;
        for (const testsupport::Unreadable& file : files) {
            documenti << file.path << buono;
            messaggi << messaggio(file);
        }
        testsupport::DialogScript dialogs;
        App::startUp(documenti);
        EXPECT_EQ(Globali::fileattuale, buono);
        EXPECT_EQ(Forme::poli_q, 1);
        EXPECT_EQ(platform::beepCount(), static_cast<int>(files.size()));
        EXPECT_EQ(dialogs.failures,
                  std::vector<QString>{QStringLiteral("%1 documents could not be opened:\n\n").arg(files.size())
                                       + messaggi.join("\n\n")});
        EXPECT_EQ(dialogs.failureWindows, std::vector<QWidget*>{&fin_principale::instance()});
        return;
    }
    avvia();
    for (const testsupport::Unreadable& file : files) {
        SCOPED_TRACE(file.kind);
        Globali::apri_file(buono);
        disegna();
        const Stato prima = stato();
        platform::resetBeepCount();
        testsupport::DialogScript dialogs;
        dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
        dialogs.openAnswers = {file.path};
        if (GetParam().via == Via::HandedOver) {
            QFileOpenEvent event(file.path);
            QCoreApplication::sendEvent(qApp, &event);
        } else {
            App::FileOpen_Action();
            EXPECT_EQ(dialogs.opens, 1);
        }
        EXPECT_EQ(dialogs.saveChangesAsked, 1);
        EXPECT_EQ(platform::beepCount(), 1);
        EXPECT_EQ(dialogs.failures, std::vector<QString>{messaggio(file)});
        EXPECT_TRUE(stato() == prima);
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, Unreadable,
                         ::testing::Values(Apertura{"CommandLine", Via::CommandLine},
                                           Apertura{"HandedOver", Via::HandedOver},
                                           Apertura{"OpenDialog", Via::OpenDialog}),
                         [](const auto& info) { return std::string(info.param.nome); });

// The preferences file is read the same way: what is no regular file is
// as if there were none, and the program starts in English.
TEST_F(AppTest, PreferencesThatAreNoRegularFileCountAsNone)
{
    testsupport::Watchdog watchdog;
    QDir().mkpath(QFileInfo(App::percorsoPreferenze()).path());
    ASSERT_EQ(mkfifo(QFile::encodeName(App::percorsoPreferenze()).constData(), 0600), 0);
    avvia();
    EXPECT_EQ(Globali::lingua, 1);
}

} // namespace
