#pragma once

#include "platform/Fonts.h"

#include <QJsonObject>
#include <QString>

// A font as the grid's objects hold it: family, pixel height, style and colour.
struct GridFont {
    FontSpec Face;
    QString Colour = QStringLiteral("clWindowText");  // a colour name, resolved when drawing

    bool operator==(const GridFont& other) const = default;
};

// The stored form of a font: {"Name", "Height", "Color", "Style": ["bold", ...]}.
GridFont ReadGridFont(const QJsonObject& stored);
QJsonObject WriteGridFont(const GridFont& font);
