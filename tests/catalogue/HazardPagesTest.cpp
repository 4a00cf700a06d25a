// The hazard pages the build writes: one per CAS number of the catalogue,
// indexed, self-contained, with the label elements the GHS rules give.
#include "rules/CatalogueRow.h"
#include "catalogue/GhsLabels.h"
#include "rules/MajorHazard.h"
#include "rules/RowsFile.h"

#include "support/QtPrint.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kRows = QStringLiteral(VORLAK_CATALOGUE_ROWS);
const QString kPages = QStringLiteral(VORLAK_MSDS_DIR);

GhsLabelTable shippedLabels()
{
    return GhsLabelTable::read(QStringLiteral(VORLAK_GHS_LABELS));
}

TEST(HazardPages, EveryCatalogueCasHasOnePageAndOneIndexRow)
{
    QSet<QString> catalogued;
    for (const CatalogueRow& e : catalogueRows(readRowsFile(kRows + u"/hazardous_chemicals.tsv"_s)))
        if (!e.cas.isEmpty())
            catalogued.insert(e.cas);
    const RowsTable index = readRowsFile(kRows + u"/hazardous_chemicals_msds.tsv"_s);
    QSet<QString> indexed;
    for (const QList<RowValue>& row : index.rows) {
        EXPECT_FALSE(indexed.contains(*row.at(0))) << row.at(0)->toStdString();
        indexed.insert(*row.at(0));
        EXPECT_EQ(*row.at(1), *row.at(0));  // the page is named after its CAS number
    }
    QSet<QString> pages;
    for (const QString& page : QDir(kPages).entryList({u"*.html"_s}, QDir::Files))
        pages.insert(page.chopped(5));
    EXPECT_EQ(catalogued.size(), 2714);
    EXPECT_EQ(indexed, catalogued);
    EXPECT_EQ(pages, catalogued);
}

TEST(HazardPages, EveryCategoryOfTheCatalogueHasALabelRow)
{
    const GhsLabelTable labels = shippedLabels();
    EXPECT_FALSE(labels.edition().isEmpty());
    QSet<QString> categories;
    for (const CatalogueRow& e : catalogueRows(readRowsFile(kRows + u"/hazardous_chemicals.tsv"_s)))
        for (const QString& category : e.hazardList())
            categories.insert(category);
    EXPECT_EQ(categories.size(), 101);
    for (const QString& category : categories)
        EXPECT_NE(labels.find(category), nullptr) << category.toStdString();
}

