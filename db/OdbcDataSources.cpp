#include "OdbcDataSources.h"

#include <sql.h>
#include <sqlext.h>

#include <QStringList>

namespace {

// Runs a look-up with an ODBC 3 environment of its own.
template <typename LookUp>
auto withEnvironment(LookUp lookUp) -> decltype(lookUp(SQLHENV()))
{
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return {};
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    auto result = lookUp(env);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return result;
}

QString text(const SQLCHAR* bytes)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes));
}

} // namespace

std::optional<QString> odbcDataSourceDriver(const QString& name)
{
    return withEnvironment([&name](SQLHENV env) -> std::optional<QString> {
        SQLCHAR dsn[SQL_MAX_DSN_LENGTH + 1];
        SQLCHAR driver[256];
        SQLSMALLINT dsnLength = 0;
        SQLSMALLINT driverLength = 0;
        SQLUSMALLINT direction = SQL_FETCH_FIRST;
        while (SQL_SUCCEEDED(SQLDataSources(env, direction, dsn, sizeof dsn, &dsnLength, driver, sizeof driver,
                                            &driverLength))) {
            if (text(dsn).compare(name, Qt::CaseInsensitive) == 0)
                return text(driver);
            direction = SQL_FETCH_NEXT;
        }
        return std::nullopt;
    });
}

namespace {

// The attributes the driver list gives a driver ("Driver=libx.so", …), each
// as "key=value".
QStringList driverAttributes(const QString& name)
{
    return withEnvironment([&name](SQLHENV env) {
        SQLCHAR driver[256];
        SQLCHAR attributes[2048];
        SQLSMALLINT driverLength = 0;
        SQLSMALLINT attributesLength = 0;
        SQLUSMALLINT direction = SQL_FETCH_FIRST;
        while (SQL_SUCCEEDED(SQLDrivers(env, direction, driver, sizeof driver, &driverLength, attributes,
                                        sizeof attributes, &attributesLength))) {
            if (text(driver) == name) {
                // The pairs are separated by NUL characters.
                QStringList pairs;
                for (const char* at = reinterpret_cast<const char*>(attributes); *at; at += qstrlen(at) + 1)
                    pairs.append(QString::fromUtf8(at));
                return pairs;
            }
            direction = SQL_FETCH_NEXT;
        }
        return QStringList();
    });
}

} // namespace

bool odbcDriverTakesFileName(const QString& driver)
{
    if (driver.contains(u"sqlite", Qt::CaseInsensitive))
        return true;
    for (const QString& attribute : driverAttributes(driver))
        if (attribute.startsWith(u"Driver=", Qt::CaseInsensitive) && attribute.contains(u"sqlite", Qt::CaseInsensitive))
            return true;
    return false;
}

QString odbcDbmsName(void* connectionHandle)
{
    SQLCHAR name[256] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(static_cast<SQLHDBC>(connectionHandle), SQL_DBMS_NAME, name,
                                  sizeof name, &length)))
        return QString();
    return QString::fromUtf8(reinterpret_cast<const char*>(name));
}
