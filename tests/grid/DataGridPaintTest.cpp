// The grid painted over the first search of the shipped catalogue: pixels on
// an image with a fixed palette, and text positions on a recording canvas.
#include "grid/CellText.h"
#include "grid/GridStyle.h"

#include "platform/PainterCanvas.h"
#include "support/CatalogueGrid.h"
#include "support/QtPrint.h"

#include <QGuiApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace {

const QColor kBtnFace(212, 208, 200);
const QColor kHighlight(10, 36, 106);
const QColor kInactiveBorder(244, 247, 252);
const QColor kSilver(192, 192, 192);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// The main window's grid in a 1120 × 288 client: 12 data rows of 19 pixels
// from y = 20, the frozen columns end at x = 527, the footer row starts at
// 268; x = 500 lies in the empty 英文名 column.
class GridPainting : public CatalogueGrid {
protected:
    void SetUp() override
    {
        CatalogueGrid::SetUp();
        saved_ = QGuiApplication::palette();
        QPalette palette;
        palette.setColor(QPalette::Base, kWhite);
        palette.setColor(QPalette::Button, kBtnFace);
        palette.setColor(QPalette::Highlight, kHighlight);
        palette.setColor(QPalette::HighlightedText, kWhite);
        palette.setColor(QPalette::WindowText, kBlack);
        palette.setColor(QPalette::Light, kWhite);
        palette.setColor(QPalette::Dark, QColor(128, 128, 128));
        QGuiApplication::setPalette(palette);
        mainWindowColumns();
    }
    void TearDown() override { QGuiApplication::setPalette(saved_); }

    // Paints the whole client area and reads it back.
    QImage painted()
    {
        ImageCanvas canvas(window_.client);
        grid_.messages().paint(canvas, QRect(QPoint(0, 0), window_.client));
        return canvas.image().copy();
    }
    QStringList recorded()
    {
        RecordingCanvas canvas;
        grid_.messages().paint(canvas, QRect(QPoint(0, 0), window_.client));
        return canvas.calls;
    }
    static QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

    QPalette saved_;
};

TEST_F(GridPainting, LinesFrozenSeparatorAndFooterSeparator)
{
    query_.open();
    const QImage image = painted();
    for (int y : {5, 30, 150, 259, 275})  // the title row, data rows, the footer
        EXPECT_EQ(at(image, 526, y), kBlack) << y;
    EXPECT_EQ(at(image, 114, 30), kSilver);   // between two frozen data cells
    EXPECT_EQ(at(image, 637, 30), kSilver);   // between two scrolling data cells
    EXPECT_EQ(at(image, 300, 39), kSilver);   // under a data row
    EXPECT_EQ(at(image, 11, 30), kBlack);     // after the indicator
    EXPECT_EQ(at(image, 300, 19), kBlack);    // under the titles
    EXPECT_EQ(at(image, 300, 267), kBlack);   // above the footer
    EXPECT_EQ(at(image, 300, 263), kWhite);   // the empty band between the last record and the footer
}

TEST_F(GridPainting, RowColoursFollowTheRecordNumber)
{
    query_.open();
    const int kBlank = 1000;  // past the text of 其它特殊监管 in the first records
    QImage image = painted();
    EXPECT_EQ(at(image, kBlank, 30), kWhite);           // record 1
    EXPECT_EQ(at(image, kBlank, 50), kInactiveBorder);  // record 2
    EXPECT_EQ(at(image, kBlank, 70), kWhite);           // record 3
    // One record below the window scrolls by one: the first row shows record 2.
    query_.moveBy(12);
    image = painted();
    EXPECT_EQ(grid_.recordWindow().recordAt(0), 1);
    EXPECT_EQ(at(image, kBlank, 30), kInactiveBorder);
    EXPECT_EQ(at(image, kBlank, 50), kWhite);
}

