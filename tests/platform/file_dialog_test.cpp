// Qt's file dialog as the program opens it: its list writes sizes, types and
// dates in the interface's language, and it opens wide enough that the
// list's columns show whole.
#include "platform/dialogs.h"
#include "platform/qt_language.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct Riga {
    QString size, type, date;
    int columnsWidth = 0, viewWidth = 0;
};

// Opens the real save dialog in folder and reads the row of `name` once the
// folder's files have arrived, then cancels the dialog.
Riga leggiDialogo(const QString& folder, const QString& name)
{
    Riga riga;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* list = dialog->findChild<QTreeView*>();
        if (list) {
            QModelIndex row;
            static_cast<void>(QTest::qWaitFor([&] {
                const QAbstractItemModel* m = list->model();
                for (int r = 0; r < m->rowCount(list->rootIndex()); ++r)
                    if (m->index(r, 0, list->rootIndex()).data().toString() == name)
                        row = m->index(r, 0, list->rootIndex());
                return row.isValid();
            }));
            QTest::qWait(50); // the columns take their widths after the rows
            if (row.isValid()) {
                riga.size = row.siblingAtColumn(1).data().toString();
                riga.type = row.siblingAtColumn(2).data().toString();
                riga.date = row.siblingAtColumn(3).data().toString();
                for (int c = 1; c < 4; ++c)
                    riga.columnsWidth = std::max(riga.columnsWidth, list->fontMetrics().horizontalAdvance(
                                                                        row.siblingAtColumn(c).data().toString())
                                                                        - list->columnWidth(c));
                riga.viewWidth = list->viewport()->width() - list->header()->length();
            }
        }
        dialog->reject();
    });
    platform::showSaveDialog(nullptr, platform::FileType{QStringLiteral("text"), QStringLiteral(".txt")},
                             QStringLiteral("testogdl"), folder);
    return riga;
}

} // namespace

TEST(FileDialog, ListsSizesTypesAndDatesInTheInterfacesLanguageWithEveryColumnWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profilo.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2500, 'x'));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cartella")));
    const QDateTime modified = QFileInfo(path).lastModified();

    struct Caso {
        bool italiano;
        QLocale locale;
        const char* folder; // Qt's own word, from its translations
    };
    QStringList textTypes;
    for (const Caso& c : {Caso{true, QLocale(QLocale::Italian, QLocale::Italy), "Cartella"},
                          Caso{false, QLocale(QLocale::English, QLocale::UnitedStates), "Folder"}}) {
        SCOPED_TRACE(c.folder);
        platform::setQtLanguage(c.italiano);
        const Riga riga = leggiDialogo(dir.path(), QStringLiteral("profilo.txt"));
        EXPECT_EQ(riga.size, c.locale.formattedDataSize(2500));
        EXPECT_EQ(riga.date, c.locale.toString(modified, QLocale::ShortFormat));
        // The text file's type is the system's name of plain text, in the
        // interface's language.
        EXPECT_EQ(riga.type, QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment());
        textTypes << riga.type;
        EXPECT_EQ(leggiDialogo(dir.path(), QStringLiteral("cartella")).type, QString::fromUtf8(c.folder));
        // No column narrower than what it shows, and all of them in view.
        EXPECT_LE(riga.columnsWidth, 0);
        EXPECT_GE(riga.viewWidth, 0);
    }
    EXPECT_NE(textTypes.first(), textTypes.last());
    EXPECT_EQ(QLocale(QLocale::Italian).formattedDataSize(2500), QStringLiteral("2,44 KiB"));
}
