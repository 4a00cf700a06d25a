#include "sumlist/SumList.h"

#include "db/Connection.h"
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
        sums_.SumListChanged = [this](SumList&) { ++changes_; };
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

TEST_F(SumListTest, OpeningCountsSumsAndAveragesEveryRecord)
{
    SumItem& all = Add(SumItem::Operation::Count);
    SumItem& withAmount = Add(SumItem::Operation::Count, u"amount"_s);
    SumItem& total = Add(SumItem::Operation::Sum, u"AMOUNT"_s);
    SumItem& average = Add(SumItem::Operation::Avg, u"amount"_s);
    SumItem& allNull = Add(SumItem::Operation::Avg, u"blank"_s);
    sums_.SetActive(true);
    EXPECT_TRUE(sums_.Hooked());
    query_.Open();
    EXPECT_EQ(all.Result, 6 * kFixedOne);
    EXPECT_EQ(withAmount.Result, 4 * kFixedOne);
    EXPECT_EQ(total.Result, ToFixedPoint(17.75));
    EXPECT_EQ(average.NonNullCount, 4);
    EXPECT_EQ(average.Result, ToFixedPoint(17.75 / 4));
    EXPECT_EQ(allNull.Result, 0);
    EXPECT_EQ(query_.RecNo(), 1);
    EXPECT_FALSE(sums_.Recalculating());
    EXPECT_EQ(sums_.SumCollection().FindSum(SumItem::Operation::Sum, u"amount"_s), &total);
    EXPECT_EQ(sums_.SumCollection().FindSum(SumItem::Operation::Count, QString()), &all);
    EXPECT_EQ(sums_.SumCollection().FindSum(SumItem::Operation::Avg, u"name"_s), nullptr);

    // Closing zeroes everything.
    changes_ = 0;
    query_.Close();
    EXPECT_EQ(all.Result, 0);
    EXPECT_EQ(total.Result, 0);
    EXPECT_GE(changes_, 1);
}

TEST_F(SumListTest, AWalkLeavesTheFirstRecordCurrentAndNoWalkMovesNothing)
{
    query_.Open();
    query_.MoveBy(3);
    sums_.SetActive(true);  // nothing counts: no walk
    EXPECT_EQ(query_.RecNo(), 4);
    Add(SumItem::Operation::Count);
    EXPECT_EQ(query_.RecNo(), 1);  // adding an item recounts, from the first record
    EXPECT_EQ(sums_.SumCollection().Item(0).Result, 6 * kFixedOne);

    sums_.SumCollection().BeginUpdate();
    Add(SumItem::Operation::Sum, u"amount"_s);
    Add(SumItem::Operation::Sum, u"id"_s);
    sums_.SumCollection().EndUpdate();  // one recount for both
    EXPECT_EQ(sums_.SumCollection().Item(2).Result, 21 * kFixedOne);
}

TEST_F(SumListTest, ItTakesOverTheEventSlotsAndChainsTheOldHandlers)
{
    QStringList calls;
    query_.SetAfterOpen([&](Query&) { calls.append(u"own open"_s); });
    query_.SetAfterScroll([&](Query&) { calls.append(u"own scroll"_s); });
    SumItem& all = Add(SumItem::Operation::Count);
    sums_.OnRecalcAll = [&](SumList&) { calls.append(u"recalc"_s); };
    sums_.OnAfterRecalcAll = [&](SumList&) { calls.append(u"after recalc"_s); };
    sums_.SetActive(true);
    query_.Open();
    query_.Next();
    // The walk's own moves call the saved scroll handler but start nothing.
    EXPECT_EQ(calls.first(), u"recalc"_s);
    EXPECT_EQ(calls.count(u"after recalc"_s), 1);
    EXPECT_EQ(calls.count(u"own open"_s), 1);
    EXPECT_EQ(calls.indexOf(u"own open"_s), calls.indexOf(u"after recalc"_s) + 1);
    EXPECT_EQ(all.Result, 6 * kFixedOne);

    sums_.SetActive(false);
    EXPECT_FALSE(sums_.Hooked());
    EXPECT_EQ(all.Result, 0);
    calls.clear();
    query_.Next();
    EXPECT_EQ(calls, QStringList{u"own scroll"_s});  // the slot is its own again
}

