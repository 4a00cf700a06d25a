// The same searches against a catalogue server holding the same rows: a
// private MariaDB on a socket, reached through the data source `vorlak`.
#include "support/QueryProgram.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

class MariaDbQuery : public ::testing::Test {
protected:
    ProgramResult Run(const QStringList& arguments, const QString& odbcIni)
    {
        return RunQueryProgram(arguments, EnvironmentWithOdbcIni(dir_.filePath(u"odbc.ini"_qs), odbcIni));
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

    const QString kServer = u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_qs
                            + QStringLiteral(VORLAK_TEST_MARIADB_SOCKET) + u'\n';
    QTemporaryDir dir_;
};

TEST_F(MariaDbQuery, SearchesGiveTheSameRowsAsTheEmbeddedCatalogue)
{
    ExpectSameAsEmbedded({});
    ExpectSameAsEmbedded({u"--no-limit"_qs});
    ExpectSameAsEmbedded({u"--name"_qs, u"氨"_qs, u"--exact"_qs});
    ExpectSameAsEmbedded({u"--name"_qs, u"甲"_qs, u"--no-limit"_qs});
    ExpectSameAsEmbedded({u"--cas"_qs, u"7664-41-7"_qs});
    ExpectSameAsEmbedded({u"--alias"_qs, u"木"_qs});
    ExpectSameAsEmbedded({u"--hazard"_qs, u"17"_qs, u"--no-limit"_qs});
    ExpectSameAsEmbedded({u"--batch"_qs, u"1"_qs});
    ExpectSameAsEmbedded({u"--precursor"_qs, u"7"_qs});
    ExpectSameAsEmbedded({u"--index-no"_qs, u"2"_qs});
    ExpectSameAsEmbedded({u"--index-no"_qs, u"x"_qs, u"--name"_qs, u"苯"_qs});
}

TEST_F(MariaDbQuery, QuotesAndBackslashesAreLiteralText)
{
    // With NO_BACKSLASH_ESCAPES a backslash cannot undo the doubled quote.
    ExpectSameAsEmbedded({u"--alias"_qs, u"4,4'-二氨基二苯基甲烷"_qs});
    ExpectSameAsEmbedded({u"--cas"_qs, u"x\\' OR 1=1 -- "_qs});
    ExpectSameAsEmbedded({u"--name"_qs, u"\\"_qs});
}

} // namespace
