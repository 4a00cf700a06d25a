#include "SearchSql.h"

#include "db/SqlLiteral.h"

#include <QRegularExpression>
#include <map>

using namespace Qt::StringLiterals;

namespace {

const QString kBaseQuery =
    u" SELECT A.id,index_id, name1,name2, name_eng, A.cas as CAS, dangtypes,  Iadmin_no, "
    u"specialadmin, remarks, A.drugchem, A.exploidchem, B.html_file  FROM hazardous_chemicals A "
    u"Left JOIN  hazardous_chemicals_msds B  ON A.cas = B.cas"_s;

// Typed text goes between single quotes, its own quotes doubled, so that no
// input can end the literal early.
QString nameCondition(const QString& column, const QString& text, bool exact)
{
    if (exact)
        return u' ' + column + u"  = '"_s + sqlQuotedText(text) + u'\'';
    return u' ' + column + u"  like '%"_s + sqlQuotedText(text) + u"%'"_s;
}

QString batchCondition(int index)
{
    switch (index) {
    case 1: return u"Iadmin_no > 0 "_s;
    case 2: return u"Iadmin_no = 1 "_s;
    case 3: return u"Iadmin_no = 2 "_s;
    default: return QString();
    }
}

QString precursorCondition(int index)
{
    switch (index) {
    case 2: return u" drugchem > 0 "_s;
    case 3: return u" drugchem = 1 "_s;
    case 4: return u" drugchem = 2 "_s;
    case 5: return u" drugchem = 3 "_s;
    case 7: return u" exploidchem > 0 "_s;
    default: return QString();
    }
}

// Six items of the hazard list word their class otherwise than the
// catalogue's classification table; picked, they search the table's words.
QString hazardWording(int index, const QString& text)
{
    static const std::map<int, QString> tableWords = {
        {8, u"自反应物质和混合物"_s},          {22, u"致敏物"_s},
        {23, u"生殖细胞致突变性"_s},           {26, u"特异性靶器官毒性-一次接触"_s},
        {27, u"特异性靶器官毒性-反复接触"_s},  {29, u"吸入危害"_s},
    };
    const auto words = tableWords.find(index);
    if (words == tableWords.end() || text != hazardItems().at(index))
        return text;
    return words->second;
}

bool isDecimalNumber(const QString& text)
{
    static const QRegularExpression digits(u"^[0-9]+$"_s);
    return digits.match(text).hasMatch();
}

} // namespace

SearchStatement buildSearchSql(const SearchCriteria& c)
{
    SearchStatement result;
    QString condition;

    if (!c.nameText.isEmpty())
        condition = nameCondition(u"name1"_s, c.nameText, c.exactMatch);
    if (!c.aliasText.isEmpty())
        condition = nameCondition(u"name2"_s, c.aliasText, c.exactMatch);
    if (!c.casText.isEmpty())
        condition = u" A.CAS  = '"_s + sqlQuotedText(c.casText) + u'\'';
    if (const QString batch = batchCondition(c.batchIndex); !batch.isEmpty())
        condition = batch;
    if (!c.englishNameText.isEmpty())
        condition = nameCondition(u"name_eng"_s, c.englishNameText, c.exactMatch);
    if (c.hazardIndex != 0)
        condition = u" DangTypes like '%"_s + sqlQuotedText(hazardWording(c.hazardIndex, c.hazardText)) + u"%'"_s;
    if (const QString precursor = precursorCondition(c.precursorIndex); !precursor.isEmpty())
        condition = precursor;
    if (c.indexNoText != u"0"_s) {
        if (isDecimalNumber(c.indexNoText))
            condition = u" Index_id = "_s + c.indexNoText;
        else
            result.indexNoRejected = true;
    }

    result.text = kBaseQuery;
    if (!condition.isEmpty())
        result.text += u" where "_s + condition;
    result.text += u" order by Id "_s;
    if (c.rowLimit)
        result.text += u" LIMIT 200 "_s;
    return result;
}

const QStringList& batchItems()
{
    static const QStringList items = {u"不限定"_s, u"重点监管危险化学品"_s,
                                      u"首批重点监管危险化学品"_s, u"第二批重点监管危险化学品"_s};
    return items;
}

const QStringList& precursorItems()
{
    static const QStringList items = {
        u"不限定"_s,           u"----------------"_s,   u"易制毒化学品"_s,
        u"第一类易制互化学品"_s, u"第二类易制毒化学品"_s, u"第三类易制毒化学品"_s,
        u"----------------"_s, u"易制爆化学品"_s,       QString(),
    };
    return items;
}

const QStringList& hazardItems()
{
    static const QStringList items = {
        u"不限定"_s,
        u"爆炸物"_s,
        u"易燃气体"_s,
        u"易燃气溶胶"_s,
        u"氧化性气体"_s,
        u"加压气体"_s,
        u"易燃液体"_s,
        u"易燃固体"_s,
        u"自反应物质或混合物"_s,
        u"自燃液体"_s,
        u"自燃固体"_s,
        u"自热物质和混合物"_s,
        u"遇水放出易燃气体的物质和混合物"_s,
        u"氧化性液体"_s,
        u"氧化性固体"_s,
        u"有机过氧化物"_s,
        u"急性毒性"_s,
        u"急性毒性-经口"_s,
        u"急性毒性-吸入"_s,
        u"急性毒性-经皮"_s,
        u"皮肤腐蚀/刺激"_s,
        u"严重眼损伤/眼刺激"_s,
        u"呼吸或皮肤过敏"_s,
        u"生殖细胞突变性"_s,
        u"致癌性"_s,
        u"生殖毒性"_s,
        u"特异性靶器官系统毒性-一次接触"_s,
        u"特异性靶器官系统毒性-反复接触"_s,
        u"呼吸道刺激"_s,
        u"吸入危险"_s,
        u"危害水生环境-急性危害"_s,
        u"危害水生环境-长期危害"_s,
    };
    return items;
}
