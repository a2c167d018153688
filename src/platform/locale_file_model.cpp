#include "platform/locale_file_model.h"

#include <QCoreApplication>
#include <QFileSystemModel>
#include <QLocale>
#include <QMimeDatabase>

namespace platform {

namespace {

// The file system model's columns.
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

// A folder's type in the default locale's language. Qt asks for its word
// under a name its translations no longer hold it by, so an Italian list
// says "Folder"; the word is taken from where Qt's translations keep it, or
// else from the system's name of the folder type.
QString folderType()
{
    const char* const word = "Folder";
    const char* const note = "All other platforms";
    for (const char* context : {"QAbstractFileIconProvider", "QFileDialog"}) {
        const QString translated = QCoreApplication::translate(context, word, note);
        if (translated != QLatin1String(word))
            return translated;
    }
    if (QLocale().language() == QLocale::English)
        return QString::fromLatin1(word);
    const QString system = QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory")).comment();
    return system.isEmpty() ? QString::fromLatin1(word) : system;
}

} // namespace

QVariant LocaleFileModel::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    const int column = index.column();
    if (!files || role != Qt::DisplayRole || (column != kSizeColumn && column != kTypeColumn && column != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (column == kTypeColumn) {
        // A file's type is the system's name of it, which Qt already gives
        // in the default locale; a drive keeps Qt's word too.
        if (!files->isDir(source) || files->fileInfo(source).isRoot())
            return QIdentityProxyModel::data(index, role);
        return folderType();
    }
    if (column == kSizeColumn) {
        // Folders show no size, as in Qt's own list.
        if (files->isDir(source))
            return QString();
        return QLocale().formattedDataSize(files->size(source));
    }
    return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
}

} // namespace platform
