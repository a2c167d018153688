// Why a write or a read failed, as the real file system tells it: each
// failure carries its kind (and the system's error number) out of the
// atomic write and the line reader.
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/line_reader.h"
#include "support/dialog_script.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

using namespace platform;
using Kind = FileError::Kind;

namespace {

void crea(const QString& path, const QByteArray& bytes = "x")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(FileError, AFailedWriteTellsWhy)
{
    struct Case {
        const char* nome;
        QString (*prepara)(const QDir& dir);
        long long limite; // a file-size limit, or -1 for none
        Kind kind;
        int code;
    };
    const Case cases[] = {
        {"missing_folder", [](const QDir& d) { return d.filePath("manca/doc.mdn"); }, -1, Kind::NoFolder, ENOENT},
        {"folder_is_a_file",
         [](const QDir& d) {
             crea(d.filePath("file"));
             return d.filePath("file/doc.mdn");
         },
         -1, Kind::NoFolder, ENOTDIR},
        {"name_too_long", [](const QDir& d) { return d.filePath(QString(300, 'n')); }, -1, Kind::BadName, ENAMETOOLONG},
        {"no_name", [](const QDir& d) { return d.path() + "/"; }, -1, Kind::BadName, 0},
        {"size_limit_at_the_start", [](const QDir& d) { return d.filePath("doc.mdn"); }, 0, Kind::SizeLimit, EFBIG},
        {"size_limit_half_way", [](const QDir& d) { return d.filePath("doc.mdn"); }, 5000, Kind::SizeLimit, EFBIG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nome);
        QTemporaryDir dir;
        const QString path = c.prepara(QDir(dir.path()));
        FileError error;
        {
            std::optional<testsupport::FileSizeLimit> limite;
            if (c.limite >= 0)
                limite.emplace(c.limite);
            EXPECT_FALSE(writeFileAtomically(path, QByteArray(10000, 'n'), &error));
        }
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.code, c.code);
    }
    // A write that succeeds leaves no error behind.
    QTemporaryDir dir;
    FileError error{Kind::System, EIO};
    EXPECT_TRUE(writeFileAtomically(dir.filePath("doc.mdn"), QByteArray("x"), &error));
    EXPECT_FALSE(error);
}

// A folder that may not be written, and a file that may not be read; root
// too meets the permissions here.
TEST(FileError, PermissionsThatRefuseAreNamedSo)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("chiusa");
    const QString folder = dir.filePath("chiusa");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString segreto = dir.filePath("segreto.mdn");
    crea(segreto);
    QFile::setPermissions(segreto, QFileDevice::Permissions());
    FileError scrittura, lettura;
    {
        testsupport::PermissionsHold permessi;
        EXPECT_FALSE(writeFileAtomically(folder + "/doc.mdn", QByteArray("x"), &scrittura));
        EXPECT_FALSE(LineReader::open(segreto, kMaxReadBytes, &lettura));
    }
    EXPECT_EQ(scrittura.kind, Kind::NoPermission);
    EXPECT_EQ(scrittura.code, EACCES);
    EXPECT_EQ(lettura.kind, Kind::Unreadable);
    EXPECT_EQ(lettura.code, EACCES);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A file that is there and cannot be replaced, in a folder that may be
// written: the refusal is the file's, whether Qt refuses to start (the file
// is immutable) or the rename over it fails (another user's file in a folder
// that keeps files to their owners). The file stays as it was, and nothing
// is left beside it.
TEST(FileError, AFileThatCannotBeReplacedIsNamedSo)
{
    struct Case {
        const char* nome;
        bool immutabile;
    };
    std::string saltati; // cases this file system or this user cannot make
    for (const Case& c : {Case{"immutable", true}, Case{"another_users_in_a_sticky_folder", false}}) {
        SCOPED_TRACE(c.nome);
        QTemporaryDir dir;
        QString path = dir.filePath("doc.mdn");
        std::optional<testsupport::Immutable> immutabile;
        if (c.immutabile) {
            crea(path, "vecchio");
            immutabile.emplace(path);
            if (!immutabile->held()) {
                saltati += std::string(" ") + c.nome;
                continue;
            }
        } else {
            QDir(dir.path()).mkdir("comune");
            path = testsupport::anotherUsersFile(dir.filePath("comune"), "doc.mdn");
            if (path.isEmpty()) {
                saltati += std::string(" ") + c.nome;
                continue;
            }
        }
        const QStringList prima = testsupport::fileNames(QFileInfo(path).absolutePath());
        const QByteArray vecchio = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        FileError error;
        {
            testsupport::PermissionsHold permessi;
            EXPECT_FALSE(writeFileAtomically(path, QByteArray("nuovo"), &error));
        }
        EXPECT_EQ(error.kind, Kind::Unreplaceable);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), vecchio);
        EXPECT_EQ(testsupport::fileNames(QFileInfo(path).absolutePath()), prima);
    }
    if (!saltati.empty())
        GTEST_SKIP() << "not made here:" << saltati;
}

TEST(FileError, AFileTheReaderRefusesTellsWhy)
{
    testsupport::Watchdog watchdog;
    QTemporaryDir dir;
    crea(dir.filePath("file"));
    struct Case {
        const char* nome;
        QString path;
        Kind kind;
        bool folder;
    };
    std::vector<Case> cases = {
        {"missing", dir.filePath("nessuno.mdn"), Kind::Missing, false},
        {"inside_a_file", dir.filePath("file/doc.mdn"), Kind::Missing, false},
        {"empty_name", QString(), Kind::Missing, false},
    };
    for (const testsupport::Unreadable& u : testsupport::unreadableFiles(dir.path())) {
        const std::string kind = u.kind;
        cases.push_back({u.kind, u.path, kind == "oversize" ? Kind::TooLarge : Kind::NotRegular, kind == "folder"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nome);
        FileError error{Kind::System, EIO};
        EXPECT_FALSE(LineReader::open(c.path, kMaxReadBytes, &error));
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.folder, c.folder);
    }
    FileError error{Kind::System, EIO};
    EXPECT_TRUE(LineReader::open(dir.filePath("file"), kMaxReadBytes, &error));
    EXPECT_FALSE(error);
}

// The real message box: over the window given, the text, one OK button that
// closes it.
TEST(FileError, TheRealMessageBoxHasTheTextAndOneOkButton)
{
    QWidget finestra;
    finestra.show();
    platform::clearDialogAnswers();
    QString testo;
    QWidget* sopra = nullptr;
    int pulsanti = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        testo = box->text();
        sopra = box->parentWidget();
        pulsanti = static_cast<int>(box->buttons().size());
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    showFileFailure(&finestra, QStringLiteral("\"doc.mdn\" could not be saved."));
    testsupport::guardUnansweredMessages();
    EXPECT_EQ(testo, QStringLiteral("\"doc.mdn\" could not be saved."));
    EXPECT_EQ(sopra, &finestra);
    EXPECT_EQ(pulsanti, 1);
}
