// The same searches against a catalogue server holding the same rows: a
// private MariaDB on a socket, reached through the data source `vorlak`.
#include "support/Inventory.h"
#include "support/QueryOutcome.h"
#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include "app/SearchSql.h"
#include "db/OdbcSession.h"
#include "db/OdbcStatement.h"
#include "db/ResultRows.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MariaDbQuery : public ::testing::Test {
protected:
    ProgramResult run(const QStringList& arguments, const QString& odbcIni)
    {
        return runQueryProgram(arguments, environmentWithOdbcIni(dir_.filePath(u"odbc.ini"_s), odbcIni));
    }

    // The server's answer must be the embedded catalogue's, line for line.
    void expectSameAsEmbedded(const QStringList& arguments)
    {
        const ProgramResult server = run(arguments, kServer);
        const ProgramResult embedded = run(arguments, QString());
        EXPECT_EQ(server.exitCode, 0) << server.err.toStdString();
        EXPECT_EQ(server.err, embedded.err);
        EXPECT_EQ(server.out, embedded.out) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(server.out.contains(u'条'));
    }

    const QString kServer = u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s
                            + QStringLiteral(VORLAK_TEST_MARIADB_SOCKET) + u'\n';
    QTemporaryDir dir_;
};

TEST_F(MariaDbQuery, SearchesGiveTheSameRowsAsTheEmbeddedCatalogue)
{
    expectSameAsEmbedded({});
    expectSameAsEmbedded({u"--no-limit"_s});
    expectSameAsEmbedded({u"--name"_s, u"氨"_s, u"--exact"_s});
    expectSameAsEmbedded({u"--name"_s, u"甲"_s, u"--no-limit"_s});
    expectSameAsEmbedded({u"--cas"_s, u"7664-41-7"_s});
    expectSameAsEmbedded({u"--alias"_s, u"木"_s});
    expectSameAsEmbedded({u"--hazard"_s, u"17"_s, u"--no-limit"_s});
    expectSameAsEmbedded({u"--batch"_s, u"1"_s});
    expectSameAsEmbedded({u"--precursor"_s, u"7"_s});
    expectSameAsEmbedded({u"--index-no"_s, u"2"_s});
    expectSameAsEmbedded({u"--index-no"_s, u"x"_s, u"--name"_s, u"苯"_s});
    expectSameAsEmbedded({u"--eng"_s, u"METHANOL"_s});
    expectSameAsEmbedded({u"--batch"_s, u"3"_s});
    expectSameAsEmbedded({u"--precursor"_s, u"2"_s, u"--no-limit"_s});
    expectSameAsEmbedded({u"--hazard"_s, u"23"_s, u"--no-limit"_s});
}

TEST_F(MariaDbQuery, QuotesAndBackslashesAreLiteralText)
{
    // With NO_BACKSLASH_ESCAPES a backslash cannot undo the doubled quote.
    expectSameAsEmbedded({u"--alias"_s, u"4,4'-二氨基二苯基甲烷"_s});
    expectSameAsEmbedded({u"--cas"_s, u"x\\' OR 1=1 -- "_s});
    expectSameAsEmbedded({u"--name"_s, u"\\"_s});
}

// Texts longer than one read of the driver's arrive whole.
TEST_F(MariaDbQuery, LongTextsArriveWhole)
{
    useOdbcIni(dir_.path(), kServer);
    Connection server;
    server.setConnectionString(u"Data Source=vorlak;User ID=root;Initial Catalog=vorlak"_s);
    const QueryOutcome outcome = runQuery(server, u"SELECT REPEAT('a', 4095), REPEAT('b', 4096), REPEAT('甲', 10000)"_s);
    ASSERT_EQ(outcome.error, QString());
    ASSERT_EQ(outcome.rows.size(), 1);
    EXPECT_EQ(outcome.rows[0][0].toString(), QString(4095, u'a'));
    EXPECT_EQ(outcome.rows[0][1].toString(), QString(4096, u'b'));
    EXPECT_EQ(outcome.rows[0][2].toString(), QString(10000, u'甲'));

    // One in the second block of rows: the rows before it are not read twice.
    const QueryOutcome later = runQuery(server, u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
                                                u"SELECT i, IF(i = 400, REPEAT('甲', 3000), CONCAT('r', i)) FROM n"_s);
    ASSERT_EQ(later.error, QString());
    ASSERT_EQ(later.rows.size(), 600);
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(later.rows[i][0].toInt(), i + 1);
        ASSERT_EQ(later.rows[i][1].toString(), i == 399 ? QString(3000, u'甲') : u"r"_s + QString::number(i + 1));
    }
}

