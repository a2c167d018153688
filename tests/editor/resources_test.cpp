// The pictures and the drawing cursor compiled into the program.
#include "platform/resources.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Pictures 168 to 193, by their names.
const char* const kPictures[] = {
    "forma1", "forma2", "forma3",  "forma4", "forma5", "forma6",  "tool1",   "tool2",      "tool3",
    "tool4",  "zoom1",  "zoom2",   "zoom3",  "zoom4",  "bita",    "busa",    "setup2",     "setup1",
    "edita1", "edita2", "edita1s", "crea2",  "crea1",  "export2", "export1", "icona64x64",
};

// The share of pixels that differ clearly from the picture's own corner.
double inkedShare(const QImage& image)
{
    const QColor corner = image.pixelColor(image.width() / 2, 2);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128 && std::abs(c.lightness() - corner.lightness()) > 60)
                ++inked;
        }
    return static_cast<double>(inked) / (image.width() * image.height());
}

TEST(Resources, EveryPictureIsThereAndDrawsSomething)
{
    EXPECT_EQ(std::size(kPictures), 26u);
    for (const char* name : kPictures) {
        const QImage& image = platform::resourcePicture(QString::fromLatin1(name));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GE(image.width(), 28) << name;
        EXPECT_EQ(image.width(), image.height()) << name;
        EXPECT_GT(inkedShare(image), 0.04) << name;
        // Loaded once and kept.
        EXPECT_EQ(&platform::resourcePicture(QString::fromLatin1(name)), &image);
    }
    EXPECT_TRUE(platform::resourcePicture(QStringLiteral("nothing")).isNull());
}

TEST(Resources, TheDrawingCursorIsAPictureWithItsHotSpotInTheMiddle)
{
    const QCursor cursor = platform::drawingCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    const QPixmap pixmap = cursor.pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(cursor.hotSpot(), QPoint(pixmap.width() / 2, pixmap.height() / 2));
}

} // namespace
