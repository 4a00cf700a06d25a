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
QString tail(const SearchCriteria& criteria)
{
    const QString text = buildSearchSql(criteria).text;
    EXPECT_TRUE(text.startsWith(kBase));
    return text.mid(kBase.size());
}

SearchCriteria defaults()
{
    return SearchCriteria{};
}

TEST(SearchStatement, DefaultsGiveTheBaseQueryOrderedAndLimited)
{
    EXPECT_EQ(kBase.size(), 228);
    const SearchStatement statement = buildSearchSql(defaults());
    EXPECT_EQ(statement.text, kBase + u" order by Id  LIMIT 200 "_s);
    EXPECT_TRUE(statement.text.endsWith(u"ON A.cas = B.cas order by Id  LIMIT 200 "_s));
    EXPECT_FALSE(statement.indexNoRejected);

    SearchCriteria unlimited = defaults();
    unlimited.rowLimit = false;
    EXPECT_EQ(buildSearchSql(unlimited).text, kBase + u" order by Id "_s);

    // Start-up and "清空" values give the same statement.
    SearchCriteria cleared = defaults();
    cleared.batchIndex = 0;
    cleared.precursorIndex = 0;
    cleared.hazardText = u"不限定"_s;
    EXPECT_EQ(buildSearchSql(cleared).text, buildSearchSql(defaults()).text);
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
        {"name like", &SearchCriteria::nameText, false, u" name1  like '%abc%'"_s},
        {"name exact", &SearchCriteria::nameText, true, u" name1  = 'abc'"_s},
        {"alias like", &SearchCriteria::aliasText, false, u" name2  like '%abc%'"_s},
        {"alias exact", &SearchCriteria::aliasText, true, u" name2  = 'abc'"_s},
        {"cas ignores exact", &SearchCriteria::casText, false, u" A.CAS  = 'abc'"_s},
        {"cas exact", &SearchCriteria::casText, true, u" A.CAS  = 'abc'"_s},
        {"english like", &SearchCriteria::englishNameText, false, u" name_eng  like '%abc%'"_s},
        {"english exact", &SearchCriteria::englishNameText, true, u" name_eng  = 'abc'"_s},
    };
    for (const TextCase& c : cases) {
        SearchCriteria criteria = defaults();
        criteria.*c.field = u"abc"_s;
        criteria.exactMatch = c.exact;
        EXPECT_EQ(tail(criteria), u" where "_s + c.expectedCondition + u" order by Id  LIMIT 200 "_s)
            << c.label;
    }
}

TEST(SearchStatement, NameWithoutLimitAndBlankText)
{
    SearchCriteria criteria = defaults();
    criteria.nameText = u"abc"_s;
    criteria.rowLimit = false;
    EXPECT_EQ(tail(criteria), u" where  name1  like '%abc%' order by Id "_s);

    criteria.nameText = u" "_s;
    EXPECT_EQ(tail(criteria), u" where  name1  like '% %' order by Id "_s);

    criteria.nameText = u"氨"_s;
    EXPECT_EQ(tail(criteria), u" where  name1  like '%氨%' order by Id "_s);
}

