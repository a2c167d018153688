// Where the GDL text's save dialog opens: where the last GDL text was saved,
// at first beside the current document (the working folder while it is
// untitled); the document dialogs keep a folder of their own.
#include "fin3d_fixture.h"

#include "app/app.h"
#include "model/documento.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace fin3dtest;

namespace {

// A document with a stored profile, written into folder.
QString documentoIn(const QTemporaryDir& folder)
{
    documento::Document doc;
    doc.profile.grx = 1;
    doc.profile.gry = 1;
    doc.profile.rows = {ElementRow{0, 0, 0, 100, 0, 0, 0}, ElementRow{0, 100, 0, 0, 50, 0, 0}};
    const QString path = folder.filePath(QStringLiteral("forma.mdn"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(documento::documentBytes(doc));
    return path;
}

// The window shown in the revolution mode, which needs the stored profile
// alone.
fin_3d& mostraRivoluzione()
{
    esportazione::profopath = 1;
    return shown();
}

// "Save.." pressed as the user presses it.
void salvaTesto(fin_3d& w)
{
    ASSERT_TRUE(w.PushButton2->isEnabled());
    QTest::mouseClick(w.PushButton2, Qt::LeftButton);
}

} // namespace

TEST_F(Create3d, GdlSaveOfAnUntitledDocumentOpensInTheWorkingFolder)
{
    storeProfile(2);
    testsupport::DialogScript dialogs;
    salvaTesto(mostraRivoluzione());
    EXPECT_EQ(dialogs.saveFolders, std::vector<QString>{QDir::currentPath()});
}

// Opened from folder A, the text goes first beside the document; saved into
// B, the next text starts in B, while File > Save as.. still starts where the
// document came from, and saving the document elsewhere leaves B alone.
TEST_F(Create3d, GdlSaveOpensWhereTheLastTextWentAndTheDocumentDialogsKeepTheirFolder)
{
    QTemporaryDir a, b, c;
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {documentoIn(a)};
    App::FileOpen_Action();
    ASSERT_EQ(esportazione::sago_q, 2);
    dialogs.saveAnswers = {b.filePath(QStringLiteral("testogdl.txt")), QString(),
                           c.filePath(QStringLiteral("copia.mdn")), QString()};
    fin_3d& w = mostraRivoluzione();

    salvaTesto(w);
    EXPECT_TRUE(QFile::exists(b.filePath(QStringLiteral("testogdl.txt"))));
    salvaTesto(w);
    App::FileSaveas_Action();
    EXPECT_TRUE(QFile::exists(c.filePath(QStringLiteral("copia.mdn"))));
    salvaTesto(w);

    EXPECT_EQ(dialogs.saveFolders, (std::vector<QString>{a.path(), b.path(), a.path(), b.path()}));
    EXPECT_EQ(platform::beepCount(), 0);
}
