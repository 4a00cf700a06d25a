#pragma once

#include <QString>

// A GHS pictogram drawn as inline SVG for an HTML page: the red-bordered
// diamond with the symbol in black, labelled with its code and name. It
// refers to nothing outside itself.
QString pictogramSvg(const QString& code);