TEST_F(SumListTest, AFilterChangeRecountsAtTheNextMove)
{
    Add(SumItem::Operation::Count);
    sums_.SetActive(true);
    query_.Open();
    int recounts = 0;
    sums_.OnRecalcAll = [&](SumList&) { ++recounts; };
    query_.SetFilter(u"id > 2"_s);  // not filtered: no recount
    query_.Next();
    EXPECT_EQ(recounts, 0);
    query_.SetFiltered(true);
    query_.Next();
    EXPECT_EQ(recounts, 1);
    query_.Next();
    EXPECT_EQ(recounts, 1);
    query_.SetFilter(u"id > 3"_s);
    query_.Next();
    EXPECT_EQ(recounts, 2);
}

TEST_F(SumListTest, ExternalRecalculationLeavesTheValuesToTheApplication)
{
    SumItem& all = Add(SumItem::Operation::Count);
    sums_.SetActive(true);
    query_.Open();
    bool after = false;
    sums_.OnRecalcAll = [&](SumList&) { all.Result = 42; };
    sums_.OnAfterRecalcAll = [&](SumList&) { after = true; };
    sums_.SetExternalRecalc(true);
    EXPECT_EQ(all.Result, 42);
    EXPECT_FALSE(after);
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
    EXPECT_FALSE(query_.ControlsDisabled());
}

TEST_F(SumListTest, AMissingFieldFailsTheWalkButTheClosingStepsRun)
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
    EXPECT_FALSE(sums_.Recalculating());
    EXPECT_GE(changes_, 2);  // cleared, then the closing notice
    EXPECT_FALSE(query_.ControlsDisabled());  // the links hear of the result set again
}

TEST_F(SumListTest, TheEventSlotsGoBackWhenTheSumListGoesAndAGoneDataSetIsForgotten)
{
    QStringList calls;
    query_.SetAfterOpen([&](Query&) { calls.append(u"own open"_s); });
    {
        SumList other;
        other.OwnerLoading = [] { return true; };  // an owner on its way out
        other.SetDataSet(&query_);
        other.OwnerLoading = nullptr;
        other.SetActive(true);
        EXPECT_TRUE(other.Hooked());
        other.OwnerLoading = [] { return true; };
    }
    query_.Open();
    EXPECT_EQ(calls, QStringList{u"own open"_s});

    auto gone = std::make_unique<Query>();
    sums_.SetDataSet(gone.get());
    sums_.SetActive(true);
    gone.reset();
    EXPECT_EQ(sums_.DataSet(), nullptr);
    EXPECT_EQ(sums_.CountRecords(), 0);
    sums_.SetActive(false);
}

TEST_F(SumListTest, SingleRecordChangesAdjustTheValuesWithoutAWalk)
{
    SumItem& all = Add(SumItem::Operation::Count);
    SumItem& withAmount = Add(SumItem::Operation::Count, u"amount"_s);
    SumItem& total = Add(SumItem::Operation::Sum, u"amount"_s);
    SumItem& average = Add(SumItem::Operation::Avg, u"amount"_s);
    sums_.SetActive(true);
    query_.Open();
    query_.SetRecNo(4);  // amount 4

    // Deleting it takes its share out first.
    query_.BeforeDelete()(query_);
    EXPECT_EQ(all.Result, 5 * kFixedOne);
    EXPECT_EQ(withAmount.Result, 3 * kFixedOne);
    EXPECT_EQ(total.Result, ToFixedPoint(13.75));
    EXPECT_EQ(average.NonNullCount, 3);
    EXPECT_EQ(average.Result, ToFixedPoint(13.75 / 3));

    // An edit that posts the same values changes nothing.
    query_.SetRecNo(2);
    query_.AfterEdit()(query_);
    EXPECT_EQ(total.EditedShare, ToFixedPoint(2.25));
    query_.AfterPost()(query_);
    EXPECT_EQ(total.Result, ToFixedPoint(13.75));
    EXPECT_EQ(all.Result, 5 * kFixedOne);

    // An insert that posts the current values adds them once.
    query_.AfterInsert()(query_);
    EXPECT_EQ(total.EditedShare, 0);
    query_.AfterPost()(query_);
    EXPECT_EQ(total.Result, ToFixedPoint(16.0));
    EXPECT_EQ(all.Result, 6 * kFixedOne);
    EXPECT_EQ(average.NonNullCount, 4);
    query_.AfterCancel()(query_);
}

TEST_F(SumListTest, RecordNumbersComeFromTheSequencedDataSet)
{
    EXPECT_FALSE(sums_.HasRecordNumbers() && sums_.CountRecords() > 0);
    query_.Open();
    EXPECT_TRUE(sums_.HasRecordNumbers());
    EXPECT_EQ(sums_.CountRecords(), 6);
    sums_.SetRecordNumber(5);
    EXPECT_EQ(query_.RecNo(), 5);
    EXPECT_EQ(sums_.GetRecordNumber(), 5);
}

} // namespace
