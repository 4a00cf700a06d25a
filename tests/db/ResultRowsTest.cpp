// Result rows hold every value as it was given, whatever its length and
// wherever it falls among the text blocks.
#include "db/DatabaseError.h"
#include "db/ResultRows.h"

#include "support/QtPrint.h"

#include <QDate>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

TEST(ResultRows, TextOfAnyLengthReadsBackAsWritten)
{
    // Lengths that end a block exactly, overrun it, span several blocks and
    // follow a long value; empty and null in between.
    const int block = int(BlockPool::kBlockSize);
    const QList<int> lengths = {0, 10, block - 10, 7, block - 20, 30, 3 * block + 5, 4, block, -1, block + 1, 1, 0, 2};
    ResultRows rows({{u"t"_s, QMetaType::fromType<QString>(), 255}, {u"n"_s, QMetaType::fromType<int>(), 10}});
    QStringList written;
    for (int i = 0; i < lengths.size(); ++i) {
        const QString text = lengths[i] < 0 ? QString() : QString(lengths[i], QChar(u'a' + i % 26));
        if (lengths[i] < 0)
            rows.appendNull();
        else
            rows.appendText(text);
        rows.appendInteger(i);
        rows.endRow();
        written << text;
    }
    ASSERT_EQ(rows.rowCount(), lengths.size());
    for (int i = 0; i < lengths.size(); ++i) {
        EXPECT_EQ(rows.isNull(i, 0), lengths[i] < 0) << i;
        EXPECT_EQ(rows.value(i, 0).toString(), written[i]) << i;
        EXPECT_EQ(rows.value(i, 1), QVariant(i));
    }
    EXPECT_TRUE(rows.value(9, 0).isNull());
    EXPECT_FALSE(rows.value(0, 0).isNull());  // empty, not null
}

TEST(ResultRows, ValuesReadAsTheirColumnsType)
{
    ResultRows rows({{u"i"_s, QMetaType::fromType<int>(), 10},
                     {u"l"_s, QMetaType::fromType<qlonglong>(), 20},
                     {u"d"_s, QMetaType::fromType<double>(), 54},
                     {u"s"_s, QMetaType::fromType<short>(), 6},
                     {u"day"_s, QMetaType::fromType<QDate>(), 10},
                     {u"c"_s, QMetaType::fromType<QString>(), 20}});
    rows.appendInteger(7);
    rows.appendInteger(5000000000);
    rows.appendDouble(2.5);
    rows.appendText(u"12"_s);
    rows.appendText(u"2020-01-02"_s);
    rows.appendText(u"甲醇"_s);
    rows.endRow();
    EXPECT_EQ(rows.value(0, 0), QVariant(7));
    EXPECT_EQ(rows.value(0, 1), QVariant(qlonglong(5000000000)));
    EXPECT_EQ(rows.value(0, 2), QVariant(2.5));
    EXPECT_EQ(rows.value(0, 3), QVariant(short(12)));
    EXPECT_EQ(rows.value(0, 4), QVariant(QDate(2020, 1, 2)));
    EXPECT_EQ(rows.value(0, 5), QVariant(u"甲醇"_s));

    // Integers of any size and sign, and a null between values, read back as given.
    for (const qint64 value : {std::numeric_limits<qint64>::min(), qint64(-1), qint64(0), qint64(63), qint64(64),
                               std::numeric_limits<qint64>::max()}) {
        rows.appendInteger(int(value));
        rows.appendInteger(value);
        rows.appendNull();
        rows.appendText(QByteArray::number(value).constData(), 2);
        rows.appendNull();
        rows.appendText(u"尾"_s);
        rows.endRow();
        const int row = rows.rowCount() - 1;
        EXPECT_EQ(rows.value(row, 0), QVariant(int(value)));
        EXPECT_EQ(rows.value(row, 1), QVariant(qlonglong(value)));
        EXPECT_EQ(rows.value(row, 2), QVariant(QMetaType::fromType<double>()));
        EXPECT_EQ(rows.value(row, 3), QVariant(short(QByteArray::number(value).left(2).toShort())));
        EXPECT_EQ(rows.value(row, 5), QVariant(u"尾"_s));
    }

    // A row must hold one value per column, no more and no fewer.
    rows.appendInteger(1);
    EXPECT_THROW(rows.endRow(), DatabaseError);
}

} // namespace
