#include "OdbcSession.h"

#include "OdbcDataSources.h"

#include <QSqlDriver>
#include <QSqlQuery>

bool PrepareOdbcSession(QSqlDatabase& db)
{
    const QString dbms = OdbcDbmsName(db.driver()->handle().value<void*>());
    const bool mysqlFamily = dbms.contains(u"MariaDB"_qs, Qt::CaseInsensitive)
                             || dbms.contains(u"MySQL"_qs, Qt::CaseInsensitive);
    if (!mysqlFamily)
        return true;
    QSqlQuery set(db);
    return set.exec(u"SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')"_qs);
}
