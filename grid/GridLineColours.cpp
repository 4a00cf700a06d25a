// The colours of the grid's lines.
#include "GridLineColours.h"

#include "DataGrid.h"

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

} // namespace

QColor GridLineColours::dataLineColour() const
{
    return grid_.appearance().color == Colour(kSilver) ? kGrey : kSilver;
}

QColor GridLineColours::fixedLineColour() const
{
    return grid_.appearance().flat ? kGrey : QColor(0, 0, 0);
}

QColor GridLineColours::colourAt(Place place) const
{
    switch (place) {
    case Place::DataCells:
        return dataLineColour();
    case Place::FooterCells:
        return grid_.appearance().footerColor != SystemColour::window() ? fixedLineColour() : dataLineColour();
    default:
        return fixedLineColour();
    }
}
