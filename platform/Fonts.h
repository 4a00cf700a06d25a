#pragma once

#include <QFont>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// A font as the layouts describe it: a family name and a height in pixels
// (negative: character height, positive: cell height), style flags.
struct FontSpec {
    QString name;
    int height = -15;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const FontSpec&) const = default;
};

// The desktop's own font for bars and panels that keep the system font
// rather than their window's: 宋体 at 12 pixels (9 points), as a Chinese
// desktop sets it.
FontSpec systemFontSpec();

// The stored form of a font: {"Name", "Height", "Style": ["bold", "italic", "underline"]};
// without name or height, 宋体 at -15.
FontSpec readFontSpec(const QJsonObject& stored);

// The family that stands for a layout's family name on this machine: "宋体"
// is SimSun where installed, else AR PL UMing CN (the same metrics: text as
// high as its pixel size, half-width digits), else a CJK serif, else any CJK
// family; "MS Sans Serif" is the platform's sans serif.
QString resolveFontFamily(const QString& name, const QStringList& installedFamilies);

// The Qt font for a layout's font; pixel heights are kept. "MS Sans Serif"
// is 11 pixels whatever the layout says.
QFont resolveFont(const FontSpec& wanted);
