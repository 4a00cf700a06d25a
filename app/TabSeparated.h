#pragma once

#include <QString>

// A value on one line of tab-separated output: tabs and line breaks become blanks.
inline QString tabSeparatedCell(QString text)
{
    for (QChar& ch : text)
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    return text;
}
