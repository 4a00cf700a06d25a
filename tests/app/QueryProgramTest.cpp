#include "app/SearchSql.h"

#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kTitles = u"危化目录序号\t品名\t别名\t英文名\tCAS号\t危险性类别\t其它特殊监管\t备注"_s;

class QueryProgram : public ::testing::Test {
protected:
    QProcessEnvironment Embedded() { return EnvironmentWithOdbcIni(dir_.filePath(u"odbc.ini"_s), {}); }

    QString Sql(const QStringList& arguments)
    {
        const ProgramResult result = RunQueryProgram(QStringList{u"--sql"_s} + arguments, Embedded());
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
        EXPECT_EQ(footer, u"共"_s + QString::number(expected.size()) + u"条"_s);
        return lines;
    }

    QTemporaryDir dir_;
};

TEST_F(QueryProgram, SqlPrintsTheStatementOfTheCriteria)
{
    SearchCriteria defaults;
    EXPECT_EQ(Sql({}), BuildSearchSql(defaults).Text);

    SearchCriteria name;
    name.NameText = u"氨"_s;
    name.ExactMatch = true;
    name.RowLimit = false;
    EXPECT_EQ(Sql({u"--name"_s, u"氨"_s, u"--exact"_s, u"--no-limit"_s}), BuildSearchSql(name).Text);

    // --hazard N alone searches the text of item N, as the combo box shows it.
    SearchCriteria hazard;
    hazard.HazardIndex = 17;
    hazard.HazardText = u"急性毒性-经口"_s;
    EXPECT_EQ(Sql({u"--hazard"_s, u"17"_s}), BuildSearchSql(hazard).Text);
    hazard.HazardIndex = -1;
    hazard.HazardText = u"易燃"_s;
    EXPECT_EQ(Sql({u"--hazard"_s, u"-1"_s, u"--hazard-text"_s, u"易燃"_s}), BuildSearchSql(hazard).Text);

    SearchCriteria strongest;
    strongest.AliasText = u"a"_s;
    strongest.CasText = u"b"_s;
    strongest.EnglishNameText = u"c"_s;
    strongest.BatchIndex = 2;
    strongest.PrecursorIndex = 7;
    strongest.IndexNoText = u"498"_s;
    EXPECT_EQ(Sql({u"--alias"_s, u"a"_s, u"--cas"_s, u"b"_s, u"--eng"_s, u"c"_s, u"--batch"_s,
                   u"2"_s, u"--precursor"_s, u"7"_s, u"--index-no"_s, u"498"_s}),
              BuildSearchSql(strongest).Text);
}

TEST_F(QueryProgram, BadArgumentsAreRefusedWithUsage)
{
    for (const QStringList& arguments :
         {QStringList{u"--batch"_s, u"x"_s}, QStringList{u"--name"_s}, QStringList{u"--what"_s}}) {
        const ProgramResult result = RunQueryProgram(arguments, Embedded());
        EXPECT_EQ(result.ExitCode, 64);
        EXPECT_TRUE(result.Err.contains(u"usage: vorlak-query"_s));
        EXPECT_TRUE(result.Out.isEmpty());
    }
}

TEST_F(QueryProgram, RowsMatchTheSqliteShellFromAnyWorkingFolder)
{
    const QStringList all = ExpectSameRowsAsSqliteShell({});
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(ExpectSameRowsAsSqliteShell({u"--name"_s, u"氨"_s, u"--exact"_s}).size(), 1);
    EXPECT_TRUE(ExpectSameRowsAsSqliteShell({u"--cas"_s, u"7664-41-7"_s}).first().startsWith(u"2\t氨\t"_s));
    ExpectSameRowsAsSqliteShell({u"--hazard"_s, u"17"_s, u"--no-limit"_s});
    ExpectSameRowsAsSqliteShell({u"--batch"_s, u"2"_s});
    ExpectSameRowsAsSqliteShell({u"--alias"_s, u"木"_s});
    const QStringList quoted = ExpectSameRowsAsSqliteShell({u"--alias"_s, u"4,4'-二氨基二苯基甲烷"_s});
    ASSERT_EQ(quoted.size(), 1);
    EXPECT_TRUE(quoted.first().startsWith(u"2443\t4,4'-亚甲基双苯胺\t"_s));
    ExpectSameRowsAsSqliteShell({u"--no-limit"_s});
    EXPECT_TRUE(ExpectSameRowsAsSqliteShell({u"--cas"_s, u"no-such-cas"_s}).isEmpty());
}

TEST_F(QueryProgram, ARejectedCatalogueNumberIsReportedAndTheSearchGoesOn)
{
    const ProgramResult rejected =
        RunQueryProgram({u"--name"_s, u"甲醇"_s, u"--index-no"_s, u"abc"_s}, Embedded());
    EXPECT_EQ(rejected.ExitCode, 0);
    EXPECT_EQ(rejected.Err, u"序号必须是数字\n"_s);
    const ProgramResult plain = RunQueryProgram({u"--name"_s, u"甲醇"_s}, Embedded());
    EXPECT_EQ(rejected.Out, plain.Out);
}

TEST_F(QueryProgram, AConnectionFailureExitsWithStatusTwo)
{
    const QProcessEnvironment environment = EnvironmentWithOdbcIni(
        dir_.filePath(u"odbc.ini"_s),
        u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s + dir_.filePath(u"none.sock"_s) + u'\n');
    const ProgramResult result = RunQueryProgram({}, environment);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_TRUE(result.Err.startsWith(u"数据库无法连接\n"_s)) << result.Err.toStdString();
    EXPECT_FALSE(result.Err.contains(u"vorlak@qa51807316"_s));
    EXPECT_TRUE(result.Out.isEmpty());
}

TEST_F(QueryProgram, AStatementTheDatabaseRefusesExitsWithStatusOne)
{
    // A catalogue without the MSDS table cannot answer the search.
    const QString program = dir_.filePath(u"vorlak-query"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLAK_QUERY_PROGRAM), program));
    const ProgramResult made = RunProgram(u"sqlite3"_s,
        {dir_.filePath(u"vorlak.db"_s), u"CREATE TABLE hazardous_chemicals (id INTEGER);"_s});
    ASSERT_EQ(made.ExitCode, 0);
    const ProgramResult result = RunProgram(program, {}, Embedded());
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_TRUE(result.Err.contains(u"hazardous_chemicals_msds"_s)) << result.Err.toStdString();
    EXPECT_TRUE(result.Out.isEmpty());
}

} // namespace
