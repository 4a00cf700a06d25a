#include "db/ConnectionString.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionString, ProviderKeysBecomeOdbcKeysWithTheDataSourceFirst)
{
    EXPECT_EQ(OdbcConnectionString(
                  u"Provider=MSDASQL.1;Password=vorlak@qa51807316;Persist Security Info=True;"
                  u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_qs),
              u"DSN=vorlak;PWD=vorlak@qa51807316;UID=vorlak;DATABASE=vorlak"_qs);
    EXPECT_EQ(OdbcConnectionString(u"Port=3306;data source=x"_qs), u"DSN=x;Port=3306"_qs);
    EXPECT_EQ(OdbcConnectionString(u"Password= a b"_qs), u"PWD={ a b}"_qs);
}

TEST(ConnectionString, ValuesAreFoundWithoutRegardToCase)
{
    const auto pairs = ParseConnectionString(u"Provider=P;Data Source=vorlak;X"_qs);
    EXPECT_EQ(ConnectionStringValue(pairs, u"data source"_qs), u"vorlak"_qs);
    EXPECT_EQ(ConnectionStringValue(pairs, u"Missing"_qs), QString());
    ASSERT_EQ(pairs.size(), 3);
    EXPECT_EQ(pairs.at(2).first, u"X"_qs);
}

TEST(ConnectionString, ValuesThatWouldEndTheAttributeAreBraced)
{
    EXPECT_EQ(OdbcValue(u"plain"_qs), u"plain"_qs);
    EXPECT_EQ(OdbcValue(u"a;b"_qs), u"{a;b}"_qs);
    EXPECT_EQ(OdbcValue(u"a}b"_qs), u"{a}}b}"_qs);
}

TEST(ConnectionString, EmbeddedCatalogueOpensReadOnlyByUri)
{
    EXPECT_EQ(EmbeddedConnectionString(u"/opt/vorlak/vorlak.db"_qs),
              u"Driver=SQLite3;Database=file:///opt/vorlak/vorlak.db?mode=ro"_qs);
    EXPECT_EQ(EmbeddedConnectionString(u"/opt/危化 品/vorlak.db"_qs),
              u"Driver=SQLite3;Database=file:///opt/%E5%8D%B1%E5%8C%96%20%E5%93%81/vorlak.db?mode=ro"_qs);
}

} // namespace
