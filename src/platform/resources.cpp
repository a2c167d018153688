#include "platform/resources.h"

#include <QHash>
#include <QPixmap>

namespace platform {

const QImage& resourcePicture(const QString& name)
{
    static QHash<QString, QImage> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QImage(QStringLiteral(":/resources/%1.png").arg(name)));
    return it.value();
}

QCursor drawingCursor()
{
    const QImage& image = resourcePicture(QStringLiteral("cursor168"));
    if (image.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(QPixmap::fromImage(image), image.width() / 2, image.height() / 2);
}

} // namespace platform
