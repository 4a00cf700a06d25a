#pragma once

#include <QDate>
#include <QDateTime>

// The day the build writes its pages and documents on; SOURCE_DATE_EPOCH
// fixes it for reproducible builds.
inline QDate buildDate()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date() : QDate::currentDate();
}
