#pragma once

#include <QString>

// A number in a display pattern: "0" a digit always shown, "#" a digit shown
// when significant, "." the decimal point, "," thousands grouping, quoted
// text and any other character as literal text; up to three sections
// separated by ";" for positive, negative and zero values. An empty pattern
// gives the shortest general form.
QString formatFloat(const QString& pattern, double value);
