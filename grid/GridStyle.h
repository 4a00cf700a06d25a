#pragma once

#include <QPixmap>
#include <QSize>
#include <memory>

class ImageCanvas;

// What every grid of the program shares, made once at start-up: the look
// switches (both on for good), the display's colour count, the record-mark
// image, and the image that text on a brush the display cannot
// show exactly is drawn through. Making it loads the cursors too.
class GridStyle {
public:
    // Raises "Cannot load cursor resource" when a cursor is missing.
    static GridStyle& instance();
    ~GridStyle();

    // Selected cells other than the current one take a blended colour.
    bool blendSelectionColors() const { return true; }
    // The current cell gets a dotted focus frame.
    bool showCellFocusFrame() const { return true; }
    // The colours the display shows; -1 for more than 256.
    int colourCount() const { return colourCount_; }
    // Reads the colour count again, for a display of so many bits per pixel.
    void readDisplay(int bitsPerPixel);

    // The current record's mark in the indicator column.
    const QPixmap& recordMark() const { return recordMark_; }
    // An image canvas at least this big, shared by every grid.
    ImageCanvas& textBitmap(QSize size);

private:
    GridStyle();

    int colourCount_ = -1;
    QPixmap recordMark_;
    std::unique_ptr<ImageCanvas> textBitmap_;
};
