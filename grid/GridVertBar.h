#pragma once

#include "platform/ControlWindow.h"

#include <optional>

class DataGrid;

// The settings of one of the grid's scroll bars.
class GridScrollBar {
public:
    enum class Showing { Always, Never, Auto };

    bool visible() const { return visibleMode_ != Showing::Never; }
    void setVisible(bool visible) { visibleMode_ = visible ? Showing::Auto : Showing::Never; }
    Showing visibleMode() const { return visibleMode_; }
    void setVisibleMode(Showing mode) { visibleMode_ = mode; }
    bool tracking = false;
    // A separate bar that takes the values instead of the grid's own.
    ControlWindow* extScrollBar = nullptr;

private:
    Showing visibleMode_ = Showing::Auto;
};

// The grid's vertical bar stands for the records, not the rows: its range is
// the record count, its position the current record's number, and a request
// moves the current record.
class GridVertBar {
public:
    explicit GridVertBar(DataGrid& grid) : grid_(grid) {}

    // The bar from the record numbers of the result set.
    void update();
    // A scroll request moves the current record.
    void scroll(ScrollCode code, int position);
    // Shows a range, page and position on the grid's bar, or the separate one.
    void show(const ScrollBarInfo& info);

private:
    DataGrid& grid_;
    std::optional<GridScrollBar::Showing> lastMode_;
    // A tracked thumb moved the record already; its final position is ignored.
    bool ignoreThumbPosition_ = false;
};
