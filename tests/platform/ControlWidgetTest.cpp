#include "platform/Application.h"
#include "platform/ControlWidget.h"

#include "support/QtPrint.h"
#include "support/Recorders.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A control that writes down the messages its window passes on.
class RecordingControl : public ControlMessages {
public:
    QStringList Heard;
    QColor Fill = Qt::darkCyan;

    void Paint(Canvas& canvas, const QRegion& invalid) override
    {
        canvas.FillRect(invalid.boundingRect(), Fill);
        Heard.append(u"paint"_s);
    }
    void KeyDown(int key, Qt::KeyboardModifiers m) override { Heard.append(u"key %1 %2"_s.arg(key).arg(int(m))); }
    void KeyPress(QChar ch) override { Heard.append(u"char "_s + ch); }
    void MouseDown(Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& at, bool dbl) override
    {
        Heard.append(u"down %1 %2,%3%4"_s.arg(int(b)).arg(at.x()).arg(at.y()).arg(dbl ? u" double"_s : QString()));
    }
    void MouseUp(Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& at) override
    {
        Heard.append(u"up %1 %2,%3"_s.arg(int(b)).arg(at.x()).arg(at.y()));
    }
    void TimerTick() override { Heard.append(u"timer"_s); }
    void Wheel(int delta, Qt::KeyboardModifiers, const QPoint&) override { Heard.append(u"wheel %1"_s.arg(delta)); }
    void ScrollRequest(ScrollBarKind bar, ScrollCode code, int position) override
    {
        Heard.append(u"scroll %1 %2 %3"_s.arg(bar == ScrollBarKind::Horizontal ? u"h"_s : u"v"_s).arg(int(code)).arg(position));
    }
    void QueuedLayout() override
    {
        Heard.append(u"layout"_s);
        if (FailLayout)
            throw Exception(u"layout failure"_s);
    }
    bool FailLayout = false;
    QStringList Take() { return std::exchange(Heard, {}); }
};

class ControlWindowTest : public ::testing::Test {
protected:
    ControlWindowTest()
    {
        window_.SetMessages(&control_);
        window_.resize(300, 200);
        window_.show();
        QCoreApplication::processEvents();
        control_.Take();
    }

    RecordingControl control_;
    ControlWidget window_;
};

TEST_F(ControlWindowTest, ScrollBarValuesRoundTripAndActionsBecomeRequests)
{
    window_.SetScrollInfo(ScrollBarKind::Horizontal, {0, 127, 0, 42});
    EXPECT_EQ(window_.ScrollInfo(ScrollBarKind::Horizontal), (ScrollBarInfo{0, 127, 0, 42}));
    EXPECT_EQ(window_.horizontalScrollBar()->maximum(), 127);
    window_.SetScrollInfo(ScrollBarKind::Vertical, {1, 209, 10, 5});
    EXPECT_EQ(window_.verticalScrollBar()->maximum(), 200);  // the thumb's last position
    EXPECT_EQ(window_.verticalScrollBar()->pageStep(), 10);
    EXPECT_EQ(window_.ScrollInfo(ScrollBarKind::Vertical), (ScrollBarInfo{1, 209, 10, 5}));
    EXPECT_TRUE(control_.Take().isEmpty());  // writing values asks for nothing

    window_.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    window_.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    window_.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(control_.Take(), (QStringList{u"scroll h 1 43"_s, u"scroll v 2 1"_s, u"scroll v 7 200"_s}));
}

TEST_F(ControlWindowTest, KeysAndMouseArriveAsMessages)
{
    QTest::keyClick(&window_, Qt::Key_Down);
    QTest::keyClick(&window_, Qt::Key_A);
    QTest::mouseClick(window_.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(15, 25));
    QTest::mouseDClick(window_.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    const QStringList heard = control_.Take();
    ASSERT_GE(heard.size(), 6);
    EXPECT_EQ(heard.at(0), u"key %1 0"_s.arg(int(Qt::Key_Down)));
    EXPECT_EQ(heard.at(1), u"key %1 0"_s.arg(int(Qt::Key_A)));
    EXPECT_EQ(heard.at(2), u"char a"_s);
    EXPECT_EQ(heard.at(3), u"down 1 15,25"_s);
    EXPECT_EQ(heard.at(4), u"up 1 15,25"_s);
    EXPECT_TRUE(heard.contains(u"down 2 3,4 double"_s));
}

// The wheel over a bar turns as over the client, and the bar stays where the control puts it.
TEST_F(ControlWindowTest, TheWheelOverABarGoesToTheControl)
{
    window_.SetScrollInfo(ScrollBarKind::Vertical, {1, 209, 10, 5});
    QWheelEvent wheel(QPointF(2, 2), window_.verticalScrollBar()->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window_.verticalScrollBar(), &wheel);
    EXPECT_TRUE(control_.Take().contains(u"wheel -120"_s));
    EXPECT_EQ(window_.verticalScrollBar()->value(), 5);
}

TEST_F(ControlWindowTest, TheTimerTicksAndAQueuedLayoutComesOnce)
{
    window_.StartTimer(5);
    QTRY_VERIFY_WITH_TIMEOUT(control_.Heard.contains(u"timer"_s), 5000);
    window_.StopTimer();
    QCoreApplication::processEvents();
    control_.Take();

    window_.QueueLayout();
    window_.QueueLayout();
    EXPECT_TRUE(window_.LayoutQueued());
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(window_.LayoutQueued());
    EXPECT_EQ(control_.Take(), QStringList{u"layout"_s});
    window_.QueueLayout();
    window_.CancelQueuedLayout();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(control_.Take(), QStringList());

    // An error in the layout goes to the default error display; the window goes on.
    RecordingMessageBoxes boxes;
    control_.FailLayout = true;
    window_.QueueLayout();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(boxes.Boxes.size(), 1);
    EXPECT_EQ(boxes.Boxes.first().Text, u"layout failure."_s);
}

TEST_F(ControlWindowTest, PaintingGoesThroughTheCanvasOverTheViewport)
{
    control_.Fill = QColor(10, 20, 30);
    window_.InvalidateAll();
    const QImage shot = window_.viewport()->grab().toImage();
    EXPECT_TRUE(control_.Heard.contains(u"paint"_s));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(10, 20, 30));
    EXPECT_EQ(window_.ClientSize(), window_.viewport()->size());
}

} // namespace
