// The colours of the grid's lines.
#include "GridLineColours.h"

#include "DataGrid.h"

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

} // namespace

QColor GridLineColours::dataLineColor() const
{
    if (dataLine_)
        return *dataLine_;
    return grid_.appearance().color == Colour(kSilver) ? kGrey : kSilver;
}

QColor GridLineColours::colourAt(Place place) const
{
    if (const auto slot = slots_.at(size_t(place)))
        return *slot;
    switch (place) {
    case Place::DataCells:
        return dataLineColor();
    case Place::FooterCells:
        return grid_.extraOptions().has(DataGrid::ExtraOption::Footer3D)
                       || grid_.appearance().footerColor != SystemColour::window()
                   ? fixedLineColor()
                   : dataLineColor();
    default:
        return fixedLineColor();
    }
}
