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
    static Colour role(QPalette::ColorRole role)
    {
        Colour colour;
        colour.role_ = role;
        return colour;
    }
    QColor resolved() const;
    bool operator==(const Colour& other) const { return role_ == other.role_ && fixed_ == other.fixed_; }

private:
    QColor fixed_;
    QPalette::ColorRole role_ = QPalette::NoRole;
};

// The system colours the program draws with.
namespace SystemColour {
inline Colour window() { return Colour::role(QPalette::Base); }
inline Colour windowText() { return Colour::role(QPalette::WindowText); }
inline Colour buttonFace() { return Colour::role(QPalette::Button); }
inline Colour buttonShadow() { return Colour::role(QPalette::Dark); }
inline Colour buttonHighlight() { return Colour::role(QPalette::Light); }
inline Colour highlight() { return Colour::role(QPalette::Highlight); }
inline Colour highlightText() { return Colour::role(QPalette::HighlightedText); }
} // namespace SystemColour

// A stored layout's colour: a system colour by name ("clBtnFace", "clWindow",
// "clWindowText", "clHighlight", ...), a named colour ("clInactiveBorder",
// "clBlue") or "#rrggbb". Only the layout readers call this.
Colour colourFromName(const QString& name);

