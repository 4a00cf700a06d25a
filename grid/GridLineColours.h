#pragma once

#include <QColor>

class DataGrid;

// The colours of the grid's lines, from its look.
class GridLineColours {
public:
    // Where a grid line lies.
    enum class Place {
        FixedCells,       // between indicator and title cells
        DataCells,        // between data cells, frozen or scrolling
        FrozenSeparator,  // after the last frozen column
        FooterSeparator,  // between the data area and the footer rows
        FooterCells,      // between footer cells
    };
    explicit GridLineColours(const DataGrid& grid) : grid_(grid) {}
    // The colour a line takes at a place.
    QColor colourAt(Place place) const;

private:
    // Silver, or grey when the grid itself is silver.
    QColor dataLineColour() const;
    // Black, or grey when the grid is flat.
    QColor fixedLineColour() const;

    const DataGrid& grid_;
};
