#pragma once

#include "GridFont.h"

#include "platform/Colours.h"

#include <optional>

// How the grid looks: its fonts and colours as values (a colour is a fixed
// value or a palette role, never a name) and whether it is drawn flat.
// Columns, titles and footers that set none of their own follow it.
struct GridAppearance {
    GridFont font{{QStringLiteral("宋体"), -15}, SystemColour::windowText()};
    GridFont titleFont = font;
    GridFont footerFont = font;
    Colour color = SystemColour::window();
    Colour fixedColor = SystemColour::buttonFace();
    Colour footerColor = SystemColour::window();
    // Row colours by record number; unset, they are Color.
    std::optional<Colour> evenRowColor;
    std::optional<Colour> oddRowColor;
    bool flat = false;

    Colour evenRow() const { return evenRowColor.value_or(color); }
    Colour oddRow() const { return oddRowColor.value_or(color); }
};
