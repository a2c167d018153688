#pragma once
// The pictures and the cursor compiled into the program. Each picture is
// loaded on first use and kept.
#include <QCursor>
#include <QImage>
#include <QString>

namespace platform {

// The picture stored as resources/<name>.png; an empty image when missing.
const QImage& resourcePicture(const QString& name);

// The drawing cursor, from resources/cursor168.png with its hot spot in the middle.
QCursor drawingCursor();

} // namespace platform
