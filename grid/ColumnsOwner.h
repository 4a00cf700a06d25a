#pragma once

#include "GridAppearance.h"

#include <QString>

class Canvas;
class GridColumn;
class Query;
class SumList;

// The grid as its columns see it: the look they follow, the result set
// they bind to, and where their changes go.
class ColumnsOwner {
public:
    virtual ~ColumnsOwner() = default;

    virtual Query* dataSet() const = 0;
    // Reading the stored configuration: no lookups, no layout.
    virtual bool loading() const = 0;

    // The fonts and colours that columns without their own follow.
    virtual const GridAppearance& appearance() const = 0;
    virtual bool readOnly() const = 0;
    virtual ::SumList* sumList() = 0;

    // A column changed (null: all of them); the grid updates its geometry.
    virtual void columnsChanged(GridColumn* column) = 0;
    virtual void repaint() = 0;
    virtual void requestLayout() = 0;
};