// Blocks of rows with UTF-8 or UTF-16 text, and the value-by-value reading
// drivers without row arrays get, read the same values and the same nulls.
TEST_F(MariaDbQuery, EveryWayOfFetchingReadsTheSameRows)
{
    useOdbcIni(dir_.path(), kServer);
    Connection server;
    server.setConnectionString(u"Data Source=vorlak;User ID=root;Initial Catalog=vorlak"_s);
    server.open();
    void* handle = odbcConnectionHandle(server.database());
    EXPECT_TRUE(odbcNarrowTextIsUtf8(handle));
    SearchCriteria all;
    all.rowLimit = false;
    const QString statement = buildSearchSql(all).text;
    ResultRows byValue;
    runOdbcStatement(handle, statement, byValue, {false, false});
    ASSERT_EQ(byValue.rowCount(), 2873);
    for (const OdbcFetch fetch : {OdbcFetch{true, true}, OdbcFetch{true, false}}) {
        ResultRows rows;
        runOdbcStatement(handle, statement, rows, fetch);
        ASSERT_EQ(rows.rowCount(), byValue.rowCount());
        ASSERT_EQ(rows.columnCount(), byValue.columnCount());
        int nulls = 0;
        for (int row = 0; row < rows.rowCount(); ++row)
            for (int column = 0; column < rows.columnCount(); ++column) {
                ASSERT_EQ(rows.isNull(row, column), byValue.isNull(row, column)) << row << ' ' << column;
                ASSERT_EQ(rows.value(row, column), byValue.value(row, column)) << row << ' ' << column;
                nulls += rows.isNull(row, column);
            }
        EXPECT_GT(nulls, 0);  // pages missing from the index, entries outside the catalogue
    }

    // Texts at the edge of a bound buffer (1 024 units) arrive whole every
    // way, with and without a character of two UTF-8 bytes. This driver
    // reads past a buffer of its own when it cuts a text short as UTF-16, so
    // that way gets only texts that fit (on this driver text goes as UTF-8).
    for (const OdbcFetch fetch : {OdbcFetch{true, true}, OdbcFetch{true, false}, OdbcFetch{false, false}}) {
        const int longest = fetch.rowArrays && !fetch.utf8Text ? 1024 : 2000;
        QStringList texts, selects;
        for (const int n : {1022, 1023, 1024, 1025, 1999})
            for (const QString& first : {u"甲"_s, u"β"_s})
                if (n + 1 <= longest) {
                    texts << first + QString(n, u'甲');
                    selects << u"SELECT CAST(CONCAT('%1', REPEAT('甲', %2)) AS CHAR(2000))"_s.arg(first).arg(n);
                }
        ResultRows rows;
        runOdbcStatement(handle, selects.join(u" UNION ALL "_s), rows, fetch);
        ASSERT_EQ(rows.rowCount(), texts.size());
        for (int row = 0; row < texts.size(); ++row)
            EXPECT_TRUE(rows.value(row, 0).toString() == texts[row])
                << fetch.rowArrays << fetch.utf8Text << " row " << row << ": " << rows.value(row, 0).toString().size()
                << " characters for " << texts[row].size();
    }
}

TEST_F(MariaDbQuery, AnInventoryChecksTheSameOnBothCatalogues)
{
    writeTextFile(dir_.filePath(u"inventory.txt"_s), kMixedInventory);
    const QStringList check{u"--check"_s, dir_.filePath(u"inventory.txt"_s)};
    const ProgramResult server = run(check, kServer);
    const ProgramResult embedded = run(check, QString());
    EXPECT_EQ(server.exitCode, 0) << server.err.toStdString();
    EXPECT_EQ(server.out, embedded.out);
    EXPECT_TRUE(server.out.contains(u"共14项"_s));

    // A unit's quantities give the same sum and grade on both.
    writeTextFile(dir_.filePath(u"unit.txt"_s), u"氯 2000 kg\n氨\t10\n乙酸酐 100 t\n石油气 1 t\n"_s);
    const QStringList unit{u"--check"_s, dir_.filePath(u"unit.txt"_s), u"--exposed"_s, u"60"_s};
    const ProgramResult graded = run(unit, kServer);
    EXPECT_EQ(graded.out, run(unit, QString()).out);
    EXPECT_TRUE(graded.out.contains(u"S = Σq/Q = 11.5，构成重大危险源"_s)) << graded.out.toStdString();

    // Every drug precursor by its CAS number, with its class, on both.
    QString numbers;
    for (const PrecursorNumber& precursor : kPrecursorNumbers) {
        numbers += precursor.cas + u'\n';
        const QStringList byCas{u"--cas"_s, precursor.cas};
        const ProgramResult found = run(byCas, kServer);
        EXPECT_EQ(found.out, run(byCas, QString()).out);
        EXPECT_TRUE(found.out.contains(u'\t' + precursor.precursorClass + u'\t')) << found.out.toStdString();
    }
    writeTextFile(dir_.filePath(u"precursors.txt"_s), numbers);
    const QStringList checkNumbers{u"--check"_s, dir_.filePath(u"precursors.txt"_s)};
    const ProgramResult checked = run(checkNumbers, kServer);
    EXPECT_EQ(checked.out, run(checkNumbers, QString()).out);
    EXPECT_TRUE(checked.out.endsWith(u"共18项：列入18项（其中匹配多条0项），未列入0项，CAS号无效0项\n"_s)) << checked.out.toStdString();
}

} // namespace
