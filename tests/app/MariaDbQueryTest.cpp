// The same searches against a catalogue server holding the same rows: a
// private MariaDB on a socket, reached through the data source `vorlak`.
#include "support/Inventory.h"
#include "support/QueryOutcome.h"
#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MariaDbQuery : public ::testing::Test {
protected:
    ProgramResult Run(const QStringList& arguments, const QString& odbcIni)
    {
        return RunQueryProgram(arguments, EnvironmentWithOdbcIni(dir_.filePath(u"odbc.ini"_s), odbcIni));
    }

    // The server's answer must be the embedded catalogue's, line for line.
    void ExpectSameAsEmbedded(const QStringList& arguments)
    {
        const ProgramResult server = Run(arguments, kServer);
        const ProgramResult embedded = Run(arguments, QString());
        EXPECT_EQ(server.ExitCode, 0) << server.Err.toStdString();
        EXPECT_EQ(server.Err, embedded.Err);
        EXPECT_EQ(server.Out, embedded.Out) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(server.Out.contains(u'条'));
    }

    const QString kServer = u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s
                            + QStringLiteral(VORLAK_TEST_MARIADB_SOCKET) + u'\n';
    QTemporaryDir dir_;
};

TEST_F(MariaDbQuery, SearchesGiveTheSameRowsAsTheEmbeddedCatalogue)
{
    ExpectSameAsEmbedded({});
    ExpectSameAsEmbedded({u"--no-limit"_s});
    ExpectSameAsEmbedded({u"--name"_s, u"氨"_s, u"--exact"_s});
    ExpectSameAsEmbedded({u"--name"_s, u"甲"_s, u"--no-limit"_s});
    ExpectSameAsEmbedded({u"--cas"_s, u"7664-41-7"_s});
    ExpectSameAsEmbedded({u"--alias"_s, u"木"_s});
    ExpectSameAsEmbedded({u"--hazard"_s, u"17"_s, u"--no-limit"_s});
    ExpectSameAsEmbedded({u"--batch"_s, u"1"_s});
    ExpectSameAsEmbedded({u"--precursor"_s, u"7"_s});
    ExpectSameAsEmbedded({u"--index-no"_s, u"2"_s});
    ExpectSameAsEmbedded({u"--index-no"_s, u"x"_s, u"--name"_s, u"苯"_s});
    ExpectSameAsEmbedded({u"--eng"_s, u"METHANOL"_s});
    ExpectSameAsEmbedded({u"--batch"_s, u"3"_s});
    ExpectSameAsEmbedded({u"--precursor"_s, u"2"_s, u"--no-limit"_s});
    ExpectSameAsEmbedded({u"--hazard"_s, u"23"_s, u"--no-limit"_s});
}

TEST_F(MariaDbQuery, QuotesAndBackslashesAreLiteralText)
{
    // With NO_BACKSLASH_ESCAPES a backslash cannot undo the doubled quote.
    ExpectSameAsEmbedded({u"--alias"_s, u"4,4'-二氨基二苯基甲烷"_s});
    ExpectSameAsEmbedded({u"--cas"_s, u"x\\' OR 1=1 -- "_s});
    ExpectSameAsEmbedded({u"--name"_s, u"\\"_s});
}

// Texts longer than one read of the driver's arrive whole.
TEST_F(MariaDbQuery, LongTextsArriveWhole)
{
    UseOdbcIni(dir_.path(), kServer);
    Connection server;
    server.SetConnectionString(u"Data Source=vorlak;User ID=root;Initial Catalog=vorlak"_s);
    const QueryOutcome outcome = RunQuery(server, u"SELECT REPEAT('a', 4095), REPEAT('b', 4096), REPEAT('甲', 10000)"_s);
    ASSERT_EQ(outcome.Error, QString());
    ASSERT_EQ(outcome.Rows.size(), 1);
    EXPECT_EQ(outcome.Rows[0][0].toString(), QString(4095, u'a'));
    EXPECT_EQ(outcome.Rows[0][1].toString(), QString(4096, u'b'));
    EXPECT_EQ(outcome.Rows[0][2].toString(), QString(10000, u'甲'));
}

TEST_F(MariaDbQuery, AnInventoryChecksTheSameOnBothCatalogues)
{
    WriteTextFile(dir_.filePath(u"inventory.txt"_s), kMixedInventory);
    const QStringList check{u"--check"_s, dir_.filePath(u"inventory.txt"_s)};
    const ProgramResult server = Run(check, kServer);
    const ProgramResult embedded = Run(check, QString());
    EXPECT_EQ(server.ExitCode, 0) << server.Err.toStdString();
    EXPECT_EQ(server.Out, embedded.Out);
    EXPECT_TRUE(server.Out.contains(u"共14项"_s));

    // A unit's quantities give the same sum and grade on both.
    WriteTextFile(dir_.filePath(u"unit.txt"_s), u"氯 2000 kg\n氨\t10\n乙酸酐 100 t\n石油气 1 t\n"_s);
    const QStringList unit{u"--check"_s, dir_.filePath(u"unit.txt"_s), u"--exposed"_s, u"60"_s};
    const ProgramResult graded = Run(unit, kServer);
    EXPECT_EQ(graded.Out, Run(unit, QString()).Out);
    EXPECT_TRUE(graded.Out.contains(u"S = Σq/Q = 11.5，构成重大危险源"_s)) << graded.Out.toStdString();

    // Every drug precursor by its CAS number, with its class, on both.
    QString numbers;
    for (const PrecursorNumber& precursor : kPrecursorNumbers) {
        numbers += precursor.Cas + u'\n';
        const QStringList byCas{u"--cas"_s, precursor.Cas};
        const ProgramResult found = Run(byCas, kServer);
        EXPECT_EQ(found.Out, Run(byCas, QString()).Out);
        EXPECT_TRUE(found.Out.contains(u'\t' + precursor.Class + u'\t')) << found.Out.toStdString();
    }
    WriteTextFile(dir_.filePath(u"precursors.txt"_s), numbers);
    const QStringList checkNumbers{u"--check"_s, dir_.filePath(u"precursors.txt"_s)};
    const ProgramResult checked = Run(checkNumbers, kServer);
    EXPECT_EQ(checked.Out, Run(checkNumbers, QString()).Out);
    EXPECT_TRUE(checked.Out.endsWith(u"共18项：列入18项（其中匹配多条0项），未列入0项，CAS号无效0项\n"_s)) << checked.Out.toStdString();
}

} // namespace
