#pragma once

#include "GridFont.h"

#include "platform/Colours.h"

#include <optional>

// How the grid looks: its fonts and colours as values (a colour is a fixed
// value or a palette role, never a name) and whether it is drawn flat.
// Columns, titles and footers that set none of their own follow it.
struct GridAppearance {
    GridFont Font{{QStringLiteral("宋体"), -15}, SystemColour::WindowText()};
    GridFont TitleFont = Font;
    GridFont FooterFont = Font;
    Colour Color = SystemColour::Window();
    Colour FixedColor = SystemColour::ButtonFace();
    Colour FooterColor = SystemColour::Window();
    // Row colours by record number; unset, they are Color.
    std::optional<Colour> EvenRowColor;
    std::optional<Colour> OddRowColor;
    bool Flat = false;

    Colour EvenRow() const { return EvenRowColor.value_or(Color); }
    Colour OddRow() const { return OddRowColor.value_or(Color); }
};
