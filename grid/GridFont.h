#pragma once

#include "platform/Colours.h"
#include "platform/Fonts.h"

#include <QString>

// A font as the grid's objects hold it: family, pixel height, style and colour.
struct GridFont {
    FontSpec face;
    Colour textColour = SystemColour::windowText();

    bool operator==(const GridFont& other) const = default;
};