TEST_F(GridPainting, TheArrowMarksTheCurrentRecord)
{
    query_.open();
    query_.moveBy(2);  // record 3, the third data row (y = 60 to 78)
    const QImage image = painted();
    // Centred in the indicator: x from 2, y from (61 + 78 - 11) div 2 = 64; row r inks min(r, 10 - r) + 1 pixels.
    for (int r = 0; r <= 10; ++r) {
        const int inked = qMin(r, 10 - r) + 1;
        EXPECT_EQ(at(image, 2 + inked - 1, 64 + r), kBlack) << r;
        EXPECT_EQ(at(image, 2 + inked, 64 + r), kBtnFace) << r;
    }
    EXPECT_EQ(at(image, 2, 24), kBtnFace);  // no mark on the first row
    EXPECT_EQ(grid_.indicatorRow(), 3);
}

TEST_F(GridPainting, AnEmptyResultShowsOneRowWithTheArrowAndAClosedOneWithout)
{
    QImage image = painted();  // closed
    EXPECT_EQ(at(image, 2, 29), kBtnFace);
    EXPECT_EQ(at(image, 500, 30), kWhite);
    query_.sql() = QStringList{u"SELECT * FROM hazardous_chemicals WHERE cas = 'none'"_s};
    query_.open();
    image = painted();
    EXPECT_EQ(at(image, 2, 29), kBlack);   // the arrow's widest row
    EXPECT_EQ(at(image, 500, 30), kWhite);  // the row in the column's colour
    EXPECT_EQ(at(image, 500, 50), kWhite);  // and the empty area under it
}

TEST_F(GridPainting, RaisedTitlesAndTheHighlightOfTheFocusedGrid)
{
    query_.open();
    window_.focusRequests = 1;  // the grid holds the focus
    QImage image = painted();
    EXPECT_EQ(at(image, 12, 5), kWhite);                  // a title's light left edge
    EXPECT_EQ(at(image, 50, 0), kWhite);                  // and top edge
    EXPECT_EQ(at(image, 50, 18), QColor(128, 128, 128));  // its shadow below
    EXPECT_EQ(at(image, 113, 9), QColor(128, 128, 128));  // and right
    EXPECT_EQ(at(image, 50, 9), kBtnFace);
    EXPECT_EQ(at(image, 100, 30), kHighlight);            // the current cell
    EXPECT_EQ(at(image, 500, 30), kWhite);                // the rest of its row
    // Without the focus nothing is highlighted.
    window_.focusRequests = 0;
    image = painted();
    EXPECT_EQ(at(image, 100, 30), kWhite);
}

TEST(CellText, ABrushTheDisplayCannotShowGoesThroughAnImage)
{
    RecordingCanvas canvas;
    const GridFont font{{u"宋体"_s, -14}, colourFromName(u"clWindowText"_s)};
    writeCellText(canvas, QRect(10, 20, 50, 19), {}, font, kBlack, kInactiveBorder, u"x"_s);
    EXPECT_EQ(canvas.calls.last(), u"text 10,20 50x19 at 12,22 \"x\" on #f4f7fc"_s);
    canvas.undisplayable = {kInactiveBorder.rgb()};
    writeCellText(canvas, QRect(10, 20, 50, 19), {}, font, kBlack, kInactiveBorder, u"x"_s);
    EXPECT_EQ(canvas.calls.last(), u"pixmap 10,20 50x19"_s);
    // A 16-bit device keeps 5, 6 and 5 bits.
    EXPECT_EQ(ImageCanvas(QSize(1, 1), QImage::Format_RGB16).nearestColour(kInactiveBorder), QColor(247, 247, 255));
}

TEST_F(GridPainting, TitleDataAndFooterTextPositions)
{
    query_.open();
    const QStringList calls = recorded();
    // Title: centred in the cell shrunk by 1, 1 from the top: 13 + 100 div 2 - 90 div 2.
    EXPECT_TRUE(calls.contains(u"text 13,1 100x17 at 18,2 \"危化目录序号\" on #d4d0c8"_s)) << calls.join(u'\n').toStdString();
    // Data: 2 from the left and the top; the centred number in the middle.
    EXPECT_TRUE(calls.contains(u"text 115,20 188x19 at 117,22 \"阿片\" on #ffffff"_s));
    EXPECT_TRUE(calls.contains(u"text 12,20 102x19 at 60,22 \"1\" on #ffffff"_s));
    // Footer: centred under the first column, 2 from the top.
    EXPECT_TRUE(calls.contains(u"text 12,268 102x19 at 38,270 \"共200条\" on #f4f7fc"_s));
}

} // namespace
