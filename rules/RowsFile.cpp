#include "RowsFile.h"

#include "platform/Errors.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString encodeRowValue(const RowValue& value)
{
    if (!value)
        return u"\\N"_s;
    QString out;
    out.reserve(value->size());
    for (QChar ch : *value) {
        if (ch == u'\\')
            out += u"\\\\"_s;
        else if (ch == u'\t')
            out += u"\\t"_s;
        else if (ch == u'\n')
            out += u"\\n"_s;
        else
            out += ch;
    }
    return out;
}

RowValue decodeRowValue(const QString& text)
{
    if (text == u"\\N")
        return std::nullopt;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\\' || i + 1 == text.size()) {
            out += ch;
            continue;
        }
        const QChar next = text.at(++i);
        out += next == u't' ? QChar(u'\t') : next == u'n' ? QChar(u'\n') : next;
    }
    return out;
}

RowsTable readRowsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(path + u": "_s + file.errorString());
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        throw Exception(path + u": no header line"_s);

    RowsTable table;
    table.columns = lines.first().split(u'\t');
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QStringList cells = lines.at(n).split(u'\t');
        if (cells.size() != table.columns.size())
            throw Exception(u"%1:%2: %3 values where the header names %4"_s.arg(path)
                                .arg(n + 1)
                                .arg(cells.size())
                                .arg(table.columns.size()));
        QList<RowValue> row;
        row.reserve(cells.size());
        for (const QString& cell : cells)
            row.append(decodeRowValue(cell));
        table.rows.append(std::move(row));
    }
    return table;
}

void writeRowsFile(const QString& path, const RowsTable& table)
{
    QString text = table.columns.join(u'\t') + u'\n';
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const RowValue& value : row)
            cells.append(encodeRowValue(value));
        text += cells.join(u'\t') + u'\n';
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw Exception(path + u": "_s + file.errorString());
}

QStringList splitSqlScript(const QString& script)
{
    static const QRegularExpression comment(u"--[^\n]*"_s);
    QStringList statements;
    for (const QString& part : QString(script).remove(comment).split(u';')) {
        const QString statement = part.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    }
    return statements;
}

QList<QStringList> readDataLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(path + u": "_s + file.errorString());
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    while (!lines.isEmpty() && lines.first().startsWith(u'#'))
        lines.removeFirst();
    QList<QStringList> rows;
    for (const QString& line : lines.mid(1)) {
        QStringList cells = line.split(u'\t');
        for (QString& cell : cells)
            cell = cell.trimmed();
        rows.append(cells);
    }
    return rows;
}
