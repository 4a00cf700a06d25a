#include "rules/RowsFile.h"

#include "platform/Errors.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(RowsFile, ValuesSurviveAWriteAndReadUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"t.tsv"_s);
    RowsTable table;
    table.Columns = {u"a"_s, u"b"_s, u"c"_s};
    table.Rows = {
        {u"氨"_s, std::nullopt, QString()},
        {u"tab\there"_s, u"line\nbreak"_s, u"back\\slash \\N"_s},
        {u"\\N"_s, u"'quote\""_s, u"x"_s},
    };
    WriteRowsFile(path, table);
    const RowsTable read = ReadRowsFile(path);
    EXPECT_EQ(read.Columns, table.Columns);
    EXPECT_EQ(read.Rows, table.Rows);
    EXPECT_EQ(ReadTextFile(path).count(u'\n'), 4);
}

TEST(RowsFile, NullAndEmptyAreDistinct)
{
    EXPECT_EQ(DecodeRowValue(u"\\N"_s), std::nullopt);
    EXPECT_EQ(DecodeRowValue(QString()), RowValue(QString()));
    EXPECT_EQ(EncodeRowValue(std::nullopt), u"\\N"_s);
    EXPECT_EQ(EncodeRowValue(u"\\N"_s), u"\\\\N"_s);
}

TEST(RowsFile, ARowWithTheWrongNumberOfValuesNamesItsLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.tsv"_s);
    WriteTextFile(path, u"a\tb\n1\t2\n3\n"_s);
    try {
        ReadRowsFile(path);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_TRUE(error.Message().endsWith(u"bad.tsv:3: 1 values where the header names 2"_s))
            << error.what();
    }
}

TEST(SqlScript, StatementsAreSplitAndCommentsDropped)
{
    EXPECT_EQ(SplitSqlScript(u"-- head\nCREATE TABLE a (x INT); -- tail\n\nCREATE INDEX i ON a (x);\n"_s),
              (QStringList{u"CREATE TABLE a (x INT)"_s, u"CREATE INDEX i ON a (x)"_s}));
}

} // namespace
