#include "editor/fin_principale.h"

fin_principale::fin_principale() : SingleWindow(platform::FrameKind::Document)
{
    setTitle(QStringLiteral("Modanova"));
    setBackColor(QColor(0xFF, 0xFF, 0xFF));

    canvas_disegno = new platform::Canvas(body());
    platform::placeControl(canvas_disegno, 0, 0, 620, 460);
    canvas_disegno->setFocusPolicy(Qt::NoFocus);
    canvas_disegno->setTransparentForMouse(true);

    pointer = new platform::OvalShape(body());
    platform::placeControl(pointer, -10, -10, 5, 5);
    pointer->setColors(QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0x00));
    pointer->BorderWidth = 1;

    prepointer = new platform::OvalShape(body());
    platform::placeControl(prepointer, -5, -5, 5, 5);
    prepointer->setColors(QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0x00));
    prepointer->BorderWidth = 1;

    ChasingArrows1 = new platform::ChasingArrows(canvas_disegno);
    platform::placeControl(ChasingArrows1, 5, 45, 16, 16);
    ChasingArrows1->setVisible(false);

    // Not resizeable: start-up gives it the size that fits the screen.
    fixWindowSize(640, 480);
}
