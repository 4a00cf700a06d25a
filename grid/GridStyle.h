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

    // The current record's mark in the indicator column.
    const QPixmap& recordMark() const { return recordMark_; }
    // An image canvas at least this big, shared by every grid.
    ImageCanvas& textBitmap(QSize size);

private:
    GridStyle();

    QPixmap recordMark_;
    std::unique_ptr<ImageCanvas> textBitmap_;
};
