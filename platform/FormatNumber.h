#pragma once

#include <QString>

// A count in a display pattern: its first run of placeholders takes the
// number ("0" a digit always shown, "#" one shown when significant, ","
// grouping by thousands); quoted text and any other character are literal.
QString formatCount(const QString& pattern, qint64 count);
