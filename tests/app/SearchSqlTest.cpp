#include "app/SearchSql.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

const QString kBase =
    u" SELECT A.id,index_id, name1,name2, name_eng, A.cas as CAS, dangtypes,  Iadmin_no, "
    u"specialadmin, remarks, A.drugchem, A.exploidchem, B.html_file  FROM hazardous_chemicals A "
    u"Left JOIN  hazardous_chemicals_msds B  ON A.cas = B.cas"_qs;

// The part of the statement after the base query.
QString Tail(const TSearchCriteria& criteria)
{
    const QString text = BuildSearchSql(criteria).Text;
    EXPECT_TRUE(text.startsWith(kBase));
    return text.mid(kBase.size());
}

TSearchCriteria Defaults()
{
    return TSearchCriteria{};
}

TEST(SearchStatement, DefaultsGiveTheBaseQueryOrderedAndLimited)
{
    EXPECT_EQ(kBase.size(), 228);
    const TSearchStatement statement = BuildSearchSql(Defaults());
    EXPECT_EQ(statement.Text, kBase + u" order by Id  LIMIT 200 "_qs);
    EXPECT_TRUE(statement.Text.endsWith(u"ON A.cas = B.cas order by Id  LIMIT 200 "_qs));
    EXPECT_FALSE(statement.IndexNoRejected);

    TSearchCriteria unlimited = Defaults();
    unlimited.RowLimit = false;
    EXPECT_EQ(BuildSearchSql(unlimited).Text, kBase + u" order by Id "_qs);

    // Start-up and "清空" values give the same statement.
    TSearchCriteria cleared = Defaults();
    cleared.BatchIndex = 0;
    cleared.PrecursorIndex = 0;
    cleared.HazardText = u"不限定"_qs;
    EXPECT_EQ(BuildSearchSql(cleared).Text, BuildSearchSql(Defaults()).Text);
}

struct TextCase {
    const char* label;
    QString TSearchCriteria::*field;
    bool exact;
    QString expectedCondition;
};

TEST(SearchStatement, EachTextCriterionHasItsFragment)
{
    const TextCase cases[] = {
        {"name like", &TSearchCriteria::NameText, false, u" name1  like '%abc%'"_qs},
        {"name exact", &TSearchCriteria::NameText, true, u" name1  = 'abc'"_qs},
        {"alias like", &TSearchCriteria::AliasText, false, u" name2  like '%abc%'"_qs},
        {"alias exact", &TSearchCriteria::AliasText, true, u" name2  = 'abc'"_qs},
        {"cas ignores exact", &TSearchCriteria::CasText, false, u" A.CAS  = 'abc'"_qs},
        {"cas exact", &TSearchCriteria::CasText, true, u" A.CAS  = 'abc'"_qs},
        {"english like", &TSearchCriteria::EnglishNameText, false, u" name_eng  like '%abc%'"_qs},
        {"english exact", &TSearchCriteria::EnglishNameText, true, u" name_eng  = 'abc'"_qs},
    };
    for (const TextCase& c : cases) {
        TSearchCriteria criteria = Defaults();
        criteria.*c.field = u"abc"_qs;
        criteria.ExactMatch = c.exact;
        EXPECT_EQ(Tail(criteria), u" where "_qs + c.expectedCondition + u" order by Id  LIMIT 200 "_qs)
            << c.label;
    }
}

TEST(SearchStatement, NameWithoutLimitAndBlankText)
{
    TSearchCriteria criteria = Defaults();
    criteria.NameText = u"abc"_qs;
    criteria.RowLimit = false;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '%abc%' order by Id "_qs);

    criteria.NameText = u" "_qs;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '% %' order by Id "_qs);

    criteria.NameText = u"氨"_qs;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '%氨%' order by Id "_qs);
}

