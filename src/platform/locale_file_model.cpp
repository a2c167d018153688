#include "platform/locale_file_model.h"

#include <QFileSystemModel>
#include <QLocale>

namespace platform {

namespace {

// The file system model's columns.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

} // namespace

QVariant LocaleFileModel::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole || (index.column() != kSizeColumn && index.column() != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kSizeColumn) {
        // Folders show no size, as in Qt's own list.
        if (files->isDir(source))
            return QString();
        return QLocale().formattedDataSize(files->size(source));
    }
    return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
}

} // namespace platform
