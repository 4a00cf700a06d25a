#pragma once

#include <QByteArray>
#include <QString>

// A value on one line of tab-separated output: tabs and line breaks become blanks.
inline QString tabSeparatedCell(QString text)
{
    for (QChar& ch : text)
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    return text;
}

// The same in UTF-8, where these three bytes stand for nothing else.
inline void blankTabsAndBreaks(QByteArray& utf8)
{
    for (char& byte : utf8)
        if (byte == '\t' || byte == '\n' || byte == '\r')
            byte = ' ';
}
