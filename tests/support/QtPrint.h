#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <ostream>

// Shows Qt strings as text in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (const QString& text : list)
        *out << "\n  \"" << text.toStdString() << '"';
    *out << " }";
}

inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}
