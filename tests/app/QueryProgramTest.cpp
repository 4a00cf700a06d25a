#include "app/SearchSql.h"

#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

const QString kTitles = u"危化目录序号\t品名\t别名\t英文名\tCAS号\t危险性类别\t其它特殊监管\t备注"_qs;

class QueryProgram : public ::testing::Test {
protected:
    QProcessEnvironment Embedded() { return EnvironmentWithOdbcIni(dir_.filePath(u"odbc.ini"_qs), {}); }

    QString Sql(const QStringList& arguments)
    {
        const ProgramResult result = RunQueryProgram(QStringList{u"--sql"_qs} + arguments, Embedded());
        EXPECT_EQ(result.ExitCode, 0) << result.Err.toStdString();
        EXPECT_TRUE(result.Out.endsWith(u'\n'));
        return result.Out.chopped(1);
    }

    // What vorlak-query prints for these criteria, checked against the
    // sqlite3 shell running the same statement on the same file.
    QStringList ExpectSameRowsAsSqliteShell(const QStringList& arguments)
    {
        const ProgramResult result = RunQueryProgram(arguments, Embedded(), dir_.path());
        EXPECT_EQ(result.ExitCode, 0) << result.Err.toStdString();
        QStringList lines = result.Out.split(u'\n');
        EXPECT_EQ(lines.takeLast(), QString());
        EXPECT_EQ(lines.takeFirst(), kTitles);
        const QString footer = lines.takeLast();
        const QStringList expected = ShownColumnsBySqliteShell(QStringLiteral(VORLAK_CATALOGUE_DB), Sql(arguments));
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(footer, u"共"_qs + QString::number(expected.size()) + u"条"_qs);
        return lines;
    }

    QTemporaryDir dir_;
};

TEST_F(QueryProgram, SqlPrintsTheStatementOfTheCriteria)
{
    TSearchCriteria defaults;
    EXPECT_EQ(Sql({}), BuildSearchSql(defaults).Text);

    TSearchCriteria name;
    name.NameText = u"氨"_qs;
    name.ExactMatch = true;
    name.RowLimit = false;
    EXPECT_EQ(Sql({u"--name"_qs, u"氨"_qs, u"--exact"_qs, u"--no-limit"_qs}), BuildSearchSql(name).Text);

    // --hazard N alone searches the text of item N, as the combo box shows it.
    TSearchCriteria hazard;
    hazard.HazardIndex = 17;
    hazard.HazardText = u"急性毒性-经口"_qs;
    EXPECT_EQ(Sql({u"--hazard"_qs, u"17"_qs}), BuildSearchSql(hazard).Text);
    hazard.HazardIndex = -1;
    hazard.HazardText = u"易燃"_qs;
    EXPECT_EQ(Sql({u"--hazard"_qs, u"-1"_qs, u"--hazard-text"_qs, u"易燃"_qs}), BuildSearchSql(hazard).Text);

    TSearchCriteria strongest;
    strongest.AliasText = u"a"_qs;
    strongest.CasText = u"b"_qs;
    strongest.EnglishNameText = u"c"_qs;
    strongest.BatchIndex = 2;
    strongest.PrecursorIndex = 7;
    strongest.IndexNoText = u"498"_qs;
    EXPECT_EQ(Sql({u"--alias"_qs, u"a"_qs, u"--cas"_qs, u"b"_qs, u"--eng"_qs, u"c"_qs, u"--batch"_qs,
                   u"2"_qs, u"--precursor"_qs, u"7"_qs, u"--index-no"_qs, u"498"_qs}),
              BuildSearchSql(strongest).Text);
}

TEST_F(QueryProgram, BadArgumentsAreRefusedWithUsage)
{
    for (const QStringList& arguments :
         {QStringList{u"--batch"_qs, u"x"_qs}, QStringList{u"--name"_qs}, QStringList{u"--what"_qs}}) {
        const ProgramResult result = RunQueryProgram(arguments, Embedded());
        EXPECT_EQ(result.ExitCode, 64);
        EXPECT_TRUE(result.Err.contains(u"usage: vorlak-query"_qs));
        EXPECT_TRUE(result.Out.isEmpty());
    }
}

TEST_F(QueryProgram, RowsMatchTheSqliteShellFromAnyWorkingFolder)
{
    const QStringList all = ExpectSameRowsAsSqliteShell({});
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(ExpectSameRowsAsSqliteShell({u"--name"_qs, u"氨"_qs, u"--exact"_qs}).size(), 1);
    EXPECT_TRUE(ExpectSameRowsAsSqliteShell({u"--cas"_qs, u"7664-41-7"_qs}).first().startsWith(u"2\t氨\t"_qs));
    ExpectSameRowsAsSqliteShell({u"--hazard"_qs, u"17"_qs, u"--no-limit"_qs});
    ExpectSameRowsAsSqliteShell({u"--batch"_qs, u"2"_qs});
    ExpectSameRowsAsSqliteShell({u"--alias"_qs, u"木"_qs});
    const QStringList quoted = ExpectSameRowsAsSqliteShell({u"--alias"_qs, u"4,4'-二氨基二苯基甲烷"_qs});
    ASSERT_EQ(quoted.size(), 1);
    EXPECT_TRUE(quoted.first().startsWith(u"2443\t4,4'-亚甲基双苯胺\t"_qs));
    ExpectSameRowsAsSqliteShell({u"--no-limit"_qs});
    EXPECT_TRUE(ExpectSameRowsAsSqliteShell({u"--cas"_qs, u"no-such-cas"_qs}).isEmpty());
}

TEST_F(QueryProgram, ARejectedCatalogueNumberIsReportedAndTheSearchGoesOn)
{
    const ProgramResult rejected =
        RunQueryProgram({u"--name"_qs, u"甲醇"_qs, u"--index-no"_qs, u"abc"_qs}, Embedded());
    EXPECT_EQ(rejected.ExitCode, 0);
    EXPECT_EQ(rejected.Err, u"序号必须是数字\n"_qs);
    const ProgramResult plain = RunQueryProgram({u"--name"_qs, u"甲醇"_qs}, Embedded());
    EXPECT_EQ(rejected.Out, plain.Out);
}

TEST_F(QueryProgram, AConnectionFailureExitsWithStatusTwo)
{
    const QProcessEnvironment environment = EnvironmentWithOdbcIni(
        dir_.filePath(u"odbc.ini"_qs),
        u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_qs + dir_.filePath(u"none.sock"_qs) + u'\n');
    const ProgramResult result = RunQueryProgram({}, environment);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_TRUE(result.Err.startsWith(u"数据库无法连接\n"_qs)) << result.Err.toStdString();
    EXPECT_FALSE(result.Err.contains(u"vorlak@qa51807316"_qs));
    EXPECT_TRUE(result.Out.isEmpty());
}

TEST_F(QueryProgram, AStatementTheDatabaseRefusesExitsWithStatusOne)
{
    // A catalogue without the MSDS table cannot answer the search.
    const QString program = dir_.filePath(u"vorlak-query"_qs);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLAK_QUERY_PROGRAM), program));
    const ProgramResult made = RunProgram(u"sqlite3"_qs,
        {dir_.filePath(u"vorlak.db"_qs), u"CREATE TABLE hazardous_chemicals (id INTEGER);"_qs});
    ASSERT_EQ(made.ExitCode, 0);
    const ProgramResult result = RunProgram(program, {}, Embedded());
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_TRUE(result.Err.contains(u"hazardous_chemicals_msds"_qs)) << result.Err.toStdString();
    EXPECT_TRUE(result.Out.isEmpty());
}

} // namespace
