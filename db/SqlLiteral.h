#pragma once

#include <QString>

// The inside of a single-quoted SQL string literal: a quote is doubled, the
// only escape the catalogue's sessions accept (MariaDB and MySQL sessions run
// with NO_BACKSLASH_ESCAPES).
inline QString sqlQuotedText(const QString& text)
{
    return QString(text).replace(u'\'', QStringLiteral("''"));
}
