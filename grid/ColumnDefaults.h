#pragma once

#include "ColumnsOwner.h"

#include "db/DataSetTypes.h"
#include "platform/BitSet.h"

#include <optional>

enum class TextLayout { Top, Center, Bottom };
enum class TextOrientation { Horizontal, Vertical };

// The setter rule of a value that follows a default: nothing when it is set
// already to the same value; otherwise store it and mark it set. True when
// it was stored, so that the caller sends its notification.
template <typename T, typename Flag>
bool storeAssigned(T& stored, const T& value, BitSet<Flag>& assigned, Flag flag)
{
    if (assigned.has(flag) && stored == value)
        return false;
    stored = value;
    assigned.set(flag, true);
    return true;
}

// A grid-wide default that columns follow: it reads as its value, and a
// change tells the grid, which repaints, or lays out again where the value
// shapes the layout.
template <typename T>
class GridDefault {
public:
    enum class Change { Repaints, LaysOut };
    GridDefault(ColumnsOwner* grid, T value, Change change = Change::Repaints)
        : grid_(grid), value_(value), change_(change)
    {
    }
    operator T() const { return value_; }
    GridDefault& operator=(T value)
    {
        if (value == value_)
            return *this;
        value_ = value;
        if (grid_)
            change_ == Change::LaysOut ? grid_->requestLayout() : grid_->repaint();
        return *this;
    }

private:
    ColumnsOwner* grid_;
    T value_;
    Change change_;
};

// Grid-wide defaults of titles and footers, and of columns.
class TitleDefaults {
public:
    explicit TitleDefaults(ColumnsOwner* grid)
        : endEllipsis(grid, false), orientation(grid, TextOrientation::Horizontal, GridDefault<TextOrientation>::Change::LaysOut),
          titleButton(grid, false), grid_(grid)
    {
    }
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    Colour color() const;
    void setColor(const Colour& colour);
    GridDefault<bool> endEllipsis;
    GridDefault<TextOrientation> orientation;
    GridDefault<bool> titleButton;

private:
    ColumnsOwner* grid_;
    std::optional<TextAlignment> alignment_;
    std::optional<Colour> colour_;  // unset: follows the grid
};

class ColumnDefaults {
public:
    explicit ColumnDefaults(ColumnsOwner* grid)
        : endEllipsis(grid, false), layout(grid, TextLayout::Top), title(grid)
    {
    }
    GridDefault<bool> endEllipsis;
    GridDefault<TextLayout> layout;
    TitleDefaults title;
};
