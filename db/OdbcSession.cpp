#include "OdbcSession.h"

#include "OdbcDataSources.h"
#include "OdbcStatement.h"

#include <QSqlDriver>
#include <sql.h>
#include <sqlext.h>
#include <QVariant>

using namespace Qt::StringLiterals;

void* odbcConnectionHandle(const QSqlDatabase& db)
{
    return db.driver()->handle().value<void*>();
}

void prepareOdbcSession(const QSqlDatabase& db)
{
    const QString dbms = odbcDbmsName(odbcConnectionHandle(db));
    const bool mysqlFamily = dbms.contains(u"MariaDB"_s, Qt::CaseInsensitive)
                             || dbms.contains(u"MySQL"_s, Qt::CaseInsensitive);
    if (mysqlFamily)
        runOdbcCommand(odbcConnectionHandle(db),
                       u"SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')"_s);
}

bool odbcConnectionDead(const QSqlDatabase& db)
{
    SQLUINTEGER dead = SQL_CD_FALSE;
    const SQLRETURN r = SQLGetConnectAttr(SQLHDBC(odbcConnectionHandle(db)), SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr);
    return SQL_SUCCEEDED(r) && dead == SQL_CD_TRUE;
}
