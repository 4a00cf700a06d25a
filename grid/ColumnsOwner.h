#pragma once

#include "GridAppearance.h"

#include <QString>

class Canvas;
class ColumnDefaults;
class GridColumn;
class Query;
class SumList;

// The grid as its columns see it: the defaults they follow, the result set
// they bind to, and where their changes go.
class ColumnsOwner {
public:
    virtual ~ColumnsOwner() = default;

    virtual Query* DataSet() const = 0;
    // Reading the stored configuration: no lookups, no layout.
    virtual bool Loading() const = 0;
    // Handling a layout change the result set announced.
    virtual bool LayoutChangeAnnounced() const = 0;
    virtual bool HasWindow() const = 0;

    // The fonts and colours that columns without their own follow.
    virtual const GridAppearance& Appearance() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual bool UseMultiTitle() const = 0;
    // A canvas to measure text on (the grid's, or a borrowed screen device).
    virtual Canvas& MeasuringCanvas() const = 0;
    virtual ColumnDefaults& ColumnDefValues() = 0;
    virtual ::SumList* SumList() = 0;

    // A column changed (null: all of them); the grid updates its geometry.
    virtual void ColumnsChanged(GridColumn* column) = 0;
    virtual void Repaint() = 0;
    virtual void RequestLayout() = 0;
};
