#include "sumlist/DBSumLst.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"

#include "support/QtPrint.h"
#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Six records: amounts 1.5, 2.25, null, 4, null, 10; names n1..n6.
class SumList : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseOdbcIni(dir_.path(), QString());
        const QString path = dir_.filePath(u"sums.db"_qs);
        const QString script = u"CREATE TABLE t (id INTEGER, name VARCHAR(10), amount REAL, blank REAL);"
                               u"INSERT INTO t VALUES (1,'n1',1.5,NULL),(2,'n2',2.25,NULL),(3,'n3',NULL,NULL),"
                               u"(4,'n4',4,NULL),(5,'n5',NULL,NULL),(6,'n6',10,NULL);"_qs;
        ASSERT_EQ(RunProgram(u"sqlite3"_qs, {path, script}).ExitCode, 0);
        connection_.SetEmbeddedDatabase(path);
        query_.SetConnection(&connection_);
        query_.SQL().append(u"SELECT id, name, amount, blank FROM t ORDER BY id"_qs);
        sums_.SumListChanged = [this](TDBSumListProducer&) { ++changes_; };
        sums_.SetDataSet(&query_);
    }

    TDBSum& Add(TGroupOperation operation, const QString& field = QString())
    {
        TDBSum& sum = sums_.SumCollection().Add();
        sum.SetGroupOperation(operation);
        sum.SetFieldName(field);
        return sum;
    }

    QTemporaryDir dir_;
    DbConnection connection_;
    DbQuery query_;
    TDBGridEhSumList sums_;
    int changes_ = 0;
};

TEST(FixedPoint, TenThousandthsRoundedToTheNearest)
{
    EXPECT_EQ(ToFixedPoint(1), 10000);
    EXPECT_EQ(ToFixedPoint(2.25), 22500);
    EXPECT_EQ(ToFixedPoint(0.000049), 0);
    EXPECT_EQ(ToFixedPoint(0.000051), 1);
    EXPECT_EQ(ToFixedPoint(-1.23456), -12346);
    EXPECT_DOUBLE_EQ(FromFixedPoint(22500), 2.25);
}

TEST_F(SumList, OpeningCountsSumsAndAveragesEveryRecord)
{
    TDBSum& all = Add(goCount);
    TDBSum& withAmount = Add(goCount, u"amount"_qs);
    TDBSum& total = Add(goSum, u"AMOUNT"_qs);
    TDBSum& average = Add(goAvg, u"amount"_qs);
    TDBSum& allNull = Add(goAvg, u"blank"_qs);
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
    EXPECT_EQ(sums_.SumCollection().FindSum(goSum, u"amount"_qs), &total);
    EXPECT_EQ(sums_.SumCollection().FindSum(goCount, QString()), &all);
    EXPECT_EQ(sums_.SumCollection().FindSum(goAvg, u"name"_qs), nullptr);

    // Closing zeroes everything.
    changes_ = 0;
    query_.Close();
    EXPECT_EQ(all.Result, 0);
    EXPECT_EQ(total.Result, 0);
    EXPECT_GE(changes_, 1);
}

TEST_F(SumList, AWalkLeavesTheFirstRecordCurrentAndNoWalkMovesNothing)
{
    query_.Open();
    query_.MoveBy(3);
    sums_.SetActive(true);  // nothing counts: no walk
    EXPECT_EQ(query_.RecNo(), 4);
    Add(goCount);
    EXPECT_EQ(query_.RecNo(), 1);  // adding an item recounts, from the first record
    EXPECT_EQ(sums_.SumCollection().Item(0).Result, 6 * kFixedOne);

    sums_.SumCollection().BeginUpdate();
    Add(goSum, u"amount"_qs);
    Add(goSum, u"id"_qs);
    sums_.SumCollection().EndUpdate();  // one recount for both
    EXPECT_EQ(sums_.SumCollection().Item(2).Result, 21 * kFixedOne);
}

TEST_F(SumList, ItTakesOverTheEventSlotsAndChainsTheOldHandlers)
{
    QStringList calls;
    query_.SetAfterOpen([&](DbQuery&) { calls.append(u"own open"_qs); });
    query_.SetAfterScroll([&](DbQuery&) { calls.append(u"own scroll"_qs); });
    TDBSum& all = Add(goCount);
    sums_.OnRecalcAll = [&](TDBSumListProducer&) { calls.append(u"recalc"_qs); };
    sums_.OnAfterRecalcAll = [&](TDBSumListProducer&) { calls.append(u"after recalc"_qs); };
    sums_.SetActive(true);
    query_.Open();
    query_.Next();
    // The walk's own moves call the saved scroll handler but start nothing.
    EXPECT_EQ(calls.first(), u"recalc"_qs);
    EXPECT_EQ(calls.count(u"after recalc"_qs), 1);
    EXPECT_EQ(calls.count(u"own open"_qs), 1);
    EXPECT_EQ(calls.indexOf(u"own open"_qs), calls.indexOf(u"after recalc"_qs) + 1);
    EXPECT_EQ(all.Result, 6 * kFixedOne);

    sums_.SetActive(false);
    EXPECT_FALSE(sums_.Hooked());
    EXPECT_EQ(all.Result, 0);
    calls.clear();
    query_.Next();
    EXPECT_EQ(calls, QStringList{u"own scroll"_qs});  // the slot is its own again
}

TEST_F(SumList, AFilterChangeRecountsAtTheNextMove)
{
    Add(goCount);
    sums_.SetActive(true);
    query_.Open();
    int recounts = 0;
    sums_.OnRecalcAll = [&](TDBSumListProducer&) { ++recounts; };
    query_.SetFilter(u"id > 2"_qs);  // not filtered: no recount
    query_.Next();
    EXPECT_EQ(recounts, 0);
    query_.SetFiltered(true);
    query_.Next();
    EXPECT_EQ(recounts, 1);
    query_.Next();
    EXPECT_EQ(recounts, 1);
    query_.SetFilter(u"id > 3"_qs);
    query_.Next();
    EXPECT_EQ(recounts, 2);
}

TEST_F(SumList, ExternalRecalculationLeavesTheValuesToTheApplication)
{
    TDBSum& all = Add(goCount);
    sums_.SetActive(true);
    query_.Open();
    bool after = false;
    sums_.OnRecalcAll = [&](TDBSumListProducer&) { all.Result = 42; };
    sums_.OnAfterRecalcAll = [&](TDBSumListProducer&) { after = true; };
    sums_.SetExternalRecalc(true);
    EXPECT_EQ(all.Result, 42);
    EXPECT_FALSE(after);
}

TEST_F(SumList, AMissingFieldFailsTheWalkButTheClosingStepsRun)
{
    Add(goSum, u"no_such"_qs);
    query_.Open();
    changes_ = 0;
    try {
        sums_.SetActive(true);
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), u"Field 'no_such' not found"_qs);
    }
    EXPECT_FALSE(sums_.Recalculating());
    EXPECT_GE(changes_, 2);  // cleared, then the closing notice
}

TEST_F(SumList, SingleRecordChangesAdjustTheValuesWithoutAWalk)
{
    TDBSum& all = Add(goCount);
    TDBSum& withAmount = Add(goCount, u"amount"_qs);
    TDBSum& total = Add(goSum, u"amount"_qs);
    TDBSum& average = Add(goAvg, u"amount"_qs);
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

TEST_F(SumList, RecordNumbersComeFromTheSequencedDataSet)
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
