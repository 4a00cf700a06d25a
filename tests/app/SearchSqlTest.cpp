#include "app/SearchSql.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kBase =
    u" SELECT A.id,index_id, name1,name2, name_eng, A.cas as CAS, dangtypes,  Iadmin_no, "
    u"specialadmin, remarks, A.drugchem, A.exploidchem, B.html_file  FROM hazardous_chemicals A "
    u"Left JOIN  hazardous_chemicals_msds B  ON A.cas = B.cas"_s;

// The part of the statement after the base query.
QString Tail(const SearchCriteria& criteria)
{
    const QString text = BuildSearchSql(criteria).Text;
    EXPECT_TRUE(text.startsWith(kBase));
    return text.mid(kBase.size());
}

SearchCriteria Defaults()
{
    return SearchCriteria{};
}

TEST(SearchStatement, DefaultsGiveTheBaseQueryOrderedAndLimited)
{
    EXPECT_EQ(kBase.size(), 228);
    const SearchStatement statement = BuildSearchSql(Defaults());
    EXPECT_EQ(statement.Text, kBase + u" order by Id  LIMIT 200 "_s);
    EXPECT_TRUE(statement.Text.endsWith(u"ON A.cas = B.cas order by Id  LIMIT 200 "_s));
    EXPECT_FALSE(statement.IndexNoRejected);

    SearchCriteria unlimited = Defaults();
    unlimited.RowLimit = false;
    EXPECT_EQ(BuildSearchSql(unlimited).Text, kBase + u" order by Id "_s);

    // Start-up and "清空" values give the same statement.
    SearchCriteria cleared = Defaults();
    cleared.BatchIndex = 0;
    cleared.PrecursorIndex = 0;
    cleared.HazardText = u"不限定"_s;
    EXPECT_EQ(BuildSearchSql(cleared).Text, BuildSearchSql(Defaults()).Text);
}

struct TextCase {
    const char* label;
    QString SearchCriteria::*field;
    bool exact;
    QString expectedCondition;
};

TEST(SearchStatement, EachTextCriterionHasItsFragment)
{
    const TextCase cases[] = {
        {"name like", &SearchCriteria::NameText, false, u" name1  like '%abc%'"_s},
        {"name exact", &SearchCriteria::NameText, true, u" name1  = 'abc'"_s},
        {"alias like", &SearchCriteria::AliasText, false, u" name2  like '%abc%'"_s},
        {"alias exact", &SearchCriteria::AliasText, true, u" name2  = 'abc'"_s},
        {"cas ignores exact", &SearchCriteria::CasText, false, u" A.CAS  = 'abc'"_s},
        {"cas exact", &SearchCriteria::CasText, true, u" A.CAS  = 'abc'"_s},
        {"english like", &SearchCriteria::EnglishNameText, false, u" name_eng  like '%abc%'"_s},
        {"english exact", &SearchCriteria::EnglishNameText, true, u" name_eng  = 'abc'"_s},
    };
    for (const TextCase& c : cases) {
        SearchCriteria criteria = Defaults();
        criteria.*c.field = u"abc"_s;
        criteria.ExactMatch = c.exact;
        EXPECT_EQ(Tail(criteria), u" where "_s + c.expectedCondition + u" order by Id  LIMIT 200 "_s)
            << c.label;
    }
}

TEST(SearchStatement, NameWithoutLimitAndBlankText)
{
    SearchCriteria criteria = Defaults();
    criteria.NameText = u"abc"_s;
    criteria.RowLimit = false;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '%abc%' order by Id "_s);

    criteria.NameText = u" "_s;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '% %' order by Id "_s);

    criteria.NameText = u"氨"_s;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '%氨%' order by Id "_s);
}

