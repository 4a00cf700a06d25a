#include "FormatNumber.h"

QString formatCount(const QString& pattern, qint64 count)
{
    // The first run of placeholders outside quotes: how many digits it
    // always shows, and whether it groups thousands.
    int runStart = -1, runEnd = -1, zeros = 0;
    bool grouping = false;
    QChar quote;
    for (int i = 0; i < pattern.size() && runEnd < 0; ++i) {
        const QChar ch = pattern.at(i);
        const bool placeholder = quote.isNull() && (ch == u'0' || ch == u'#' || (ch == u',' && runStart >= 0));
        if (placeholder) {
            if (runStart < 0)
                runStart = i;
            zeros += ch == u'0';
            grouping = grouping || ch == u',';
        } else if (runStart >= 0) {
            runEnd = i;
        } else if (!quote.isNull() ? ch == quote : (ch == u'"' || ch == u'\'')) {
            quote = quote.isNull() ? ch : QChar();
        }
    }
    if (runStart >= 0 && runEnd < 0)
        runEnd = int(pattern.size());

    QString number = count == 0 && zeros == 0 ? QString() : QString::number(qAbs(count));
    while (number.size() < zeros)
        number.prepend(u'0');
    if (grouping)
        for (int i = int(number.size()) - 3; i > 0; i -= 3)
            number.insert(i, u',');
    if (count < 0)
        number.prepend(u'-');

    QString out;
    quote = QChar();
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern.at(i);
        if (i == runStart)
            out += number;
        if (i >= runStart && i < runEnd)
            continue;
        if (!quote.isNull() ? ch == quote : (ch == u'"' || ch == u'\''))
            quote = quote.isNull() ? ch : QChar();
        else
            out += ch;
    }
    return out;
}
