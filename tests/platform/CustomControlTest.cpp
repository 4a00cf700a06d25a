#include "platform/Application.h"
#include "platform/CustomControl.h"

#include "support/QtPrint.h"
#include "support/Recorders.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A control that writes down the messages its window passes on.
class RecordingControl : public TControlMessages {
public:
    QStringList Heard;
    QColor Fill = Qt::darkCyan;

    void Paint(TCanvas& canvas, const QRect& invalid) override
    {
        canvas.FillRect(invalid, Fill);
        Heard.append(u"paint"_qs);
    }
    void KeyDown(int key, Qt::KeyboardModifiers m) override { Heard.append(u"key %1 %2"_qs.arg(key).arg(int(m))); }
    void KeyPress(QChar ch) override { Heard.append(u"char "_qs + ch); }
    void MouseDown(Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& at, bool dbl) override
    {
        Heard.append(u"down %1 %2,%3%4"_qs.arg(int(b)).arg(at.x()).arg(at.y()).arg(dbl ? u" double"_qs : QString()));
    }
    void MouseUp(Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& at) override
    {
        Heard.append(u"up %1 %2,%3"_qs.arg(int(b)).arg(at.x()).arg(at.y()));
    }
    void Timer(int id) override { Heard.append(u"timer %1"_qs.arg(id)); }
    void ScrollRequest(TScrollBarKind bar, TScrollCodeEh code, int position) override
    {
        Heard.append(u"scroll %1 %2 %3"_qs.arg(bar == TScrollBarKind::Horizontal ? u"h"_qs : u"v"_qs).arg(int(code)).arg(position));
    }
    void PostedMessage(int message) override
    {
        Heard.append(u"posted %1"_qs.arg(message));
        if (message == 13)
            throw Exception(u"posted failure"_qs);
    }
    QStringList Take() { return std::exchange(Heard, {}); }
};

class ControlWindow : public ::testing::Test {
protected:
    ControlWindow()
    {
        window_.SetMessages(&control_);
        window_.resize(300, 200);
        window_.show();
        QCoreApplication::processEvents();
        control_.Take();
    }

    RecordingControl control_;
    TCustomControlWidget window_;
};

TEST_F(ControlWindow, ScrollBarValuesRoundTripAndActionsBecomeRequests)
{
    window_.SetScrollInfo(TScrollBarKind::Horizontal, {0, 127, 0, 42});
    EXPECT_EQ(window_.ScrollInfo(TScrollBarKind::Horizontal), (TScrollInfo{0, 127, 0, 42}));
    EXPECT_EQ(window_.horizontalScrollBar()->maximum(), 127);
    window_.SetScrollInfo(TScrollBarKind::Vertical, {1, 209, 10, 5});
    EXPECT_EQ(window_.verticalScrollBar()->maximum(), 200);  // the thumb's last position
    EXPECT_EQ(window_.verticalScrollBar()->pageStep(), 10);
    EXPECT_EQ(window_.ScrollInfo(TScrollBarKind::Vertical), (TScrollInfo{1, 209, 10, 5}));
    EXPECT_TRUE(control_.Take().isEmpty());  // writing values asks for nothing

    window_.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    window_.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    window_.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(control_.Take(), (QStringList{u"scroll h 1 43"_qs, u"scroll v 2 1"_qs, u"scroll v 7 200"_qs}));
}

TEST_F(ControlWindow, KeysAndMouseArriveAsMessages)
{
    QTest::keyClick(&window_, Qt::Key_Down);
    QTest::keyClick(&window_, Qt::Key_A);
    QTest::mouseClick(window_.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(15, 25));
    QTest::mouseDClick(window_.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    const QStringList heard = control_.Take();
    ASSERT_GE(heard.size(), 6);
    EXPECT_EQ(heard.at(0), u"key %1 0"_qs.arg(int(Qt::Key_Down)));
    EXPECT_EQ(heard.at(1), u"key %1 0"_qs.arg(int(Qt::Key_A)));
    EXPECT_EQ(heard.at(2), u"char a"_qs);
    EXPECT_EQ(heard.at(3), u"down 1 15,25"_qs);
    EXPECT_EQ(heard.at(4), u"up 1 15,25"_qs);
    EXPECT_TRUE(heard.contains(u"down 2 3,4 double"_qs));
}

TEST_F(ControlWindow, TimersAndPostedMessages)
{
    window_.SetTimer(1, 5);
    QTRY_VERIFY_WITH_TIMEOUT(control_.Heard.contains(u"timer 1"_qs), 5000);
    window_.KillTimer(1);
    control_.Take();

    window_.PostMessage(1124);
    EXPECT_TRUE(window_.MessagePending(1124));
    window_.PostMessage(77);
    window_.RemoveMessage(77);
    EXPECT_FALSE(window_.MessagePending(77));
    QCoreApplication::sendPostedEvents(&window_);
    EXPECT_FALSE(window_.MessagePending(1124));
    EXPECT_EQ(control_.Take(), QStringList{u"posted 1124"_qs});

    // An error in a message goes to the default error display; the window goes on.
    RecordingMessageBoxes boxes;
    window_.PostMessage(13);
    QCoreApplication::sendPostedEvents(&window_);
    ASSERT_EQ(boxes.Boxes.size(), 1);
    EXPECT_EQ(boxes.Boxes.first().Text, u"posted failure."_qs);
}

TEST_F(ControlWindow, PaintingGoesThroughTheCanvasOverTheViewport)
{
    control_.Fill = QColor(10, 20, 30);
    window_.InvalidateAll();
    const QImage shot = window_.viewport()->grab().toImage();
    EXPECT_TRUE(control_.Heard.contains(u"paint"_qs));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(10, 20, 30));
    EXPECT_EQ(window_.ClientSize(), window_.viewport()->size());
}

} // namespace
