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
    QStringList heard;
    QColor fill = Qt::darkCyan;

    void paint(Canvas& canvas, const QRegion& invalid) override
    {
        canvas.fillRect(invalid.boundingRect(), fill);
        heard.append(u"paint"_s);
    }
    void keyDown(int key, Qt::KeyboardModifiers m) override { heard.append(u"key %1 %2"_s.arg(key).arg(int(m))); }
    void keyPress(QChar ch) override { heard.append(u"char "_s + ch); }
    void mouseDown(Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& at, bool dbl) override
    {
        heard.append(u"down %1 %2,%3%4"_s.arg(int(b)).arg(at.x()).arg(at.y()).arg(dbl ? u" double"_s : QString()));
    }
    void mouseUp(Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& at) override
    {
        heard.append(u"up %1 %2,%3"_s.arg(int(b)).arg(at.x()).arg(at.y()));
    }
    void timerTick() override { heard.append(u"timer"_s); }
    void wheel(int delta, Qt::KeyboardModifiers, const QPoint&) override { heard.append(u"wheel %1"_s.arg(delta)); }
    void scrollRequest(ScrollBarKind bar, ScrollCode code, int position) override
    {
        heard.append(u"scroll %1 %2 %3"_s.arg(bar == ScrollBarKind::Horizontal ? u"h"_s : u"v"_s).arg(int(code)).arg(position));
    }
    void queuedLayout() override
    {
        heard.append(u"layout"_s);
        if (failLayout)
            throw Exception(u"layout failure"_s);
    }
    bool failLayout = false;
    QStringList take() { return std::exchange(heard, {}); }
};

class ControlWindowTest : public ::testing::Test {
protected:
    ControlWindowTest()
    {
        window_.setMessages(&control_);
        window_.resize(300, 200);
        window_.show();
        QCoreApplication::processEvents();
        control_.take();
    }

    RecordingControl control_;
    ControlWidget window_;
};

TEST_F(ControlWindowTest, ScrollBarValuesRoundTripAndActionsBecomeRequests)
{
    window_.setScrollInfo(ScrollBarKind::Horizontal, {0, 127, 0, 42});
    EXPECT_EQ(window_.scrollInfo(ScrollBarKind::Horizontal), (ScrollBarInfo{0, 127, 0, 42}));
    EXPECT_EQ(window_.horizontalScrollBar()->maximum(), 127);
    window_.setScrollInfo(ScrollBarKind::Vertical, {1, 209, 10, 5});
    EXPECT_EQ(window_.verticalScrollBar()->maximum(), 200);  // the thumb's last position
    EXPECT_EQ(window_.verticalScrollBar()->pageStep(), 10);
    EXPECT_EQ(window_.scrollInfo(ScrollBarKind::Vertical), (ScrollBarInfo{1, 209, 10, 5}));
    EXPECT_TRUE(control_.take().isEmpty());  // writing values asks for nothing

    window_.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    window_.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    window_.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(control_.take(), (QStringList{u"scroll h 1 43"_s, u"scroll v 2 1"_s, u"scroll v 6 200"_s}));
}

TEST_F(ControlWindowTest, KeysAndMouseArriveAsMessages)
{
    QTest::keyClick(&window_, Qt::Key_Down);
    QTest::keyClick(&window_, Qt::Key_A);
    QTest::mouseClick(window_.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(15, 25));
    QTest::mouseDClick(window_.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    const QStringList heard = control_.take();
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
    window_.setScrollInfo(ScrollBarKind::Vertical, {1, 209, 10, 5});
    QWheelEvent wheel(QPointF(2, 2), window_.verticalScrollBar()->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window_.verticalScrollBar(), &wheel);
    EXPECT_TRUE(control_.take().contains(u"wheel -120"_s));
    EXPECT_EQ(window_.verticalScrollBar()->value(), 5);
}

TEST_F(ControlWindowTest, TheTimerTicksAndAQueuedLayoutComesOnce)
{
    window_.startRepeatTimer(5);
    QTRY_VERIFY_WITH_TIMEOUT(control_.heard.contains(u"timer"_s), 5000);
    window_.stopRepeatTimer();
    QCoreApplication::processEvents();
    control_.take();

    window_.queueLayout();
    window_.queueLayout();
    EXPECT_TRUE(window_.layoutQueued());
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(window_.layoutQueued());
    EXPECT_EQ(control_.take(), QStringList{u"layout"_s});
    window_.queueLayout();
    window_.cancelQueuedLayout();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(control_.take(), QStringList());

    // An error in the layout goes to the default error display; the window goes on.
    RecordingMessageBoxes boxes;
    control_.failLayout = true;
    window_.queueLayout();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.first().text, u"layout failure."_s);
}

TEST_F(ControlWindowTest, PaintingGoesThroughTheCanvasOverTheViewport)
{
    control_.fill = QColor(10, 20, 30);
    window_.invalidateAll();
    const QImage shot = window_.viewport()->grab().toImage();
    EXPECT_TRUE(control_.heard.contains(u"paint"_s));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(10, 20, 30));
    EXPECT_EQ(window_.clientSize(), window_.viewport()->size());
}

} // namespace
