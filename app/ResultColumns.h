#pragma once

#include <QString>
#include <QList>

// The result columns shown to the user, in order: field name and title.
struct ResultColumn {
    QString fieldName;
    QString title;
};

const QList<ResultColumn>& shownResultColumns();