TEST(SearchStatement, ComboIndicesPickTheirConditions)
{
    struct Case {
        int SearchCriteria::*field;
        int index;
        QString condition;  // empty: none
    };
    const Case cases[] = {
        {&SearchCriteria::batchIndex, -1, {}},
        {&SearchCriteria::batchIndex, 0, {}},
        {&SearchCriteria::batchIndex, 1, u"Iadmin_no > 0 "_s},
        {&SearchCriteria::batchIndex, 2, u"Iadmin_no = 1 "_s},
        {&SearchCriteria::batchIndex, 3, u"Iadmin_no = 2 "_s},
        {&SearchCriteria::batchIndex, 4, {}},
        {&SearchCriteria::precursorIndex, -1, {}},
        {&SearchCriteria::precursorIndex, 0, {}},
        {&SearchCriteria::precursorIndex, 1, {}},
        {&SearchCriteria::precursorIndex, 2, u" drugchem > 0 "_s},
        {&SearchCriteria::precursorIndex, 3, u" drugchem = 1 "_s},
        {&SearchCriteria::precursorIndex, 4, u" drugchem = 2 "_s},
        {&SearchCriteria::precursorIndex, 5, u" drugchem = 3 "_s},
        {&SearchCriteria::precursorIndex, 6, {}},
        {&SearchCriteria::precursorIndex, 7, u" exploidchem > 0 "_s},
        {&SearchCriteria::precursorIndex, 8, {}},
        {&SearchCriteria::precursorIndex, 9, {}},
    };
    for (const Case& c : cases) {
        SearchCriteria criteria = defaults();
        criteria.*c.field = c.index;
        const QString expected = c.condition.isEmpty()
                                     ? u" order by Id  LIMIT 200 "_s
                                     : u" where "_s + c.condition + u" order by Id  LIMIT 200 "_s;
        EXPECT_EQ(tail(criteria), expected) << "index " << c.index;
    }

    SearchCriteria firstBatch = defaults();
    firstBatch.batchIndex = 2;
    EXPECT_TRUE(buildSearchSql(firstBatch).text.contains(u" where Iadmin_no = 1  order by Id "_s));
}

TEST(SearchStatement, HazardUsesTheComboTextWheneverTheIndexIsNotZero)
{
    SearchCriteria criteria = defaults();
    criteria.hazardIndex = 17;
    criteria.hazardText = hazardItems().at(17);
    EXPECT_EQ(tail(criteria), u" where  DangTypes like '%急性毒性-经口%' order by Id  LIMIT 200 "_s);

    criteria.hazardIndex = -1;
    criteria.hazardText = u"易燃"_s;
    EXPECT_EQ(tail(criteria), u" where  DangTypes like '%易燃%' order by Id  LIMIT 200 "_s);

    criteria.hazardText.clear();
    EXPECT_EQ(tail(criteria), u" where  DangTypes like '%%' order by Id  LIMIT 200 "_s);

    criteria.hazardIndex = 0;
    criteria.hazardText = u"易燃"_s;
    EXPECT_EQ(tail(criteria), u" order by Id  LIMIT 200 "_s);
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
    SearchCriteria criteria = defaults();
    for (const auto& [item, words] : items) {
        criteria.hazardIndex = item;
        criteria.hazardText = hazardItems().at(item);
        EXPECT_EQ(tail(criteria), u" where  DangTypes like '%"_s + words + u"%' order by Id  LIMIT 200 "_s);
        criteria.hazardIndex = -1;
        EXPECT_EQ(tail(criteria), u" where  DangTypes like '%"_s + hazardItems().at(item) + u"%' order by Id  LIMIT 200 "_s);
    }
}

TEST(SearchStatement, TheStrongestCriterionReplacesTheOthers)
{
    SearchCriteria criteria = defaults();
    criteria.nameText = u"abc"_s;
    criteria.casText = u"x"_s;
    EXPECT_EQ(tail(criteria), u" where  A.CAS  = 'x' order by Id  LIMIT 200 "_s);

    criteria.batchIndex = 1;
    EXPECT_EQ(tail(criteria), u" where Iadmin_no > 0  order by Id  LIMIT 200 "_s);

    criteria.englishNameText = u"benzene"_s;
    EXPECT_EQ(tail(criteria), u" where  name_eng  like '%benzene%' order by Id  LIMIT 200 "_s);

    criteria.hazardIndex = 2;
    criteria.hazardText = u"易燃气体"_s;
    EXPECT_EQ(tail(criteria), u" where  DangTypes like '%易燃气体%' order by Id  LIMIT 200 "_s);

    criteria.precursorIndex = 7;
    EXPECT_EQ(tail(criteria), u" where  exploidchem > 0  order by Id  LIMIT 200 "_s);

    criteria.indexNoText = u"12"_s;
    EXPECT_EQ(tail(criteria), u" where  Index_id = 12 order by Id  LIMIT 200 "_s);

    // A separator row of the precursor combo does not clear what came before.
    SearchCriteria separator = defaults();
    separator.nameText = u"abc"_s;
    separator.precursorIndex = 6;
    EXPECT_EQ(tail(separator), u" where  name1  like '%abc%' order by Id  LIMIT 200 "_s);
}

