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
    QColor At(int x, int y) const { return image_.pixelColor(x, y); }
    void Finish() { painter_.end(); }

    QImage image_;
    QPainter painter_;
    PainterCanvas canvas_;
};

TEST_F(PainterCanvasTest, FillsAndLinesInkExactlyTheirPixels)
{
    canvas_.FillRect(QRect(2, 3, 4, 5), QColor(192, 192, 192));
    canvas_.SetPen(QColor(128, 128, 128), 1, Canvas::PenStyle::Solid);
    canvas_.PolyPolyline({QPolygon({QPoint(10, 0), QPoint(10, 9)}), QPolygon({QPoint(0, 20), QPoint(39, 20)})});
    Finish();
    EXPECT_EQ(At(2, 3), QColor(192, 192, 192));
    EXPECT_EQ(At(5, 7), QColor(192, 192, 192));
    EXPECT_EQ(At(6, 7), QColor(Qt::white));
    EXPECT_EQ(At(5, 8), QColor(Qt::white));
    EXPECT_EQ(At(10, 0), QColor(128, 128, 128));
    EXPECT_EQ(At(10, 9), QColor(128, 128, 128));
    EXPECT_EQ(At(10, 10), QColor(Qt::white));
    EXPECT_EQ(At(11, 5), QColor(Qt::white));
    EXPECT_EQ(At(39, 20), QColor(128, 128, 128));
    EXPECT_EQ(At(20, 21), QColor(Qt::white));
}

TEST_F(PainterCanvasTest, RaisedEdgesAreLightAboveAndLeftDarkBelowAndRight)
{
    const QColor light(255, 255, 255), dark(128, 128, 128);
    canvas_.FillRect(QRect(0, 0, 40, 30), QColor(212, 208, 200));
    canvas_.DrawEdge(QRect(5, 5, 10, 8), Canvas::Edge::Raised, light, dark);
    canvas_.DrawEdge(QRect(20, 5, 10, 8), Canvas::Edge::Sunken, light, dark);
    Finish();
    EXPECT_EQ(At(5, 5), light);
    EXPECT_EQ(At(5, 11), light);
    EXPECT_EQ(At(14, 5), dark);  // the top-right corner belongs to the dark side
    EXPECT_EQ(At(14, 12), dark);
    EXPECT_EQ(At(6, 6), QColor(212, 208, 200));
    EXPECT_EQ(At(20, 5), dark);
    EXPECT_EQ(At(29, 12), light);
}

TEST_F(PainterCanvasTest, XorLinesAndFocusFramesUndoThemselves)
{
    canvas_.FillRect(QRect(0, 0, 40, 30), QColor(10, 200, 30));
    const QImage before = image_.copy();
    canvas_.XorDottedLine(QPoint(3, 2), QPoint(3, 25));
    canvas_.DrawFocusRect(QRect(8, 8, 12, 10));
    canvas_.DrawFocusRect(QRect(8, 8, 12, 10));
    canvas_.XorDottedLine(QPoint(3, 2), QPoint(3, 25));
    Finish();
    EXPECT_EQ(image_, before);
}

TEST_F(PainterCanvasTest, ClipsNestAndOpaqueTextFillsItsRectangle)
{
    canvas_.SetClipRect(QRect(0, 0, 20, 30));
    canvas_.FillRect(QRect(0, 0, 40, 10), QColor(255, 0, 0));
    canvas_.RestoreClip();
    canvas_.RestoreClip();  // unbalanced: nothing
    const QColor background(0, 0, 255);
    canvas_.SetFont({u"宋体"_s, -12}, QColor(Qt::white));
    canvas_.TextRect(QRect(0, 12, 40, 14), 1, 13, QString(), &background);
    Finish();
    EXPECT_EQ(At(19, 5), QColor(255, 0, 0));
    EXPECT_EQ(At(20, 5), QColor(Qt::white));
    EXPECT_EQ(At(39, 25), background);
    EXPECT_EQ(At(39, 26), QColor(Qt::white));
}

TEST(FontMeasurement, ThePainterMeasuresTheResolvedFont)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.SetFont({u"宋体"_s, -15}, Qt::black);
    const TextMetrics metrics = canvas.FontMetrics();
    EXPECT_EQ(metrics.Height, metrics.Ascent + metrics.Descent);
    EXPECT_GE(metrics.Height, 15);
    EXPECT_GT(canvas.TextExtent(u"Wg"_s).width(), canvas.TextExtent(u"0"_s).width());
    EXPECT_EQ(canvas.TextExtent(u"Wg"_s).height(), metrics.Height);
}

TEST(RecordingCanvasMetrics, FixedForTests)
{
    RecordingCanvas canvas;
    canvas.SetFont({u"宋体"_s, -15}, Qt::black);
    EXPECT_EQ(canvas.TextExtent(u"Wg"_s), QSize(14, 15));
    EXPECT_EQ(canvas.TextExtent(u"共2条"_s).width(), 15 + 7 + 15);
    EXPECT_EQ(canvas.FontMetrics().Height, 15);
    EXPECT_EQ(canvas.Calls, QStringList{u"font 宋体 -15 #000000"_s});
}

} // namespace
