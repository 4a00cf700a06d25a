#include "OdbcSession.h"

#include "OdbcDataSources.h"

#include <QSqlDriver>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

bool PrepareOdbcSession(QSqlDatabase& db)
{
    const QString dbms = OdbcDbmsName(db.driver()->handle().value<void*>());
    const bool mysqlFamily = dbms.contains(u"MariaDB"_s, Qt::CaseInsensitive)
                             || dbms.contains(u"MySQL"_s, Qt::CaseInsensitive);
    if (!mysqlFamily)
        return true;
    QSqlQuery set(db);
    return set.exec(u"SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')"_s);
}
