#include "FormatNumber.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QStringList patternSections(const QString& pattern)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar ch : pattern) {
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
            current += ch;
        } else if (ch == u'"' || ch == u'\'') {
            quote = ch;
            current += ch;
        } else if (ch == u';') {
            sections.append(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    sections.append(current);
    return sections;
}

QString formatSection(const QString& section, double value)
{
    // Where the digit placeholders are, and what they ask for.
    int firstDigit = -1, lastDigit = -1, point = -1;
    int intZeros = 0, fracZeros = 0, fracHashes = 0;
    bool grouping = false;
    QChar quote;
    for (int i = 0; i < section.size(); ++i) {
        const QChar ch = section.at(i);
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
            continue;
        }
        if (ch == u'"' || ch == u'\'') {
            quote = ch;
            continue;
        }
        if (ch == u'0' || ch == u'#') {
            if (firstDigit < 0)
                firstDigit = i;
            lastDigit = i;
            if (point < 0)
                intZeros += ch == u'0';
            else
                (ch == u'0' ? fracZeros : fracHashes)++;
        } else if (ch == u'.' && point < 0 && firstDigit >= 0) {
            point = i;
            lastDigit = qMax(lastDigit, i);
        } else if (ch == u',' && firstDigit >= 0 && point < 0) {
            grouping = true;
        }
    }
    if (firstDigit < 0) {
        QString literal;
        for (QChar ch : section)
            if (ch != u'"' && ch != u'\'')
                literal += ch;
        return literal;
    }

    const int decimals = fracZeros + fracHashes;
    QString digits = QString::number(std::fabs(value), 'f', decimals);
    QString intPart = digits.section(u'.', 0, 0);
    QString fracPart = decimals > 0 ? digits.section(u'.', 1, 1) : QString();
    while (fracPart.size() > fracZeros && fracPart.endsWith(u'0'))
        fracPart.chop(1);
    if (intPart == u"0" && intZeros == 0)
        intPart.clear();
    while (intPart.size() < intZeros)
        intPart.prepend(u'0');
    if (grouping)
        for (int i = int(intPart.size()) - 3; i > 0; i -= 3)
            intPart.insert(i, u',');
    QString number = intPart;
    if (!fracPart.isEmpty())
        number += u'.' + fracPart;

    QString out;
    quote = QChar();
    for (int i = 0; i < section.size(); ++i) {
        const QChar ch = section.at(i);
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
            else
                out += ch;
            continue;
        }
        if (ch == u'"' || ch == u'\'') {
            quote = ch;
            continue;
        }
        if (i == firstDigit)
            out += number;
        if (i >= firstDigit && i <= lastDigit && (ch == u'0' || ch == u'#' || ch == u'.' || ch == u','))
            continue;
        out += ch;
    }
    return out;
}

} // namespace

QString formatFloat(const QString& pattern, double value)
{
    if (pattern.isEmpty())
        return QString::number(value, 'g', 15);
    const QStringList sections = patternSections(pattern);
    if (value < 0 && sections.size() > 1)
        return formatSection(sections.at(1), value);
    if (value == 0 && sections.size() > 2)
        return formatSection(sections.at(2), value);
    const QString text = formatSection(sections.at(0), value);
    return value < 0 && text.contains(QRegularExpression(u"[1-9]"_s)) ? u'-' + text : text;
}
