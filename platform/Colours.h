#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// A colour as the program draws it: a fixed value, or a role of the
// application palette, looked up when drawing so that a theme change shows.
class Colour {
public:
    Colour() = default;
    Colour(const QColor& fixed) : fixed_(fixed) {}
    static Colour Role(QPalette::ColorRole role)
    {
        Colour colour;
        colour.role_ = role;
        return colour;
    }
    QColor Resolved() const;
    bool operator==(const Colour& other) const { return role_ == other.role_ && fixed_ == other.fixed_; }

private:
    QColor fixed_;
    QPalette::ColorRole role_ = QPalette::NoRole;
};

// The system colours the program draws with.
namespace SystemColour {
inline Colour Window() { return Colour::Role(QPalette::Base); }
inline Colour WindowText() { return Colour::Role(QPalette::WindowText); }
inline Colour ButtonFace() { return Colour::Role(QPalette::Button); }
inline Colour ButtonShadow() { return Colour::Role(QPalette::Dark); }
inline Colour ButtonHighlight() { return Colour::Role(QPalette::Light); }
inline Colour Highlight() { return Colour::Role(QPalette::Highlight); }
inline Colour HighlightText() { return Colour::Role(QPalette::HighlightedText); }
} // namespace SystemColour

// A stored layout's colour: a system colour by name ("clBtnFace", "clWindow",
// "clWindowText", "clHighlight", ...), a named colour ("clInactiveBorder",
// "clBlue") or "#rrggbb". Only the layout readers call this.
Colour ColourFromName(const QString& name);

// The bits per pixel of the primary screen; 32 without one.
int DisplayBitsPerPixel();