TEST(SearchStatement, ComboIndicesPickTheirConditions)
{
    struct Case {
        int SearchCriteria::*field;
        int index;
        QString condition;  // empty: none
    };
    const Case cases[] = {
        {&SearchCriteria::BatchIndex, -1, {}},
        {&SearchCriteria::BatchIndex, 0, {}},
        {&SearchCriteria::BatchIndex, 1, u"Iadmin_no > 0 "_s},
        {&SearchCriteria::BatchIndex, 2, u"Iadmin_no = 1 "_s},
        {&SearchCriteria::BatchIndex, 3, u"Iadmin_no = 2 "_s},
        {&SearchCriteria::BatchIndex, 4, {}},
        {&SearchCriteria::PrecursorIndex, -1, {}},
        {&SearchCriteria::PrecursorIndex, 0, {}},
        {&SearchCriteria::PrecursorIndex, 1, {}},
        {&SearchCriteria::PrecursorIndex, 2, u" drugchem > 0 "_s},
        {&SearchCriteria::PrecursorIndex, 3, u" drugchem = 1 "_s},
        {&SearchCriteria::PrecursorIndex, 4, u" drugchem = 2 "_s},
        {&SearchCriteria::PrecursorIndex, 5, u" drugchem = 3 "_s},
        {&SearchCriteria::PrecursorIndex, 6, {}},
        {&SearchCriteria::PrecursorIndex, 7, u" exploidchem > 0 "_s},
        {&SearchCriteria::PrecursorIndex, 8, {}},
        {&SearchCriteria::PrecursorIndex, 9, {}},
    };
    for (const Case& c : cases) {
        SearchCriteria criteria = Defaults();
        criteria.*c.field = c.index;
        const QString expected = c.condition.isEmpty()
                                     ? u" order by Id  LIMIT 200 "_s
                                     : u" where "_s + c.condition + u" order by Id  LIMIT 200 "_s;
        EXPECT_EQ(Tail(criteria), expected) << "index " << c.index;
    }

    SearchCriteria firstBatch = Defaults();
    firstBatch.BatchIndex = 2;
    EXPECT_TRUE(BuildSearchSql(firstBatch).Text.contains(u" where Iadmin_no = 1  order by Id "_s));
}

TEST(SearchStatement, HazardUsesTheComboTextWheneverTheIndexIsNotZero)
{
    SearchCriteria criteria = Defaults();
    criteria.HazardIndex = 17;
    criteria.HazardText = HazardItems().at(17);
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%急性毒性-经口%' order by Id  LIMIT 200 "_s);

    criteria.HazardIndex = -1;
    criteria.HazardText = u"易燃"_s;
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%易燃%' order by Id  LIMIT 200 "_s);

    criteria.HazardText.clear();
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%%' order by Id  LIMIT 200 "_s);

    criteria.HazardIndex = 0;
    criteria.HazardText = u"易燃"_s;
    EXPECT_EQ(Tail(criteria), u" order by Id  LIMIT 200 "_s);
}

// Six items name their class otherwise than the classification table does;
// picked, they search the table's words. Typed, the same words stay as typed.
TEST(SearchStatement, HazardItemsWordedOtherwiseSearchTheTablesWords)
{
    const QList<QPair<int, QString>> items = {
        {8, u"自反应物质和混合物"_s},          {22, u"致敏物"_s},
        {23, u"生殖细胞致突变性"_s},           {26, u"特异性靶器官毒性-一次接触"_s},
        {27, u"特异性靶器官毒性-反复接触"_s},  {29, u"吸入危害"_s},
    };
    SearchCriteria criteria = Defaults();
    for (const auto& [item, words] : items) {
        criteria.HazardIndex = item;
        criteria.HazardText = HazardItems().at(item);
        EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%"_s + words + u"%' order by Id  LIMIT 200 "_s);
        criteria.HazardIndex = -1;
        EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%"_s + HazardItems().at(item) + u"%' order by Id  LIMIT 200 "_s);
    }
}

TEST(SearchStatement, TheStrongestCriterionReplacesTheOthers)
{
    SearchCriteria criteria = Defaults();
    criteria.NameText = u"abc"_s;
    criteria.CasText = u"x"_s;
    EXPECT_EQ(Tail(criteria), u" where  A.CAS  = 'x' order by Id  LIMIT 200 "_s);

    criteria.BatchIndex = 1;
    EXPECT_EQ(Tail(criteria), u" where Iadmin_no > 0  order by Id  LIMIT 200 "_s);

    criteria.EnglishNameText = u"benzene"_s;
    EXPECT_EQ(Tail(criteria), u" where  name_eng  like '%benzene%' order by Id  LIMIT 200 "_s);

    criteria.HazardIndex = 2;
    criteria.HazardText = u"易燃气体"_s;
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%易燃气体%' order by Id  LIMIT 200 "_s);

    criteria.PrecursorIndex = 7;
    EXPECT_EQ(Tail(criteria), u" where  exploidchem > 0  order by Id  LIMIT 200 "_s);

    criteria.IndexNoText = u"12"_s;
    EXPECT_EQ(Tail(criteria), u" where  Index_id = 12 order by Id  LIMIT 200 "_s);

    // A separator row of the precursor combo does not clear what came before.
    SearchCriteria separator = Defaults();
    separator.NameText = u"abc"_s;
    separator.PrecursorIndex = 6;
    EXPECT_EQ(Tail(separator), u" where  name1  like '%abc%' order by Id  LIMIT 200 "_s);
}

