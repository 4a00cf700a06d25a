#include "platform/PainterCanvas.h"

#include "support/QtPrint.h"
#include "support/RecordingCanvas.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Drawing on an image, pixel for pixel.
class PainterCanvasTest : public ::testing::Test {
protected:
    PainterCanvasTest() : image_(40, 30, QImage::Format_RGB32), painter_((image_.fill(Qt::white), &image_)), canvas_(painter_) {}
    QColor at(int x, int y) const { return image_.pixelColor(x, y); }
    void finish() { painter_.end(); }

    QImage image_;
    QPainter painter_;
    PainterCanvas canvas_;
};

TEST_F(PainterCanvasTest, FillsAndLinesInkExactlyTheirPixels)
{
    canvas_.fillRect(QRect(2, 3, 4, 5), QColor(192, 192, 192));
    canvas_.setPen(QColor(128, 128, 128), 1, Canvas::PenStyle::Solid);
    canvas_.polyPolyline({QPolygon({QPoint(10, 0), QPoint(10, 9)}), QPolygon({QPoint(0, 20), QPoint(39, 20)})});
    finish();
    EXPECT_EQ(at(2, 3), QColor(192, 192, 192));
    EXPECT_EQ(at(5, 7), QColor(192, 192, 192));
    EXPECT_EQ(at(6, 7), QColor(Qt::white));
    EXPECT_EQ(at(5, 8), QColor(Qt::white));
    EXPECT_EQ(at(10, 0), QColor(128, 128, 128));
    EXPECT_EQ(at(10, 9), QColor(128, 128, 128));
    EXPECT_EQ(at(10, 10), QColor(Qt::white));
    EXPECT_EQ(at(11, 5), QColor(Qt::white));
    EXPECT_EQ(at(39, 20), QColor(128, 128, 128));
    EXPECT_EQ(at(20, 21), QColor(Qt::white));
}

TEST_F(PainterCanvasTest, RaisedEdgesAreLightAboveAndLeftDarkBelowAndRight)
{
    const QColor light(255, 255, 255), dark(128, 128, 128);
    canvas_.fillRect(QRect(0, 0, 40, 30), QColor(212, 208, 200));
    canvas_.drawEdge(QRect(5, 5, 10, 8), light, dark);
    finish();
    EXPECT_EQ(at(5, 5), light);
    EXPECT_EQ(at(5, 11), light);
    EXPECT_EQ(at(14, 5), dark);  // the top-right corner belongs to the dark side
    EXPECT_EQ(at(14, 12), dark);
    EXPECT_EQ(at(6, 6), QColor(212, 208, 200));
}

TEST_F(PainterCanvasTest, XorLinesAndFocusFramesUndoThemselves)
{
    canvas_.fillRect(QRect(0, 0, 40, 30), QColor(10, 200, 30));
    const QImage before = image_.copy();
    canvas_.xorDottedLine(QPoint(3, 2), QPoint(3, 25));
    canvas_.drawFocusRect(QRect(8, 8, 12, 10));
    canvas_.drawFocusRect(QRect(8, 8, 12, 10));
    canvas_.xorDottedLine(QPoint(3, 2), QPoint(3, 25));
    finish();
    EXPECT_EQ(image_, before);
}

TEST_F(PainterCanvasTest, ClipsNestAndOpaqueTextFillsItsRectangle)
{
    canvas_.setClipRect(QRect(0, 0, 20, 30));
    canvas_.fillRect(QRect(0, 0, 40, 10), QColor(255, 0, 0));
    canvas_.restoreClip();
    canvas_.restoreClip();  // unbalanced: nothing
    const QColor background(0, 0, 255);
    canvas_.setFont({u"宋体"_s, -12}, QColor(Qt::white));
    canvas_.textRect(QRect(0, 12, 40, 14), 1, 13, QString(), &background);
    finish();
    EXPECT_EQ(at(19, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(20, 5), QColor(Qt::white));
    EXPECT_EQ(at(39, 25), background);
    EXPECT_EQ(at(39, 26), QColor(Qt::white));
}

TEST(FontMeasurement, ThePainterMeasuresTheResolvedFont)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.setFont({u"宋体"_s, -15}, Qt::black);
    EXPECT_GE(canvas.textExtent(u"Wg"_s).height(), 15);
    EXPECT_GT(canvas.textExtent(u"Wg"_s).width(), canvas.textExtent(u"0"_s).width());
}

TEST(RecordingCanvasMetrics, FixedForTests)
{
    RecordingCanvas canvas;
    canvas.setFont({u"宋体"_s, -15}, Qt::black);
    EXPECT_EQ(canvas.textExtent(u"Wg"_s), QSize(14, 15));
    EXPECT_EQ(canvas.textExtent(u"共2条"_s).width(), 15 + 7 + 15);
    EXPECT_EQ(canvas.calls, QStringList{u"font 宋体 -15 #000000"_s});
}

} // namespace
