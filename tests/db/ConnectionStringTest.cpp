#include "db/ConnectionString.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ConnectionString, ProviderKeysBecomeOdbcKeysWithTheDataSourceFirst)
{
    EXPECT_EQ(odbcConnectionString(
                  u"Provider=MSDASQL.1;Password=vorlak@qa51807316;Persist Security Info=True;"
                  u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_s),
              u"DSN=vorlak;PWD=vorlak@qa51807316;UID=vorlak;DATABASE=vorlak"_s);
    EXPECT_EQ(odbcConnectionString(u"Port=3306;data source=x"_s), u"DSN=x;Port=3306"_s);
    EXPECT_EQ(odbcConnectionString(u"Password= a b"_s), u"PWD={ a b}"_s);
}

TEST(ConnectionString, ValuesAreFoundWithoutRegardToCase)
{
    const auto pairs = parseConnectionString(u"Provider=P;Data Source=vorlak;X"_s);
    EXPECT_EQ(connectionStringValue(pairs, u"data source"_s), u"vorlak"_s);
    EXPECT_EQ(connectionStringValue(pairs, u"Missing"_s), QString());
    ASSERT_EQ(pairs.size(), 3);
    EXPECT_EQ(pairs.at(2).first, u"X"_s);
}

TEST(ConnectionString, ValuesThatWouldEndTheAttributeAreBraced)
{
    EXPECT_EQ(odbcValue(u"plain"_s), u"plain"_s);
    EXPECT_EQ(odbcValue(u"a;b"_s), u"{a;b}"_s);
    EXPECT_EQ(odbcValue(u"a}b"_s), u"{a}}b}"_s);
}

} // namespace