TEST(SearchStatement, ARejectedCatalogueNumberKeepsTheEarlierCondition)
{
    for (const QString& bad : {u""_s, u"12a"_s, u" 12"_s, u"1 2"_s, u"-1"_s, u"１２"_s}) {
        SearchCriteria criteria = defaults();
        criteria.nameText = u"abc"_s;
        criteria.indexNoText = bad;
        const SearchStatement statement = buildSearchSql(criteria);
        EXPECT_TRUE(statement.indexNoRejected) << bad.toStdString();
        EXPECT_EQ(statement.text.mid(kBase.size()),
                  u" where  name1  like '%abc%' order by Id  LIMIT 200 "_s);
    }

    SearchCriteria alone = defaults();
    alone.indexNoText = QString();
    const SearchStatement statement = buildSearchSql(alone);
    EXPECT_TRUE(statement.indexNoRejected);
    EXPECT_EQ(statement.text, kBase + u" order by Id  LIMIT 200 "_s);

    alone.indexNoText = u"0498"_s;
    EXPECT_FALSE(buildSearchSql(alone).indexNoRejected);
    EXPECT_EQ(tail(alone), u" where  Index_id = 0498 order by Id  LIMIT 200 "_s);
}

TEST(SearchStatement, AQuoteInTypedTextIsDoubledAndCannotEndTheLiteral)
{
    SearchCriteria criteria = defaults();
    criteria.nameText = u"4,4'-二氨基二苯甲烷"_s;
    EXPECT_EQ(tail(criteria), u" where  name1  like '%4,4''-二氨基二苯甲烷%' order by Id  LIMIT 200 "_s);

    criteria = defaults();
    criteria.casText = u"x' OR '1'='1"_s;
    EXPECT_EQ(tail(criteria), u" where  A.CAS  = 'x'' OR ''1''=''1' order by Id  LIMIT 200 "_s);

    criteria = defaults();
    criteria.hazardIndex = -1;
    criteria.hazardText = u"'"_s;
    EXPECT_EQ(tail(criteria), u" where  DangTypes like '%''%' order by Id  LIMIT 200 "_s);

    // Pattern characters keep their meaning.
    criteria = defaults();
    criteria.aliasText = u"a%_b"_s;
    EXPECT_EQ(tail(criteria), u" where  name2  like '%a%_b%' order by Id  LIMIT 200 "_s);
}

TEST(SearchComboItems, ListsHoldTheirItemsInOrder)
{
    EXPECT_EQ(batchItems(), (QStringList{u"不限定"_s, u"重点监管危险化学品"_s,
                                         u"首批重点监管危险化学品"_s, u"第二批重点监管危险化学品"_s}));
    const QString sixteenHyphens(16, u'-');
    EXPECT_EQ(precursorItems(),
              (QStringList{u"不限定"_s, sixteenHyphens, u"易制毒化学品"_s, u"第一类易制互化学品"_s,
                           u"第二类易制毒化学品"_s, u"第三类易制毒化学品"_s, sixteenHyphens,
                           u"易制爆化学品"_s, QString()}));
    ASSERT_EQ(hazardItems().size(), 32);
    EXPECT_EQ(hazardItems().first(), u"不限定"_s);
    EXPECT_EQ(hazardItems().at(1), u"爆炸物"_s);
    EXPECT_EQ(hazardItems().at(12), u"遇水放出易燃气体的物质和混合物"_s);
    EXPECT_EQ(hazardItems().at(20), u"皮肤腐蚀/刺激"_s);
    EXPECT_EQ(hazardItems().at(26), u"特异性靶器官系统毒性-一次接触"_s);
    EXPECT_EQ(hazardItems().last(), u"危害水生环境-长期危害"_s);
}

} // namespace
