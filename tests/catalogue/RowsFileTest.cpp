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
    table.columns = {u"a"_s, u"b"_s, u"c"_s};
    table.rows = {
        {u"氨"_s, std::nullopt, QString()},
        {u"tab\there"_s, u"line\nbreak"_s, u"back\\slash \\N"_s},
        {u"\\N"_s, u"'quote\""_s, u"x"_s},
    };
    writeRowsFile(path, table);
    const RowsTable read = readRowsFile(path);
    EXPECT_EQ(read.columns, table.columns);
    EXPECT_EQ(read.rows, table.rows);
    EXPECT_EQ(readTextFile(path).count(u'\n'), 4);
}

TEST(RowsFile, NullAndEmptyAreDistinct)
{
    EXPECT_EQ(decodeRowValue(u"\\N"_s), std::nullopt);
    EXPECT_EQ(decodeRowValue(QString()), RowValue(QString()));
    EXPECT_EQ(encodeRowValue(std::nullopt), u"\\N"_s);
    EXPECT_EQ(encodeRowValue(u"\\N"_s), u"\\\\N"_s);
}

TEST(RowsFile, ARowWithTheWrongNumberOfValuesNamesItsLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.tsv"_s);
    writeTextFile(path, u"a\tb\n1\t2\n3\n"_s);
    try {
        readRowsFile(path);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_TRUE(error.message().endsWith(u"bad.tsv:3: 1 values where the header names 2"_s))
            << error.what();
    }
}

TEST(SqlScript, StatementsAreSplitAndCommentsDropped)
{
    EXPECT_EQ(splitSqlScript(u"-- head\nCREATE TABLE a (x INT); -- tail\n\nCREATE INDEX i ON a (x);\n"_s),
              (QStringList{u"CREATE TABLE a (x INT)"_s, u"CREATE INDEX i ON a (x)"_s}));
}

} // namespace
