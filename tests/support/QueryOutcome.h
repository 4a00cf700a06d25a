#pragma once

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"

#include <QStringList>
#include <QVariantList>

// What a statement gives on a connection: its fields described (name, type,
// size, display width, alignment), every row's values, or the error text.
struct QueryOutcome {
    QString error;
    QStringList fields;
    QList<QVariantList> rows;
};

// Each row as a line of tab-separated values, each written by valueText; or
// the error as the one line "error <text>".
template <typename ValueText>
QStringList outcomeLines(const QueryOutcome& outcome, ValueText valueText)
{
    if (!outcome.error.isEmpty())
        return {QStringLiteral("error ") + outcome.error};
    QStringList lines;
    for (const QVariantList& row : outcome.rows) {
        QStringList values;
        for (const QVariant& value : row)
            values << valueText(value);
        lines << values.join(u'\t');
    }
    return lines;
}

inline QueryOutcome runQuery(Connection& connection, const QString& statement)
{
    Query query;
    query.setConnection(&connection);
    query.sql().append(statement);
    QueryOutcome outcome;
    try {
        query.open();
    } catch (const DatabaseError& error) {
        outcome.error = error.message();
        return outcome;
    }
    for (int i = 0; i < query.fieldCount(); ++i) {
        const Field& field = query.fieldAt(i);
        outcome.fields << QStringLiteral("%1 type %2 size %3 align %4")
                              .arg(field.fieldName())
                              .arg(int(field.dataType()))
                              .arg(field.size())
                              .arg(int(field.alignment()));
    }
    for (int record = 0; record < query.recordCount(); ++record) {
        QVariantList values;
        for (int i = 0; i < query.fieldCount(); ++i)
            values << query.fieldAt(i).value(record);
        outcome.rows << values;
    }
    return outcome;
}
