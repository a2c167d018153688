#pragma once
// The file dialog's list in the interface's language. Qt's file system model
// writes sizes and dates with the system's locale, whatever the program's
// default locale is, and calls every folder "Folder"; this model in front of
// it writes the size, a folder's type and the date modified in the default
// locale (Italian with the Italian interface) and passes everything else
// through.
#include <QIdentityProxyModel>

namespace platform {

class LocaleFileModel : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace platform
