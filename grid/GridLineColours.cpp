// The colours of the grid's lines.
#include "GridLineColours.h"

#include "DataGrid.h"

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

} // namespace

QColor GridLineColours::DataLineColor() const
{
    if (dataLine_)
        return *dataLine_;
    return grid_.Appearance().Color == Colour(kSilver) ? kGrey : kSilver;
}

QColor GridLineColours::ColourAt(Place place) const
{
    if (const auto slot = slots_.at(size_t(place)))
        return *slot;
    switch (place) {
    case Place::DataCells:
        return DataLineColor();
    case Place::FooterCells:
        return grid_.ExtraOptions().Has(DataGrid::ExtraOption::Footer3D)
                       || grid_.Appearance().FooterColor != SystemColour::Window()
                   ? FixedLineColor()
                   : DataLineColor();
    default:
        return FixedLineColor();
    }
}
