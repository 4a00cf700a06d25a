#include "catalogue/RowsFile.h"

#include "platform/Errors.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(RowsFile, ValuesSurviveAWriteAndReadUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"t.tsv"_qs);
    RowsTable table;
    table.Columns = {u"a"_qs, u"b"_qs, u"c"_qs};
    table.Rows = {
        {u"氨"_qs, std::nullopt, QString()},
        {u"tab\there"_qs, u"line\nbreak"_qs, u"back\\slash \\N"_qs},
        {u"\\N"_qs, u"'quote\""_qs, u"x"_qs},
    };
    WriteRowsFile(path, table);
    const RowsTable read = ReadRowsFile(path);
    EXPECT_EQ(read.Columns, table.Columns);
    EXPECT_EQ(read.Rows, table.Rows);
    EXPECT_EQ(ReadTextFile(path).count(u'\n'), 4);
}

TEST(RowsFile, NullAndEmptyAreDistinct)
{
    EXPECT_EQ(DecodeRowValue(u"\\N"_qs), std::nullopt);
    EXPECT_EQ(DecodeRowValue(QString()), RowValue(QString()));
    EXPECT_EQ(EncodeRowValue(std::nullopt), u"\\N"_qs);
    EXPECT_EQ(EncodeRowValue(u"\\N"_qs), u"\\\\N"_qs);
}

TEST(RowsFile, ARowWithTheWrongNumberOfValuesNamesItsLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.tsv"_qs);
    WriteTextFile(path, u"a\tb\n1\t2\n3\n"_qs);
    try {
        ReadRowsFile(path);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_TRUE(error.Message().endsWith(u"bad.tsv:3: 1 values where the header names 2"_qs))
            << error.what();
    }
}

TEST(SqlScript, StatementsAreSplitAndCommentsDropped)
{
    EXPECT_EQ(SplitSqlScript(u"-- head\nCREATE TABLE a (x INT); -- tail\n\nCREATE INDEX i ON a (x);\n"_qs),
              (QStringList{u"CREATE TABLE a (x INT)"_qs, u"CREATE INDEX i ON a (x)"_qs}));
}

} // namespace
