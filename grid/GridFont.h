#pragma once

#include "platform/Fonts.h"

#include <QString>

// A font as the grid's objects hold it: family, pixel height, style and colour.
struct GridFont {
    FontSpec Face;
    QString Colour = QStringLiteral("clWindowText");  // a colour name, resolved when drawing

    bool operator==(const GridFont& other) const = default;
};
