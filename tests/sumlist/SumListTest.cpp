#include "sumlist/SumList.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "db/DatabaseError.h"

#include "support/QtPrint.h"
#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Six records: amounts 1.5, 2.25, null, 4, null, 10; names n1..n6.
class SumListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useOdbcIni(dir_.path(), QString());
        const QString path = dir_.filePath(u"sums.db"_s);
        const QString script = u"CREATE TABLE t (id INTEGER, name VARCHAR(10), amount REAL, blank REAL);"
                               u"INSERT INTO t VALUES (1,'n1',1.5,NULL),(2,'n2',2.25,NULL),(3,'n3',NULL,NULL),"
                               u"(4,'n4',4,NULL),(5,'n5',NULL,NULL),(6,'n6',10,NULL);"_s;
        ASSERT_EQ(runProgram(u"sqlite3"_s, {path, script}).exitCode, 0);
        connection_.setEmbeddedDatabase(path);
        query_.setConnection(&connection_);
        query_.SQL().append(u"SELECT id, name, amount, blank FROM t ORDER BY id"_s);
        sums_.changed = [this] { ++changes_; };
        sums_.setDataSet(&query_);
    }

    SumItem& add(SumItem::Operation operation, const QString& field = QString())
    {
        SumItem& sum = sums_.sumCollection().add();
        sum.setGroupOperation(operation);
        sum.setFieldName(field);
        return sum;
    }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    SumList sums_;
    int changes_ = 0;
};

// The exact value decides, not its product rounded to a double: 0.00035 is
// stored as 0.000349999…, 0.00005 as 0.0000500000000000000002….
TEST(FixedPoint, TheExactValueRoundedToTheNearestTiesToEven)
{
    const struct {
        double value;
        FixedPoint expected;
    } cases[] = {
        {1, 10000},       {2.25, 22500},      {0.000049, 0},      {0.000051, 1},         {-1.23456, -12346},
        {0.00035, 3},     {0.00005, 1},       {-0.00005, -1},     {0.00015, 1},          {2.00005, 20000},
        {0.00025, 3},     {0.00045, 4},       {1.00005, 10001},   {922337203685477.0, 9223372036854770000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toFixedPoint(c.value), c.expected) << c.value;
    EXPECT_DOUBLE_EQ(fromFixedPoint(22500), 2.25);
    for (double outside : {1e15, -1e15, std::nan("")})
        EXPECT_THROW(toFixedPoint(outside), Exception) << outside;
}

TEST_F(SumListTest, CountsSumsAndAveragesEveryRowWithoutMovingAnything)
{
    SumItem& all = add(SumItem::Operation::Count);
    SumItem& withAmount = add(SumItem::Operation::Count, u"amount"_s);
    SumItem& total = add(SumItem::Operation::Sum, u"AMOUNT"_s);
    SumItem& average = add(SumItem::Operation::Avg, u"amount"_s);
    SumItem& allNull = add(SumItem::Operation::Avg, u"blank"_s);
    sums_.setActive(true);
    query_.open();
    query_.moveBy(3);
    sums_.recalculateAll();
    EXPECT_EQ(all.result, 6 * kFixedOne);
    EXPECT_EQ(withAmount.result, 4 * kFixedOne);
    EXPECT_EQ(total.result, toFixedPoint(17.75));
    EXPECT_EQ(average.result, toFixedPoint(17.75 / 4));
    EXPECT_EQ(allNull.result, 0);
    EXPECT_EQ(query_.recNo(), 4);
    EXPECT_EQ(sums_.sumCollection().findSum(SumItem::Operation::Sum, u"amount"_s), &total);
    EXPECT_EQ(sums_.sumCollection().findSum(SumItem::Operation::Count, QString()), &all);
    EXPECT_EQ(sums_.sumCollection().findSum(SumItem::Operation::Avg, u"name"_s), nullptr);

    // Items added in one bracket cost one recount, at its end.
    changes_ = 0;
    sums_.sumCollection().beginUpdate();
    add(SumItem::Operation::Sum, u"id"_s);
    add(SumItem::Operation::Sum, u"amount"_s);
    sums_.sumCollection().endUpdate();
    EXPECT_EQ(sums_.sumCollection().item(5).result, 21 * kFixedOne);
    EXPECT_EQ(changes_, 1);

    // A closed result zeroes everything.
    query_.close();
    sums_.recalculateAll();
    EXPECT_EQ(all.result, 0);
    EXPECT_EQ(total.result, 0);
}

// Each value fits the fixed point, their sum does not: the same error as for
// one value beyond it, never a total that wrapped round.
TEST_F(SumListTest, ASumBeyondTheFixedPointRangeIsAnError)
{
    ASSERT_EQ(runProgram(u"sqlite3"_s, {dir_.filePath(u"sums.db"_s),
                                        u"CREATE TABLE big (amount REAL); INSERT INTO big VALUES (5e14), (5e14);"_s})
                  .exitCode,
              0);
    query_.SQL().clear();
    query_.SQL().append(u"SELECT amount FROM big"_s);
    query_.open();
    SumItem& total = add(SumItem::Operation::Sum, u"amount"_s);
    try {
        sums_.setActive(true);
        FAIL() << total.result;
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), u"The value 1000000000000000 is too large for a footer"_s);
    }
}

TEST_F(SumListTest, AMissingFieldFailsTheRecountButTheFootersStillHear)
{
    add(SumItem::Operation::Sum, u"no_such"_s);
    query_.open();
    changes_ = 0;
    try {
        sums_.setActive(true);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), u"Field 'no_such' not found"_s);
    }
    EXPECT_EQ(changes_, 1);
}

} // namespace
