#pragma once

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"

#include <QStringList>
#include <QVariantList>

// What a statement gives on a connection: its fields described (name, type,
// size, display width, alignment), every row's values, or the error text.
struct QueryOutcome {
    QString Error;
    QStringList Fields;
    QList<QVariantList> Rows;
};

// Each row as a line of tab-separated values, each written by valueText; or
// the error as the one line "error <text>".
template <typename ValueText>
QStringList OutcomeLines(const QueryOutcome& outcome, ValueText valueText)
{
    if (!outcome.Error.isEmpty())
        return {QStringLiteral("error ") + outcome.Error};
    QStringList lines;
    for (const QVariantList& row : outcome.Rows) {
        QStringList values;
        for (const QVariant& value : row)
            values << valueText(value);
        lines << values.join(u'\t');
    }
    return lines;
}

inline QueryOutcome RunQuery(Connection& connection, const QString& statement)
{
    Query query;
    query.SetConnection(&connection);
    query.SQL().append(statement);
    QueryOutcome outcome;
    try {
        query.Open();
    } catch (const DatabaseError& error) {
        outcome.Error = error.Message();
        return outcome;
    }
    for (int i = 0; i < query.FieldCount(); ++i) {
        const Field& field = query.FieldAt(i);
        outcome.Fields << QStringLiteral("%1 type %2 size %3 width %4 align %5")
                              .arg(field.FieldName())
                              .arg(int(field.DataType()))
                              .arg(field.Size())
                              .arg(field.DisplayWidth())
                              .arg(int(field.Alignment()));
    }
    for (int record = 0; record < query.RecordCount(); ++record) {
        QVariantList values;
        for (int i = 0; i < query.FieldCount(); ++i)
            values << query.FieldAt(i).Value(record);
        outcome.Rows << values;
    }
    return outcome;
}
