#include "app/info.h"

#include "app/app.h"
#include "platform/resources.h"
#include "platform/system.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

// The application icon; a drawn moulding profile when the picture is not
// among the program's resources.
QImage icona64x64()
{
    const QImage& stored = platform::resourcePicture(QStringLiteral("icona64x64"));
    if (!stored.isNull())
        return stored;
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath profile;
    profile.moveTo(8, 56);
    profile.lineTo(8, 44);
    profile.lineTo(20, 44);
    profile.cubicTo(20, 30, 34, 30, 34, 22);
    profile.lineTo(44, 22);
    profile.arcTo(38, 8, 16, 14, 270, 180);
    profile.lineTo(56, 8);
    profile.lineTo(56, 56);
    profile.closeSubpath();
    p.fillPath(profile, QColor(0xC8, 0xB8, 0x96));
    p.setPen(QPen(QColor(0x40, 0x30, 0x20), 2));
    p.drawPath(profile);
    return image;
}

} // namespace

info::info() : SingleWindow(platform::FrameKind::MovableModal)
{
    setTitle(QStringLiteral("Modanova info"));
    setBackColor(Qt::white);
    setMinimumSize(64, 64);

    PushButton1 = new platform::PushButton(body());
    platform::placeControl(PushButton1, 81, 124, 100, 20);
    PushButton1->setText(QStringLiteral("OK"));
    PushButton1->setDefault(true);
    PushButton1->setTextFont(QStringLiteral("arial"), 12, true);
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Action(); });

    StaticText1 = new platform::StaticText(body());
    platform::placeControl(StaticText1, 22, 6, 220, 16);
    StaticText1->setText(QStringLiteral("Modanova - v1.10 UB"));
    StaticText1->setTextAlign(platform::Allinea::Sinistra);
    StaticText1->setTextColor(QColor(0x00, 0x7F, 0x00));
    StaticText1->setTextFont(QStringLiteral("arial"), 12);
    StaticText1->setBold(true);

    StaticText2 = new platform::StaticText(body());
    platform::placeControl(StaticText2, 22, 24, 220, 16);
    StaticText2->setText(QStringLiteral("by the Modanova authors"));
    StaticText2->setTextAlign(platform::Allinea::Sinistra);
    StaticText2->setTextColor(QColor(0x00, 0x00, 0x7F));
    StaticText2->setTextFont(QStringLiteral("arial"), 12);
    StaticText2->setBold(true);
    StaticText2->setUnderline(false);
    StaticText2->setCursor(Qt::PointingHandCursor);
    connect(StaticText2, &platform::StaticText::mouseExit, this, [this] { StaticText2_MouseExit(); });
    connect(StaticText2, &platform::StaticText::mouseEnter, this, [this] { StaticText2_MouseEnter(); });
    connect(StaticText2, &platform::StaticText::mouseDown, this, [this] { StaticText2_MouseDown(); });

    Canvas1 = new platform::Canvas(body());
    Canvas1->setBackdrop(icona64x64());
    platform::placeControl(Canvas1, 98, 48, 64, 64);
    Canvas1->setTransparentForMouse(false);
    Canvas1->setCursor(Qt::PointingHandCursor);
    connect(Canvas1, &platform::Canvas::mouseDown, this, [this](int x, int y) { Canvas1_MouseDown(x, y); });

    resizeToBody(260, 152);
    setFixedSize(size());

    // Placed in the middle of the main screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        place(area.x() + (area.width() - 260) / 2, area.y() + (area.height() - 152) / 3);
    }
}

const QString& info::mailLink()
{
    static const QString link = QStringLiteral("mailto:modanova@modanova.org");
    return link;
}

const QString& info::webLink()
{
    static const QString link = QStringLiteral("https://www.modanova.org/");
    return link;
}

void info::PushButton1_Action()
{
    Close();
    // The main window comes forward again once the about box has gone.
    App::mostraPrincipale();
}

void info::StaticText2_MouseExit() { StaticText2->setUnderline(false); }

void info::StaticText2_MouseEnter() { StaticText2->setUnderline(true); }

bool info::StaticText2_MouseDown()
{
    platform::openLink(mailLink());
    return false;
}

bool info::Canvas1_MouseDown(int x, int y)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    platform::openLink(webLink());
    return false;
}
