#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cstdlib>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kConnectionString =
    u"Provider=MSDASQL.1;Password=secret@pw51807316;Persist Security Info=True;"
    u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_s;

class CatalogueConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        useOdbcIni(dir_.path(), QString());
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORLAK_CATALOGUE_DB), databasePath_));
        connection_.setConnectionString(kConnectionString);
        connection_.setEmbeddedDatabase(databasePath_);
        query_.setConnection(&connection_);
    }

    void openQuery(const QString& statement)
    {
        query_.close();
        query_.sql().clear();
        query_.sql().append(statement);
        query_.open();
    }

    QTemporaryDir dir_;
    QString databasePath_ = dir_.filePath(u"vorlak.db"_s);
    Connection connection_;
    Query query_;
};

TEST_F(CatalogueConnection, WithoutTheDataSourceTheEmbeddedCatalogueOpens)
{
    EXPECT_EQ(connection_.dataSourceConnectionString(), QString());
    EXPECT_FALSE(connection_.connected());
    connection_.open();
    EXPECT_TRUE(connection_.connected());
    connection_.open();  // opening an open connection does nothing
    EXPECT_TRUE(connection_.connected());
    connection_.close();
    EXPECT_FALSE(connection_.connected());
}

TEST_F(CatalogueConnection, TheEmbeddedCatalogueIsNeverWritten)
{
    const QByteArray before = fileHash(databasePath_);
    EXPECT_THROW(openQuery(u"DELETE FROM hazardous_chemicals"_s), DatabaseError);
    EXPECT_THROW(openQuery(u"CREATE TABLE t (x INTEGER)"_s), DatabaseError);
    connection_.close();
    EXPECT_EQ(fileHash(databasePath_), before);
}

TEST_F(CatalogueConnection, AMissingCatalogueIsAnErrorAndCreatesNothing)
{
    QFile::remove(databasePath_);
    EXPECT_THROW(connection_.open(), DatabaseError);
    EXPECT_FALSE(connection_.connected());
    EXPECT_FALSE(QFile::exists(databasePath_));
}

// A damaged, foreign or empty catalogue file is refused when the connection
// opens, as a missing one is, and stays as it was.
TEST_F(CatalogueConnection, ADamagedCatalogueIsRefusedAtConnectingAndStaysAsItWas)
{
    QFile original(databasePath_);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray catalogue = original.readAll();
    original.close();
    const QString noTablesPath = dir_.filePath(u"no-tables.db"_s);
    ASSERT_EQ(std::system(("sqlite3 '" + noTablesPath.toStdString() + "' 'CREATE TABLE t (x); DROP TABLE t;'").c_str()), 0);
    QFile noTables(noTablesPath);
    ASSERT_TRUE(noTables.open(QIODevice::ReadOnly));

    const QString kNoTables = u"[SQLite]the file holds no tables QODBC: Unable to connect"_s;
    const QString kNotADatabase = u"[SQLite]file is not a database (26) QODBC: Unable to connect"_s;
    const QString kMalformed = u"[SQLite]database disk image is malformed (11) QODBC: Unable to connect"_s;
    const struct {
        const char* name;
        QByteArray contents;
        QString error;
    } cases[] = {
        {"empty", QByteArray(), kNoTables},
        {"no tables", noTables.readAll(), kNoTables},
        {"text", QByteArray("[vorlak]\nDriver=SQLite3\n"), kNotADatabase},
        {"binary", QByteArray(8192, '\xA5'), kNotADatabase},
        {"cut in the header", catalogue.left(60), kMalformed},
        {"cut in half", catalogue.left(catalogue.size() / 2), kMalformed},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.name);
        writeFile(databasePath_, damaged.contents);
        const QByteArray before = fileHash(databasePath_);
        try {
            connection_.open();
            ADD_FAILURE() << "the connection opened";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.message(), damaged.error);
        }
        EXPECT_FALSE(connection_.connected());
        EXPECT_EQ(fileHash(databasePath_), before);
    }
    // One that cannot be read at all (root reads every file, so a folder stands for it).
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"folder.db"_s));
    connection_.setEmbeddedDatabase(dir_.filePath(u"folder.db"_s));
    EXPECT_THROW(connection_.open(), DatabaseError);
    EXPECT_FALSE(connection_.connected());
}

