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
        query_.sql().append(u"SELECT id, name, amount, blank FROM t ORDER BY id"_s);
        sums_.changed = [this] { ++changes_; };
        sums_.setDataSet(&query_);
    }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    SumList sums_;
    int changes_ = 0;
};

// The count is the row count of the open result, taken when asked: nothing
// is read, the current record stays; closed or inactive, it is 0.
TEST_F(SumListTest, TheCountIsTheRowCountOfTheOpenResultWhileActive)
{
    query_.open();
    query_.moveBy(2);
    sums_.recalculateAll();
    EXPECT_EQ(sums_.count(), 0);  // not active
    sums_.setActive(true);
    EXPECT_EQ(sums_.count(), 6);
    EXPECT_EQ(query_.recNo(), 3);
    EXPECT_EQ(changes_, 2);
    query_.close();
    sums_.recalculateAll();
    EXPECT_EQ(sums_.count(), 0);
    bool loading = true;
    sums_.ownerLoading = [&loading] { return loading; };
    query_.open();
    sums_.recalculateAll();  // waits while the owner reads its configuration
    EXPECT_EQ(sums_.count(), 0);
    loading = false;
    sums_.recalculateAll();
    EXPECT_EQ(sums_.count(), 6);

    // With a counted field, the rows whose value there is not null (any letter case of its name).
    sums_.setCountedField(u"AMOUNT"_s);
    sums_.recalculateAll();
    EXPECT_EQ(sums_.count(), 4);
    sums_.setCountedField(u"blank"_s);
    sums_.recalculateAll();
    EXPECT_EQ(sums_.count(), 0);
}

} // namespace