// The GHS rules of precedence, one case each.
TEST(HazardPages, LabelElementsFollowTheRulesOfPrecedence)
{
    const GhsLabelTable labels = shippedLabels();
    const struct {
        const char* rule;
        QStringList categories;
        bool refrigerated;
        QStringList pictograms;
        QString signalWord;
        QStringList codes;
    } cases[] = {
        {"the skull removes the exclamation mark", {u"急性毒性-经口,类别3*"_s, u"皮肤腐蚀/刺激,类别2"_s}, false,
         {u"GHS06"_s}, u"危险"_s, {u"H301"_s, u"H315"_s}},
        {"corrosion removes it for irritation", {u"皮肤腐蚀/刺激,类别1B"_s, u"严重眼损伤/眼刺激,类别2A"_s}, false,
         {u"GHS05"_s}, u"危险"_s, {u"H314"_s, u"H319"_s}},
        {"but not for respiratory irritation",
         {u"皮肤腐蚀/刺激,类别1"_s, u"特异性靶器官毒性-一次接触,类别3（呼吸道刺激、麻醉效应）"_s}, false,
         {u"GHS05"_s, u"GHS07"_s}, u"危险"_s, {u"H314"_s, u"H335"_s, u"H336"_s}},
        {"respiratory sensitisation removes it for skin sensitisation and irritation",
         {u"皮肤致敏物,类别1"_s, u"呼吸道致敏物,类别1"_s, u"皮肤腐蚀/刺激,类别2"_s}, false, {u"GHS08"_s}, u"危险"_s,
         {u"H315"_s, u"H317"_s, u"H334"_s}},
        {"a skin sensitiser alone keeps the exclamation mark", {u"皮肤致敏物,类别1"_s}, false, {u"GHS07"_s}, u"警告"_s,
         {u"H317"_s}},
        {"a respiratory sensitiser removes it for skin irritation", {u"呼吸道致敏物,类别1"_s, u"皮肤腐蚀/刺激,类别2"_s},
         false, {u"GHS08"_s}, u"危险"_s, {u"H315"_s, u"H334"_s}},
        {"danger wins over warning", {u"易燃液体,类别3"_s, u"致癌性,类别1A"_s}, false, {u"GHS02"_s, u"GHS08"_s},
         u"危险"_s, {u"H226"_s, u"H350"_s}},
        {"a statement once", {u"急性毒性-经口,类别1"_s, u"急性毒性-经口,类别2*"_s, u"易燃固体,类别2"_s}, false,
         {u"GHS02"_s, u"GHS06"_s}, u"危险"_s, {u"H228"_s, u"H300"_s}},
        {"gas under pressure", {u"加压气体"_s}, false, {u"GHS04"_s}, u"警告"_s, {u"H280"_s}},
        {"refrigerated liquefied gas", {u"加压气体"_s}, true, {u"GHS04"_s}, u"警告"_s, {u"H281"_s}},
        {"no pictogram, no signal word", {u"危害水生环境-长期危害,类别3"_s, u"生殖毒性,附加类别"_s}, false, {}, QString(),
         {u"H362"_s, u"H412"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const LabelElements label = combineLabels(labels, c.categories, c.refrigerated);
        QStringList codes;
        for (const HazardStatement& statement : label.statements)
            codes << statement.code;
        EXPECT_EQ(label.pictograms, c.pictograms);
        EXPECT_EQ(label.signalWord, c.signalWord);
        EXPECT_EQ(codes, c.codes);
        EXPECT_TRUE(label.unlabelled.isEmpty());
    }
    EXPECT_EQ(combineLabels(labels, {u"易燃液体,类别9"_s}, false).unlabelled, QStringList{u"易燃液体,类别9"_s});
}

// What a user checks first, on the pages of methanol and ammonia.
TEST(HazardPages, PagesCarryTheStatusCategoriesAndLabelElements)
{
    const struct {
        QString cas;
        QStringList present;
        QStringList absent;
    } pages[] = {
        {u"67-56-1"_s,
         {u"<h1>甲醇</h1>"_s, u"危化目录序号 1022"_s, u"木醇；木精"_s, u"Methanol"_s, u"<th>重点监管危险化学品</th><td>首批</td>"_s,
          u"<th>剧毒化学品</th><td>否</td>"_s, u"<li>急性毒性-经口,类别3*</li>"_s, u"GHS02 火焰"_s, u"GHS06 骷髅和交叉骨"_s,
          u"GHS08 健康危害"_s, u"信号词：<strong>危险</strong>"_s,
          u"<span class=\"code\">H225</span>高度易燃液体和蒸气"_s, u"<span class=\"code\">H301</span>吞咽会中毒"_s,
          u"<span class=\"code\">H311</span>皮肤接触会中毒"_s, u"<span class=\"code\">H331</span>吸入会中毒"_s,
          u"<span class=\"code\">H370</span>对器官造成损害"_s},
         {u"GHS07"_s, u"警告"_s}},
        {u"7664-41-7"_s,
         {u"<h1>氨</h1>"_s, u"液氨；氨气"_s, u"GHS04 气瓶"_s, u"GHS05 腐蚀"_s, u"GHS06 骷髅和交叉骨"_s, u"GHS09 环境"_s,
          u"信号词：<strong>危险</strong>"_s, u"<span class=\"code\">H221</span>易燃气体"_s,
          u"<span class=\"code\">H280</span>内装加压气体；遇热可能爆炸"_s,
          u"<span class=\"code\">H314</span>造成严重皮肤灼伤和眼损伤"_s, u"<span class=\"code\">H318</span>造成严重眼损伤"_s,
          u"<span class=\"code\">H331</span>吸入会中毒"_s, u"<span class=\"code\">H400</span>对水生生物毒性极大"_s},
         {u"GHS02"_s, u"GHS07"_s, u"H281"_s}},
    };
    // Every row of the regulatory status, as the two pages have it.
    const auto status = [](const QString& highlyToxic, const QString& explosive, const QString& drug,
                           const QString& keySupervision, const QString& special) {
        return u"<h3>监管要求</h3>\n<table class=\"status\">\n<tr><th>剧毒化学品</th><td>"_s + highlyToxic
               + u"</td></tr>\n<tr><th>易制爆危险化学品</th><td>"_s + explosive
               + u"</td></tr>\n<tr><th>易制毒化学品</th><td>"_s + drug
               + u"</td></tr>\n<tr><th>重点监管危险化学品</th><td>"_s + keySupervision
               + u"</td></tr>\n<tr><th>特别管控危险化学品</th><td>"_s + special + u"</td></tr>\n</table>\n"_s;
    };
    EXPECT_TRUE(readTextFile(kPages + u"/67-56-1.html"_s)
                    .contains(status(u"否"_s, u"否"_s, u"否"_s, u"首批"_s, u"是（易燃液体）"_s)));
    EXPECT_TRUE(readTextFile(kPages + u"/108-24-7.html"_s)
                    .contains(status(u"否"_s, u"否"_s, u"第二类"_s, u"否"_s, u"否"_s)));
    // The list's scope notes stand on the pages of the entries they concern.
    EXPECT_TRUE(readTextFile(kPages + u"/6484-52-2.html"_s)
                    .contains(u"</table>\n<p class=\"scope\">特别管控的范围：（钝化）改性硝酸铵除外</p>\n"_s));
    EXPECT_TRUE(readTextFile(kPages + u"/86290-81-5.html"_s)
                    .contains(u"<p class=\"scope\">特别管控的范围：包括甲醇汽油、乙醇汽油</p>"_s));
    EXPECT_FALSE(readTextFile(kPages + u"/67-56-1.html"_s).contains(u"class=\"scope\""_s));
    for (const auto& page : pages) {
        SCOPED_TRACE(page.cas.toStdString());
        const QString html = readTextFile(kPages + u'/' + page.cas + u".html"_s);
        EXPECT_TRUE(html.startsWith(u"<!DOCTYPE html>\n<html lang=\"zh-CN\">"_s));
        EXPECT_TRUE(html.contains(u"GB 30000"_s) && html.contains(u"不能代替供应商提供的安全技术说明书"_s)
                    && html.contains(u"生成日期："_s));
        for (const QString& text : page.present)
            EXPECT_TRUE(html.contains(text)) << text.toStdString();
        for (const QString& text : page.absent)
            EXPECT_FALSE(html.contains(text)) << text.toStdString();
    }
}

TEST(HazardPages, NoPageReferencesAnythingOutsideItself)
{
    static const QRegularExpression outside(
        u"<(script|link|img|iframe|object|embed|base)\\b|\\b(href|src|srcset|action|xmlns)\\s*=|url\\(|@import|https?:"_s,
        QRegularExpression::CaseInsensitiveOption);
    int pages = 0;
    for (const QString& name : QDir(kPages).entryList({u"*.html"_s}, QDir::Files)) {
        const QString html = readTextFile(kPages + u'/' + name);
        const QRegularExpressionMatch reference = outside.match(html);
        EXPECT_FALSE(reference.hasMatch()) << name.toStdString() << ": " << reference.captured().toStdString();
        ++pages;
    }
    EXPECT_GT(pages, 0);
}

// Which rows of GB 18218-2018 apply: 表1 where it names the entry, else the
// 表2 rows its categories fall under, by the rules file, each once.
TEST(MajorHazard, CategoriesFallUnderTheirTable2RowsAndTable1WinsWhereItNamesTheEntry)
{
    const QList<MajorHazardRule> rules = readMajorHazardRules(QStringLiteral(VORLAK_MAJOR_HAZARD_RULES));
    const QString rows = QStringLiteral(VORLAK_CATALOGUE_ROWS);
    const RowsTable named = readRowsFile(rows + u"/major_hazard_named.tsv"_s);
    const RowsTable categories = readRowsFile(rows + u"/major_hazard_categories.tsv"_s);
    const auto codes = [&](const QString& indexId, const QStringList& hazards) {
        CatalogueRow e;
        e.indexId = indexId;
        e.hazards = hazards.join(u"；"_s);
        QStringList out;
        for (const MajorHazardThreshold& t : majorHazardThresholds(e, named, categories, rules))
            out << t.basis + u' ' + t.tonnes + (t.condition.isEmpty() ? QString() : u" if"_s);
        return out.join(u", "_s);
    };
    const struct {
        QStringList hazards;
        QString expected;
    } cases[] = {
        {{u"急性毒性-经口,类别1"_s}, u"表2 J1 5 if, 表2 J2 50 if"_s},
        {{u"急性毒性-吸入,类别2*"_s, u"急性毒性-经口,类别2*"_s}, u"表2 J3 50 if, 表2 J4 50 if, 表2 J5 500 if"_s},
        {{u"急性毒性-经口,类别3*"_s}, u"表2 J3 50 if"_s},
        {{u"爆炸物,不稳定爆炸物"_s}, u"表2 W1.1 1"_s},
        {{u"爆炸物,1.1项"_s, u"氧化性固体,类别3"_s}, u"表2 W1.1 1, 表2 W9.2 200"_s},
        {{u"爆炸物,1.3项"_s}, u"表2 W1.2 10"_s},
        {{u"爆炸物,1.4项"_s}, u"表2 W1.3 50"_s},
        {{u"易燃气体,类别1"_s, u"加压气体"_s}, u"表2 W2 10"_s},
        {{u"氧化性气体,类别1"_s}, u"表2 W4 50"_s},
        {{u"易燃液体,类别1"_s}, u"表2 W5.1 10"_s},
        {{u"易燃液体,类别2"_s}, u"表2 W5.1 10 if, 表2 W5.2 50 if, 表2 W5.3 1000 if"_s},
        {{u"易燃液体,类别3"_s}, u"表2 W5.1 10 if, 表2 W5.2 50 if, 表2 W5.4 5000 if"_s},
        {{u"自反应物质和混合物,B型"_s}, u"表2 W6.1 10"_s},
        {{u"自反应物质和混合物,D型"_s}, u"表2 W6.2 50"_s},
        {{u"有机过氧化物,F型"_s}, u"表2 W7.2 50"_s},
        {{u"自燃固体,类别1"_s}, u"表2 W8 50"_s},
        {{u"氧化性液体,类别1"_s}, u"表2 W9.1 50"_s},
        {{u"易燃固体,类别1"_s}, u"表2 W10 200"_s},
        {{u"易燃固体,类别2"_s}, QString()},
        {{u"遇水放出易燃气体的物质和混合物,类别2"_s}, u"表2 W11 200"_s},
        {{u"遇水放出易燃气体的物质和混合物,类别3"_s}, QString()},
        {{u"皮肤腐蚀/刺激,类别1B"_s, u"加压气体"_s}, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codes(QString(), c.hazards), c.expected) << c.hazards.join(u'；').toStdString();
    // 氨 is named in 表1: its categories do not count; 硝酸铵 by its two forms.
    EXPECT_EQ(codes(u"2"_s, {u"易燃气体,类别2"_s, u"急性毒性-吸入,类别3*"_s}), u"表1 第1项 10"_s);
    EXPECT_EQ(codes(u"2286"_s, {u"爆炸物,1.1项"_s}), u"表1 第43项 5, 表1 第44项 50"_s);
}

// The pages name the standard and give the rows that apply, or say none does.
TEST(HazardPages, PagesGiveTheMajorHazardThresholds)
{
    const QString ammonia = readTextFile(kPages + u"/7664-41-7.html"_s);
    EXPECT_TRUE(ammonia.contains(u"<h3>重大危险源临界量（GB 18218-2018）</h3>\n<p>GB 18218-2018表1列名的危险化学品：</p>"_s));
    EXPECT_TRUE(ammonia.contains(u"<tr><td>表1 第1项</td><td>氨</td><td>10</td></tr>"_s));
    const QString nitrate = readTextFile(kPages + u"/6484-52-2.html"_s);
    EXPECT_TRUE(nitrate.contains(u"<tr><td>表1 第44项</td><td>硝酸铵(含可燃物≤0.2%)</td><td>50</td></tr>"_s));
    EXPECT_TRUE(nitrate.contains(u"计算取最小的临界量 5 t。"_s));
    const QString anhydride = readTextFile(kPages + u"/108-24-7.html"_s);
    EXPECT_TRUE(anhydride.contains(u"<p>GB 18218-2018表1未列名，按危险性类别取表2的临界量：</p>"_s));
    EXPECT_TRUE(anhydride.contains(u"<td>5000</td><td>不属于W5.1或W5.2</td></tr>"_s));
    EXPECT_TRUE(anhydride.contains(u"计算取最小的临界量 10 t。"_s));
    EXPECT_TRUE(readTextFile(kPages + u"/8008-60-4.html"_s).contains(u"不计入重大危险源辨识"_s));
}

} // namespace