TEST(SearchStatement, ARejectedCatalogueNumberKeepsTheEarlierCondition)
{
    for (const QString& bad : {u""_s, u"12a"_s, u" 12"_s, u"1 2"_s, u"-1"_s, u"１２"_s}) {
        SearchCriteria criteria = Defaults();
        criteria.NameText = u"abc"_s;
        criteria.IndexNoText = bad;
        const SearchStatement statement = BuildSearchSql(criteria);
        EXPECT_TRUE(statement.IndexNoRejected) << bad.toStdString();
        EXPECT_EQ(statement.Text.mid(kBase.size()),
                  u" where  name1  like '%abc%' order by Id  LIMIT 200 "_s);
    }

    SearchCriteria alone = Defaults();
    alone.IndexNoText = QString();
    const SearchStatement statement = BuildSearchSql(alone);
    EXPECT_TRUE(statement.IndexNoRejected);
    EXPECT_EQ(statement.Text, kBase + u" order by Id  LIMIT 200 "_s);

    alone.IndexNoText = u"0498"_s;
    EXPECT_FALSE(BuildSearchSql(alone).IndexNoRejected);
    EXPECT_EQ(Tail(alone), u" where  Index_id = 0498 order by Id  LIMIT 200 "_s);
}

TEST(SearchStatement, AQuoteInTypedTextIsDoubledAndCannotEndTheLiteral)
{
    SearchCriteria criteria = Defaults();
    criteria.NameText = u"4,4'-二氨基二苯甲烷"_s;
    EXPECT_EQ(Tail(criteria), u" where  name1  like '%4,4''-二氨基二苯甲烷%' order by Id  LIMIT 200 "_s);

    criteria = Defaults();
    criteria.CasText = u"x' OR '1'='1"_s;
    EXPECT_EQ(Tail(criteria), u" where  A.CAS  = 'x'' OR ''1''=''1' order by Id  LIMIT 200 "_s);

    criteria = Defaults();
    criteria.HazardIndex = -1;
    criteria.HazardText = u"'"_s;
    EXPECT_EQ(Tail(criteria), u" where  DangTypes like '%''%' order by Id  LIMIT 200 "_s);

    // Pattern characters keep their meaning.
    criteria = Defaults();
    criteria.AliasText = u"a%_b"_s;
    EXPECT_EQ(Tail(criteria), u" where  name2  like '%a%_b%' order by Id  LIMIT 200 "_s);
}

TEST(SearchComboItems, ListsHoldTheirItemsInOrder)
{
    EXPECT_EQ(BatchItems(), (QStringList{u"不限定"_s, u"重点监管危险化学品"_s,
                                         u"首批重点监管危险化学品"_s, u"第二批重点监管危险化学品"_s}));
    const QString sixteenHyphens(16, u'-');
    EXPECT_EQ(PrecursorItems(),
              (QStringList{u"不限定"_s, sixteenHyphens, u"易制毒化学品"_s, u"第一类易制互化学品"_s,
                           u"第二类易制毒化学品"_s, u"第三类易制毒化学品"_s, sixteenHyphens,
                           u"易制爆化学品"_s, QString()}));
    ASSERT_EQ(HazardItems().size(), 32);
    EXPECT_EQ(HazardItems().first(), u"不限定"_s);
    EXPECT_EQ(HazardItems().at(1), u"爆炸物"_s);
    EXPECT_EQ(HazardItems().at(12), u"遇水放出易燃气体的物质和混合物"_s);
    EXPECT_EQ(HazardItems().at(20), u"皮肤腐蚀/刺激"_s);
    EXPECT_EQ(HazardItems().at(26), u"特异性靶器官系统毒性-一次接触"_s);
    EXPECT_EQ(HazardItems().last(), u"危害水生环境-长期危害"_s);
}

} // namespace
