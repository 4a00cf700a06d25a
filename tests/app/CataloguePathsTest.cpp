// The embedded catalogue read through SQLite's own library gives what the
// same file gives through the ODBC driver: the same fields, described alike,
// the same values of the same types, the same error texts.
#include "app/SearchSql.h"

#include "support/QtPrint.h"
#include "support/QueryOutcome.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <clocale>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CataloguePaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The ODBC driver reads statement text by the process's locale; under
        // "C" it misreads non-ASCII patterns (see below), as under a program
        // started with LANG=C.
        std::setlocale(LC_ALL, "C.UTF-8");
        // The data source reaches the shipped file through the SQLite ODBC driver.
        const QString file = QString::fromUtf8(QUrl::fromLocalFile(QStringLiteral(VORLAK_CATALOGUE_DB)).toEncoded());
        useOdbcIni(dir_.path(), u"[through-odbc]\nDriver=SQLite3\nDatabase="_s + file + u"?mode=ro\n"_s);
        direct_.setEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
        odbc_.setConnectionString(u"Data Source=through-odbc"_s);
    }

    // Every field's description and every value with its type, or the error text.
    static QStringList result(Connection& connection, const QString& statement)
    {
        const QueryOutcome outcome = runQuery(connection, statement);
        const QStringList rows = outcomeLines(outcome, [](const QVariant& value) {
            return (value.isNull() ? u"null "_s : QString()) + value.metaType().name() + u' ' + value.toString();
        });
        return outcome.error.isEmpty() ? outcome.fields + rows : rows;
    }

    void expectSame(const QString& statement)
    {
        const QStringList direct = result(direct_, statement);
        const QStringList odbc = result(odbc_, statement);
        EXPECT_FALSE(odbc.isEmpty());
        EXPECT_EQ(direct.size(), odbc.size()) << statement.toStdString();
        // The first line that differs, not thousands of them.
        for (qsizetype i = 0; i < qMin(direct.size(), odbc.size()); ++i)
            if (direct[i] != odbc[i]) {
                ADD_FAILURE() << statement.toStdString() << "\nline " << i << "\n  direct: " << direct[i].toStdString()
                              << "\n  odbc:   " << odbc[i].toStdString();
                break;
            }
    }

    QTemporaryDir dir_;
    Connection direct_;
    Connection odbc_;
};

TEST_F(CataloguePaths, SearchesReadTheSameEitherWay)
{
    ASSERT_EQ(direct_.dataSourceConnectionString(), QString());
    ASSERT_FALSE(odbc_.dataSourceConnectionString().isEmpty());
    SearchCriteria all;
    all.rowLimit = false;
    expectSame(buildSearchSql(all).text);
    SearchCriteria name;
    name.nameText = u"甲"_s;
    expectSame(buildSearchSql(name).text);
    SearchCriteria none;
    none.casText = u"0-00-0"_s;
    expectSame(buildSearchSql(none).text);
}

// Through the ODBC driver under the "C" locale, '%甲%' misses rows that hold
// 甲; SQLite's own library reads the statement as UTF-8 whatever the locale.
TEST_F(CataloguePaths, TheEmbeddedCatalogueReadsChineseCriteriaUnderAnyLocale)
{
    SearchCriteria name;
    name.nameText = u"甲"_s;
    const QStringList expected = result(direct_, buildSearchSql(name).text);
    std::setlocale(LC_ALL, "C");
    const QStringList underC = result(direct_, buildSearchSql(name).text);
    std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_EQ(underC, expected);
    ASSERT_GT(expected.size(), 13);
    EXPECT_TRUE(expected.at(13).startsWith(u"int 3\t"_s));  // 5-氨基-1,3,3-三甲基环己甲胺
}

TEST_F(CataloguePaths, ExpressionsAndErrorsReadTheSameEitherWay)
{
    expectSame(u"SELECT 1+1, 2.5, 'a', NULL, CAST(3 AS TEXT), COUNT(*), MAX(id), AVG(id) FROM hazardous_chemicals"_s);
    expectSame(u"SELECT name1 || 'x', id * 2 FROM hazardous_chemicals WHERE id < 5"_s);
    expectSame(u"SELECT 1 WHERE 0"_s);
    expectSame(u"SELECT x FROM nowhere"_s);
    expectSame(u"SELEC 1"_s);
    expectSame(u"DELETE FROM hazardous_chemicals"_s);

    direct_.setEmbeddedDatabase(dir_.filePath(u"missing.db"_s));
    useOdbcIni(dir_.path(), u"[through-odbc]\nDriver=SQLite3\nDatabase="_s
                                + QString::fromUtf8(QUrl::fromLocalFile(dir_.filePath(u"missing.db"_s)).toEncoded())
                                + u"?mode=ro\n"_s);
    expectSame(u"SELECT 1"_s);
}

} // namespace
