#include "SearchSql.h"

#include "db/SqlLiteral.h"

#include <QRegularExpression>

namespace {

const QString kBaseQuery =
    u" SELECT A.id,index_id, name1,name2, name_eng, A.cas as CAS, dangtypes,  Iadmin_no, "
    u"specialadmin, remarks, A.drugchem, A.exploidchem, B.html_file  FROM hazardous_chemicals A "
    u"Left JOIN  hazardous_chemicals_msds B  ON A.cas = B.cas"_qs;

// Typed text goes between single quotes, its own quotes doubled, so that no
// input can end the literal early.
QString NameCondition(const QString& column, const QString& text, bool exact)
{
    if (exact)
        return u' ' + column + u"  = '"_qs + SqlQuotedText(text) + u'\'';
    return u' ' + column + u"  like '%"_qs + SqlQuotedText(text) + u"%'"_qs;
}

QString BatchCondition(int index)
{
    switch (index) {
    case 1: return u"Iadmin_no > 0 "_qs;
    case 2: return u"Iadmin_no = 1 "_qs;
    case 3: return u"Iadmin_no = 2 "_qs;
    default: return QString();
    }
}

QString PrecursorCondition(int index)
{
    switch (index) {
    case 2: return u" drugchem > 0 "_qs;
    case 3: return u" drugchem = 1 "_qs;
    case 4: return u" drugchem = 2 "_qs;
    case 5: return u" drugchem = 3 "_qs;
    case 7: return u" exploidchem > 0 "_qs;
    default: return QString();
    }
}

bool IsDecimalNumber(const QString& text)
{
    static const QRegularExpression digits(u"^[0-9]+$"_qs);
    return digits.match(text).hasMatch();
}

} // namespace

TSearchStatement BuildSearchSql(const TSearchCriteria& c)
{
    TSearchStatement result;
    QString condition;

    if (!c.NameText.isEmpty())
        condition = NameCondition(u"name1"_qs, c.NameText, c.ExactMatch);
    if (!c.AliasText.isEmpty())
        condition = NameCondition(u"name2"_qs, c.AliasText, c.ExactMatch);
    if (!c.CasText.isEmpty())
        condition = u" A.CAS  = '"_qs + SqlQuotedText(c.CasText) + u'\'';
    if (const QString batch = BatchCondition(c.BatchIndex); !batch.isEmpty())
        condition = batch;
    if (!c.EnglishNameText.isEmpty())
        condition = NameCondition(u"name_eng"_qs, c.EnglishNameText, c.ExactMatch);
    if (c.HazardIndex != 0)
        condition = u" DangTypes like '%"_qs + SqlQuotedText(c.HazardText) + u"%'"_qs;
    if (const QString precursor = PrecursorCondition(c.PrecursorIndex); !precursor.isEmpty())
        condition = precursor;
    if (c.IndexNoText != u"0"_qs) {
        if (IsDecimalNumber(c.IndexNoText))
            condition = u" Index_id = "_qs + c.IndexNoText;
        else
            result.IndexNoRejected = true;
    }

    result.Text = kBaseQuery;
    if (!condition.isEmpty())
        result.Text += u" where "_qs + condition;
    result.Text += u" order by Id "_qs;
    if (c.RowLimit)
        result.Text += u" LIMIT 200 "_qs;
    return result;
}

const QStringList& BatchItems()
{
    static const QStringList items = {u"不限定"_qs, u"重点监管危险化学品"_qs,
                                      u"首批重点监管危险化学品"_qs, u"第二批重点监管危险化学品"_qs};
    return items;
}

const QStringList& PrecursorItems()
{
    static const QStringList items = {
        u"不限定"_qs,           u"----------------"_qs,   u"易制毒化学品"_qs,
        u"第一类易制互化学品"_qs, u"第二类易制毒化学品"_qs, u"第三类易制毒化学品"_qs,
        u"----------------"_qs, u"易制爆化学品"_qs,       QString(),
    };
    return items;
}

const QStringList& HazardItems()
{
    static const QStringList items = {
        u"不限定"_qs,
        u"爆炸物"_qs,
        u"易燃气体"_qs,
        u"易燃气溶胶"_qs,
        u"氧化性气体"_qs,
        u"加压气体"_qs,
        u"易燃液体"_qs,
        u"易燃固体"_qs,
        u"自反应物质或混合物"_qs,
        u"自燃液体"_qs,
        u"自燃固体"_qs,
        u"自热物质和混合物"_qs,
        u"遇水放出易燃气体的物质和混合物"_qs,
        u"氧化性液体"_qs,
        u"氧化性固体"_qs,
        u"有机过氧化物"_qs,
        u"急性毒性"_qs,
        u"急性毒性-经口"_qs,
        u"急性毒性-吸入"_qs,
        u"急性毒性-经皮"_qs,
        u"皮肤腐蚀/刺激"_qs,
        u"严重眼损伤/眼刺激"_qs,
        u"呼吸或皮肤过敏"_qs,
        u"生殖细胞突变性"_qs,
        u"致癌性"_qs,
        u"生殖毒性"_qs,
        u"特异性靶器官系统毒性-一次接触"_qs,
        u"特异性靶器官系统毒性-反复接触"_qs,
        u"呼吸道刺激"_qs,
        u"吸入危险"_qs,
        u"危害水生环境-急性危害"_qs,
        u"危害水生环境-长期危害"_qs,
    };
    return items;
}
