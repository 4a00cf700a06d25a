#pragma once

#include <QColor>
#include <array>
#include <optional>

class DataGrid;

// The colours of the grid's lines: 18 slots, each a colour or unset; an
// unset slot takes one of the two base colours.
class GridLineColours {
public:
    // Where a grid line lies.
    enum class Place {
        FixedCells,       // between indicator and title cells
        DataCells,        // between data cells, frozen or scrolling
        FrozenSeparator,  // after the last frozen column
        FooterSeparator,  // between the data area and the footer rows
        FooterCells,      // between footer cells
        ContraSeparator,  // before the contra columns
    };
    static constexpr int kSlots = 18;
    explicit GridLineColours(const DataGrid& grid) : grid_(grid) {}
    // Silver, or grey when the grid itself is silver; unless set.
    QColor dataLineColor() const;
    void setDataLineColor(const QColor& colour) { dataLine_ = colour; }
    // Grey unless set.
    QColor fixedLineColor() const { return fixedLine_.value_or(QColor(128, 128, 128)); }
    void setFixedLineColor(const QColor& colour) { fixedLine_ = colour; }
    std::optional<QColor> slot(int index) const { return slots_.at(size_t(index)); }
    void setSlot(int index, std::optional<QColor> colour) { slots_.at(size_t(index)) = colour; }
    // The colour a line takes at a place: its slot when set, else a base colour.
    QColor colourAt(Place place) const;

private:
    const DataGrid& grid_;
    std::optional<QColor> dataLine_;
    std::optional<QColor> fixedLine_;
    std::array<std::optional<QColor>, kSlots> slots_{};
};
