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
        UseOdbcIni(dir_.path(), QString());
        const QString path = dir_.filePath(u"sums.db"_s);
        const QString script = u"CREATE TABLE t (id INTEGER, name VARCHAR(10), amount REAL, blank REAL);"
                               u"INSERT INTO t VALUES (1,'n1',1.5,NULL),(2,'n2',2.25,NULL),(3,'n3',NULL,NULL),"
                               u"(4,'n4',4,NULL),(5,'n5',NULL,NULL),(6,'n6',10,NULL);"_s;
        ASSERT_EQ(RunProgram(u"sqlite3"_s, {path, script}).ExitCode, 0);
        connection_.SetEmbeddedDatabase(path);
        query_.SetConnection(&connection_);
        query_.SQL().append(u"SELECT id, name, amount, blank FROM t ORDER BY id"_s);
        sums_.Changed = [this] { ++changes_; };
        sums_.SetDataSet(&query_);
    }

    SumItem& Add(SumItem::Operation operation, const QString& field = QString())
    {
        SumItem& sum = sums_.SumCollection().Add();
        sum.SetGroupOperation(operation);
        sum.SetFieldName(field);
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
        EXPECT_EQ(ToFixedPoint(c.value), c.expected) << c.value;
    EXPECT_DOUBLE_EQ(FromFixedPoint(22500), 2.25);
    for (double outside : {1e15, -1e15, std::nan("")})
        EXPECT_THROW(ToFixedPoint(outside), Exception) << outside;
}

TEST_F(SumListTest, CountsSumsAndAveragesEveryRowWithoutMovingAnything)
{
    SumItem& all = Add(SumItem::Operation::Count);
    SumItem& withAmount = Add(SumItem::Operation::Count, u"amount"_s);
    SumItem& total = Add(SumItem::Operation::Sum, u"AMOUNT"_s);
    SumItem& average = Add(SumItem::Operation::Avg, u"amount"_s);
    SumItem& allNull = Add(SumItem::Operation::Avg, u"blank"_s);
    sums_.SetActive(true);
    query_.Open();
    query_.MoveBy(3);
    sums_.RecalculateAll();
    EXPECT_EQ(all.Result, 6 * kFixedOne);
    EXPECT_EQ(withAmount.Result, 4 * kFixedOne);
    EXPECT_EQ(total.Result, ToFixedPoint(17.75));
    EXPECT_EQ(average.Result, ToFixedPoint(17.75 / 4));
    EXPECT_EQ(allNull.Result, 0);
    EXPECT_EQ(query_.RecNo(), 4);
    EXPECT_EQ(sums_.SumCollection().FindSum(SumItem::Operation::Sum, u"amount"_s), &total);
    EXPECT_EQ(sums_.SumCollection().FindSum(SumItem::Operation::Count, QString()), &all);
    EXPECT_EQ(sums_.SumCollection().FindSum(SumItem::Operation::Avg, u"name"_s), nullptr);

    // Items added in one bracket cost one recount, at its end.
    changes_ = 0;
    sums_.SumCollection().BeginUpdate();
    Add(SumItem::Operation::Sum, u"id"_s);
    Add(SumItem::Operation::Sum, u"amount"_s);
    sums_.SumCollection().EndUpdate();
    EXPECT_EQ(sums_.SumCollection().Item(5).Result, 21 * kFixedOne);
    EXPECT_EQ(changes_, 1);

    // A closed result zeroes everything.
    query_.Close();
    sums_.RecalculateAll();
    EXPECT_EQ(all.Result, 0);
    EXPECT_EQ(total.Result, 0);
}

// Each value fits the fixed point, their sum does not: the same error as for
// one value beyond it, never a total that wrapped round.
TEST_F(SumListTest, ASumBeyondTheFixedPointRangeIsAnError)
{
    ASSERT_EQ(RunProgram(u"sqlite3"_s, {dir_.filePath(u"sums.db"_s),
                                        u"CREATE TABLE big (amount REAL); INSERT INTO big VALUES (5e14), (5e14);"_s})
                  .ExitCode,
              0);
    query_.SQL().clear();
    query_.SQL().append(u"SELECT amount FROM big"_s);
    query_.Open();
    SumItem& total = Add(SumItem::Operation::Sum, u"amount"_s);
    try {
        sums_.SetActive(true);
        FAIL() << total.Result;
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), u"The value 1000000000000000 is too large for a footer"_s);
    }
}

TEST_F(SumListTest, AMissingFieldFailsTheRecountButTheFootersStillHear)
{
    Add(SumItem::Operation::Sum, u"no_such"_s);
    query_.Open();
    changes_ = 0;
    try {
        sums_.SetActive(true);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.Message(), u"Field 'no_such' not found"_s);
    }
    EXPECT_EQ(changes_, 1);
}

} // namespace
