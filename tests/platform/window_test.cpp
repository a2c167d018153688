#include "platform/beep.h"
#include "platform/controls.h"
#include "platform/window.h"
#include "support/test_support.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class SampleWindow : public platform::SingleWindow<SampleWindow> {
public:
    SampleWindow() : SingleWindow(platform::FrameKind::Document)
    {
        setBackColor(Qt::white);
        canvas = new platform::Canvas(body());
        platform::placeControl(canvas, 0, 0, 100, 100);
        canvas->setTransparentForMouse(true);
        box = new platform::CheckBox(body());
        box->setText("Solid option");
        platform::placeControl(box, 150, 10, 80, 20);
        QObject::connect(box, &QCheckBox::clicked, [this] { ++boxActions; });
        field = new platform::EditField(body());
        platform::placeControl(field, 150, 40, 80, 22);
        QObject::connect(field, &QLineEdit::textEdited, [this] { ++fieldEdits; });
        resizeToBody(300, 200);
    }
    platform::Canvas* canvas;
    platform::CheckBox* box;
    platform::EditField* field;
    int opens = 0, moves = 0, downs = 0, boxActions = 0, fieldEdits = 0;
    QPoint last;

protected:
    void Event_Open() override { ++opens; }
    void Event_MouseMove(int x, int y) override
    {
        ++moves;
        last = {x, y};
    }
    bool Event_MouseDown(int x, int y) override
    {
        ++downs;
        last = {x, y};
        return false;
    }
};

} // namespace

TEST(Window, SingleInstanceMadeOnFirstUseAndAnewAfterClose)
{
    SampleWindow& w = SampleWindow::instance();
    EXPECT_EQ(&w, &SampleWindow::instance());
    EXPECT_EQ(w.opens, 1);
    w.show();
    w.Close();
    EXPECT_FALSE(SampleWindow::exists());
    testsupport::processEvents();
    EXPECT_EQ(SampleWindow::instance().opens, 1);
}

TEST(Window, MouseEventsCoverTheCanvasAndLiveLayerClearsOnRefresh)
{
    SampleWindow& w = SampleWindow::instance();
    w.show();
    QTest::mouseMove(w.body(), QPoint(20, 30));
    EXPECT_EQ(w.last, QPoint(20, 30));
    QTest::mouseClick(w.body(), Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_EQ(w.downs, 1);
    EXPECT_EQ(w.last, QPoint(40, 50));

    platform::CurveShape seg;
    seg.X2 = 10;
    seg.Y2 = 5;
    seg.BorderColor = Qt::red;
    w.graphics().DrawObject(seg, 3, 4);
    auto segs = testsupport::segmentsOf(w.liveItems());
    ASSERT_EQ(segs.size(), 1u);
    EXPECT_EQ(segs[0].x1, 3);
    EXPECT_EQ(segs[0].y2, 9);
    w.Refresh();
    EXPECT_TRUE(w.liveItems().empty());
}

TEST(Window, ProgramSetValuesFireNoHandlers)
{
    SampleWindow& w = SampleWindow::instance();
    w.show();
    w.box->setValue(true);
    w.field->setTextFromProgram("12");
    EXPECT_EQ(w.boxActions, 0);
    EXPECT_EQ(w.fieldEdits, 0);
    QTest::mouseClick(w.box, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(w.boxActions, 1);
    EXPECT_FALSE(w.box->value());
    w.field->setFocus();
    QTest::keyClicks(w.field, "3");
    EXPECT_EQ(w.fieldEdits, 1);
}

TEST(Picture, DrawsSegmentsIntoItsPixels)
{
    platform::Picture pic(20, 20);
    EXPECT_EQ(QColor(pic.pixel(5, 5)), QColor(Qt::white));
    platform::CurveShape seg;
    seg.X2 = 10;
    seg.BorderColor = Qt::black;
    pic.graphics().DrawObject(seg, 2, 5);
    EXPECT_EQ(QColor(pic.pixel(5, 5)), QColor(Qt::black));
    platform::resetBeepCount();
    platform::Beep();
    EXPECT_EQ(platform::beepCount(), 1);
}

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// A burst of live drawing is shown by one paint, and drawing after that
// paint asks for the next one: nothing drawn stays off the screen.
TEST(Window, LiveDrawingIsPaintedOnceABurstAndAgainAfterEachPaint)
{
    SampleWindow& w = SampleWindow::instance();
    w.show();
    testsupport::processEvents();
    PaintCounter counter;
    w.body()->installEventFilter(&counter);
    platform::CurveShape seg;
    seg.X2 = 30;
    seg.BorderColor = Qt::red;
    for (int i = 0; i < 50; ++i)
        w.graphics().DrawObject(seg, 110, 120 + i);
    testsupport::processEvents();
    EXPECT_EQ(counter.paints, 1);

    seg.BorderColor = Qt::blue;
    w.graphics().DrawObject(seg, 110, 180);
    testsupport::processEvents();
    EXPECT_EQ(counter.paints, 2);
    w.Refresh();
    testsupport::processEvents();
    EXPECT_EQ(counter.paints, 3);
    w.body()->removeEventFilter(&counter);
}