TEST_F(CatalogueConnection, ADefinedDataSourceIsUsedInsteadOfTheEmbeddedFile)
{
    useOdbcIni(dir_.path(), u"[Vorlak]\nDriver=MariaDB Unicode\n"_s);
    EXPECT_EQ(connection_.dataSourceConnectionString(),
              u"DSN=vorlak;PWD=secret@pw51807316;UID=vorlak;DATABASE=vorlak"_s);

    useOdbcIni(dir_.path(), u"[other]\nDriver=MariaDB Unicode\n"_s);
    EXPECT_EQ(connection_.dataSourceConnectionString(), QString());
}

// The SQLite ODBC driver takes its database as a file name: the data source's
// own file is read, and the catalogue name creates no file in the working folder.
TEST_F(CatalogueConnection, AnSqliteDataSourceReadsTheFileItNames)
{
    useOdbcIni(dir_.path(), u"[vorlak]\nDriver=SQLite3\nDatabase="_s + databasePath_ + u'\n');
    EXPECT_EQ(connection_.dataSourceConnectionString(), u"DSN=vorlak;PWD=secret@pw51807316;UID=vorlak"_s);
    QTemporaryDir working;
    const QString before = QDir::currentPath();
    QDir::setCurrent(working.path());
    const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
    openQuery(u"SELECT name1 FROM hazardous_chemicals WHERE cas = '67-56-1'"_s);
    ASSERT_EQ(query_.recordCount(), 1);
    EXPECT_EQ(query_.fieldAt(0).displayText(), u"甲醇"_s);
    EXPECT_TRUE(QDir(working.path()).isEmpty());
}

TEST_F(CatalogueConnection, AFailureCarriesTheDriverMessageButNeverThePassword)
{
    useOdbcIni(dir_.path(), u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s
                                + dir_.filePath(u"no-server.sock"_s) + u'\n');
    try {
        connection_.open();
        FAIL() << "opened a server that does not exist";
    } catch (const DatabaseError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        EXPECT_FALSE(error.message().contains(u"secret@pw51807316"_s)) << error.what();
    }
    EXPECT_FALSE(connection_.connected());
}

TEST_F(CatalogueConnection, AQueryOpensTheConnectionAndFetchesEveryRow)
{
    openQuery(u"SELECT A.id,index_id, A.cas as CAS, B.html_file FROM hazardous_chemicals A "
              u"Left JOIN hazardous_chemicals_msds B ON A.cas = B.cas order by Id"_s);
    EXPECT_TRUE(connection_.connected());
    EXPECT_TRUE(query_.active());
    EXPECT_GT(query_.recordCount(), 0);
    EXPECT_EQ(query_.recNo(), 1);
    ASSERT_EQ(query_.fieldCount(), 4);
    EXPECT_EQ(query_.fieldAt(0).fieldName(), u"id"_s);
    EXPECT_EQ(query_.fieldAt(2).fieldName(), u"CAS"_s);

    // Fields are found without regard to letter case; the first row's page
    // is named after its CAS number.
    EXPECT_EQ(&query_.fieldByName(u"cas"_s), &query_.fieldAt(2));
    EXPECT_EQ(query_.findField(u"ID"_s), &query_.fieldAt(0));
    EXPECT_EQ(query_.fieldByName(u"html_file"_s).displayText(), u"8008-60-4"_s);

    try {
        query_.fieldByName(u"Nope"_s);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), u"Field 'Nope' not found"_s);
    }

    query_.close();
    EXPECT_FALSE(query_.active());
    EXPECT_EQ(query_.fieldCount(), 0);
    EXPECT_EQ(query_.findField(u"id"_s), nullptr);
    query_.close();  // closing a closed query does nothing
}

TEST_F(CatalogueConnection, ARefusedStatementLeavesTheQueryClosed)
{
    try {
        openQuery(u"SELECT x FROM nowhere"_s);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(u"nowhere"_s)) << error.what();
    }
    EXPECT_FALSE(query_.active());
    EXPECT_EQ(query_.fieldCount(), 0);
}

} // namespace
