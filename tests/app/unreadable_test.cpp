// Files that are no documents to read: a pipe, a device, a folder and a file
// over the largest size, named on the command line, handed over by the
// system or chosen in File > Open... Each is refused with one beep, at once
// and before anything of it is read, and the document stays as it was.
#include "app_fixture.h"

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

class Unreadable : public AppTest, public ::testing::WithParamInterface<Apertura> {};

TEST_P(Unreadable, IsRefusedAtOnceWithOneBeepAndChangesNothing)
{
    testsupport::Watchdog watchdog;
    const QString buono = percorso(QStringLiteral("buono.mdn"));
    documento::Document doc;
    doc.drawing.chain.grx = doc.drawing.chain.gry = 10;
    doc.drawing.chain.rows = {ElementRow{0, 0, 0, 10, 10, 0, 0}};
    scrivi(buono, documento::documentBytes(doc));
    const std::vector<testsupport::Unreadable> files =
        testsupport::unreadableFiles(percorso(QString()), documento::documentBytes(doc));

    if (GetParam().via == Via::CommandLine) {
        // Good documents around them are opened all the same.
        QStringList documenti;
        for (const testsupport::Unreadable& file : files)
            documenti << file.path << buono;
        App::startUp(documenti);
        EXPECT_EQ(Globali::fileattuale, buono);
        EXPECT_EQ(Forme::poli_q, 1);
        EXPECT_EQ(platform::beepCount(), static_cast<int>(files.size()));
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
            App::_FileOpen_Action();
            EXPECT_EQ(dialogs.opens, 1);
        }
        EXPECT_EQ(dialogs.saveChangesAsked, 1);
        EXPECT_EQ(platform::beepCount(), 1);
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