TEST(SearchStatement, ComboIndicesPickTheirConditions)
{
    struct Case {
        int TSearchCriteria::*field;
        int index;
        QString condition;  // empty: none
    };
    const Case cases[] = {
        {&TSearchCriteria::BatchIndex, -1, {}},
        {&TSearchCriteria::BatchIndex, 0, {}},
        {&TSearchCriteria::BatchIndex, 1, u"Iadmin_no > 0 "_qs},
        {&TSearchCriteria::BatchIndex, 2, u"Iadmin_no = 1 "_qs},
        {&TSearchCriteria::BatchIndex, 3, u"Iadmin_no = 2 "_qs},
        {&TSearchCriteria::BatchIndex, 4, {}},
        {&TSearchCriteria::PrecursorIndex, -1, {}},
        {&TSearchCriteria::PrecursorIndex, 0, {}},
        {&TSearchCriteria::PrecursorIndex, 1, {}},
        {&TSearchCriteria::PrecursorIndex, 2, u" drugchem > 0 "_qs},
        {&TSearchCriteria::PrecursorIndex, 3, u" drugchem = 1 "_qs},
        {&TSearchCriteria::PrecursorIndex, 4, u" drugchem = 2 "_qs},
        {&TSearchCriteria::PrecursorIndex, 5, u" drugchem = 3 "_qs},
        {&TSearchCriteria::PrecursorIndex, 6, {}},
        {&TSearchCriteria::PrecursorIndex, 7, u" exploidchem > 0 "_qs},
        {&TSearchCriteria::PrecursorIndex, 8, {}},
        {&TSearchCriteria::PrecursorIndex, 9, {}},
    };
    for (const Case& c : cases) {
        TSearchCriteria criteria = Defaults();
        criteria.*c.field = c.index;
        const QString expected = c.condition.isEmpty()
                                     ? u" order by Id  LIMIT 200 "_qs
                                     : u" where "_qs + c.condition + u" order by Id  LIMIT 200 "_qs;
        EXPECT_EQ(Tail(criteria), expected) << "index " << c.index;
    }

    TSearchCriteria firstBatch = Defaults();
    firstBatch.BatchIndex = 2;
    EXPECT_TRUE(BuildSearchSql(firstBatch).Text.contains(u" where Iadmin_no = 1  order by Id "_qs));
}

TEST(SearchStatement, HazardUsesTheComboTextWheneverTheIndexIsNotZero)
{
    TSearchCriteria criteria = Defaults();
    criteria.HazardIndex = 17;
    criteria.HazardText = HazardItems().at(17);
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%急性毒性-经口%' order by Id  LIMIT 200 "_qs);

    criteria.HazardIndex = -1;
    criteria.HazardText = u"易燃"_qs;
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%易燃%' order by Id  LIMIT 200 "_qs);

    criteria.HazardText.clear();
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%%' order by Id  LIMIT 200 "_qs);

    criteria.HazardIndex = 0;
    criteria.HazardText = u"易燃"_qs;
    EXPECT_EQ(Tail(criteria), u" order by Id  LIMIT 200 "_qs);
}

TEST(SearchStatement, TheStrongestCriterionReplacesTheOthers)
{
    TSearchCriteria criteria = Defaults();
    criteria.NameText = u"abc"_qs;
    criteria.CasText = u"x"_qs;
    EXPECT_EQ(Tail(criteria), u" where  A.CAS  = 'x' order by Id  LIMIT 200 "_qs);

    criteria.BatchIndex = 1;
    EXPECT_EQ(Tail(criteria), u" where Iadmin_no > 0  order by Id  LIMIT 200 "_qs);

    criteria.EnglishNameText = u"benzene"_qs;
    EXPECT_EQ(Tail(criteria), u" where  name_eng  like '%benzene%' order by Id  LIMIT 200 "_qs);

    criteria.HazardIndex = 2;
    criteria.HazardText = u"易燃气体"_qs;
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%易燃气体%' order by Id  LIMIT 200 "_qs);

    criteria.PrecursorIndex = 7;
    EXPECT_EQ(Tail(criteria), u" where  exploidchem > 0  order by Id  LIMIT 200 "_qs);

    criteria.IndexNoText = u"12"_qs;
    EXPECT_EQ(Tail(criteria), u" where  Index_id = 12 order by Id  LIMIT 200 "_qs);

    // A separator row of the precursor combo does not clear what came before.
    TSearchCriteria separator = Defaults();
    separator.NameText = u"abc"_qs;
    separator.PrecursorIndex = 6;
    EXPECT_EQ(Tail(separator), u" where  name1  like '%abc%' order by Id  LIMIT 200 "_qs);
}

