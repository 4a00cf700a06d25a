#pragma once

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
