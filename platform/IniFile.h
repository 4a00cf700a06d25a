#pragma once

#include <QString>

// Reads one value from an INI file the way the classic profile reader does:
// section and key names match without regard to letter case, blanks around
// names and values are dropped, one pair of enclosing quotes is removed, and
// the value is cut to bufferSize - 1 characters. A missing file, section or key
// yields the default, cut the same way.
QString readIniString(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue, int bufferSize);