TEST(SearchStatement, ARejectedCatalogueNumberKeepsTheEarlierCondition)
{
    for (const QString& bad : {u""_qs, u"12a"_qs, u" 12"_qs, u"1 2"_qs, u"-1"_qs, u"１２"_qs}) {
        TSearchCriteria criteria = Defaults();
        criteria.NameText = u"abc"_qs;
        criteria.IndexNoText = bad;
        const TSearchStatement statement = BuildSearchSql(criteria);
        EXPECT_TRUE(statement.IndexNoRejected) << bad.toStdString();
        EXPECT_EQ(statement.Text.mid(kBase.size()),
                  u" where  name1  like '%abc%' order by Id  LIMIT 200 "_qs);
    }

    TSearchCriteria alone = Defaults();
    alone.IndexNoText = QString();
    const TSearchStatement statement = BuildSearchSql(alone);
    EXPECT_TRUE(statement.IndexNoRejected);
    EXPECT_EQ(statement.Text, kBase + u" order by Id  LIMIT 200 "_qs);

    alone.IndexNoText = u"0498"_qs;
    EXPECT_FALSE(BuildSearchSql(alone).IndexNoRejected);
    EXPECT_EQ(Tail(alone), u" where  Index_id = 0498 order by Id  LIMIT 200 "_qs);
}

TEST(SearchStatement, AQuoteInTypedTextIsDoubledAndCannotEndTheLiteral)
{
    TSearchCriteria criteria = Defaults();
    criteria.NameText = u"4,4'-二氨基二苯甲烷"_qs;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '%4,4''-二氨基二苯甲烷%' order by Id  LIMIT 200 "_qs);

    criteria = Defaults();
    criteria.CasText = u"x' OR '1'='1"_qs;
    EXPECT_EQ(Tail(criteria), u" where  A.CAS  = 'x'' OR ''1''=''1' order by Id  LIMIT 200 "_qs);

    criteria = Defaults();
    criteria.HazardIndex = -1;
    criteria.HazardText = u"'"_qs;
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%''%' order by Id  LIMIT 200 "_qs);

    // Pattern characters keep their meaning.
    criteria = Defaults();
    criteria.AliasText = u"a%_b"_qs;
    EXPECT_EQ(Tail(criteria), u" where  name2  like '%a%_b%' order by Id  LIMIT 200 "_qs);
}

TEST(SearchComboItems, ListsHoldTheirItemsInOrder)
{
    EXPECT_EQ(BatchItems(), (QStringList{u"不限定"_qs, u"重点监管危险化学品"_qs,
                                         u"首批重点监管危险化学品"_qs, u"第二批重点监管危险化学品"_qs}));
    const QString sixteenHyphens(16, u'-');
    EXPECT_EQ(PrecursorItems(),
              (QStringList{u"不限定"_qs, sixteenHyphens, u"易制毒化学品"_qs, u"第一类易制互化学品"_qs,
                           u"第二类易制毒化学品"_qs, u"第三类易制毒化学品"_qs, sixteenHyphens,
                           u"易制爆化学品"_qs, QString()}));
    ASSERT_EQ(HazardItems().size(), 32);
    EXPECT_EQ(HazardItems().first(), u"不限定"_qs);
    EXPECT_EQ(HazardItems().at(1), u"爆炸物"_qs);
    EXPECT_EQ(HazardItems().at(12), u"遇水放出易燃气体的物质和混合物"_qs);
    EXPECT_EQ(HazardItems().at(20), u"皮肤腐蚀/刺激"_qs);
    EXPECT_EQ(HazardItems().at(26), u"特异性靶器官系统毒性-一次接触"_qs);
    EXPECT_EQ(HazardItems().last(), u"危害水生环境-长期危害"_qs);
}

} // namespace
