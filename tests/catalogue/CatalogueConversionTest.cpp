#include "catalogue/CatalogueConversion.h"
#include "rules/CatalogueText.h"
#include "catalogue/SpecialLists.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CasNumber, CheckDigitIsVerified)
{
    for (const QString& good : {u"7664-41-7"_s, u"71-43-2"_s, u"68334-30-5"_s, u"125541-22-2"_s, u"7732-18-5"_s})
        EXPECT_TRUE(casNumberValid(good)) << good.toStdString();
    for (const QString& bad : {u"7664-41-8"_s, u"71-43-"_s, u"7664417"_s, u"1-43-2"_s, u""_s, u"７６６４-41-7"_s})
        EXPECT_FALSE(casNumberValid(bad)) << bad.toStdString();
}

TEST(HazardCategoryText, OnlyCategoryStringsAreKeptCleanedAndOnce)
{
    const QStringList cell = {
        u"易燃液体，类别1"_s,          u"（2）闪点＜23℃和初沸点＞35℃："_s,
        u"苯酚溶液"_s,                 u"phenol solution"_s,
        u"急性毒性-经口,类别3*"_s,     u"特异性靶器官毒性-一次接触,类别3(呼吸道刺激)"_s,
        u"严重眼损伤/眼刺激性,类别2"_s, u"生殖毒性,类别３"_s,
        u"剧毒"_s,                     u"2828"_s,
        u"易燃液体,类别1"_s,           u"加压气体"_s,
        u"PAGE   \\* MERGEFORMAT 1"_s, u"爆炸物,1.1项"_s,
        u"有机过氧化物,F型"_s,
        u"（3）分类信息表中标记“*”的类别，例如“急性毒性-经口,类别3*”"_s,
    };
    EXPECT_EQ(hazardCategories(cell),
              (QStringList{u"易燃液体,类别1"_s, u"急性毒性-经口,类别3*"_s,
                           u"特异性靶器官毒性-一次接触,类别3（呼吸道刺激）"_s,
                           u"严重眼损伤/眼刺激,类别2"_s, u"生殖毒性,类别3"_s, u"加压气体"_s,
                           u"爆炸物,1.1项"_s, u"有机过氧化物,F型"_s}));
    EXPECT_FALSE(isHazardCategory(u"易燃液体"_s + u"，类别1"_s));
    EXPECT_FALSE(isHazardCategory(u"急性毒性,类别3"_s));
    EXPECT_TRUE(isHazardCategory(u"特异性靶器官毒性-一次接触,类别3（呼吸道刺激、麻醉效应）"_s));
}

TEST(BatchItemNames, EveryNamedProductIsLookedUp)
{
    EXPECT_EQ(batchProductNames(u"氨"_s), QStringList{u"氨"_s});
    EXPECT_EQ(batchProductNames(u"甲烷、天然气"_s), (QStringList{u"甲烷"_s, u"天然气"_s}));
    EXPECT_EQ(batchProductNames(u"苯(含粗苯)"_s), (QStringList{u"粗苯"_s, u"苯"_s}));
    EXPECT_EQ(batchProductNames(u"汽油(含甲醇汽油、乙醇汽油)、石脑油"_s),
              (QStringList{u"甲醇汽油"_s, u"乙醇汽油"_s, u"汽油"_s, u"石脑油"_s}));
    EXPECT_EQ(matchingName(u"1，2-乙二胺（无水） "_s), u"1,2-乙二胺(无水)"_s);
}

TEST(DrugPrecursorNames, AlternativesAndMarksAreSeparated)
{
    EXPECT_EQ(drugPrecursorNames(u"麦角酸*"_s), QStringList{u"麦角酸"_s});
    EXPECT_EQ(drugPrecursorNames(u"麻黄素、伪麻黄素、麻黄浸膏粉等麻黄素类物质*"_s),
              (QStringList{u"麻黄素"_s, u"伪麻黄素"_s, u"麻黄浸膏粉"_s}));
    EXPECT_EQ(drugPrecursorNames(u"3，4-亚甲基二氧苯基-2-丙酮"_s), QStringList{u"3,4-亚甲基二氧苯基-2-丙酮"_s});
}

// A catalogue of four entries that shows each rule of the conversion once.
CatalogueSources smallSources()
{
    CatalogueSources s;
    s.catalogue = {
        {1, u"氨"_s, {u"液氨"_s, u"氨气"_s}, {u"7664-41-7"_s}, false},
        {2, u"硅酸铅"_s, {}, {u"10099-76-0"_s, u"11120-22-2"_s}, true},
        {3, u"乙脂"_s, {}, {}, false},
        {4, u"天然气[富含甲烷的]"_s, {u"沼气"_s}, {u"8006-14-2"_s}, false},
    };
    s.classification = {
        {1, u"氨"_s, {u"7664-41-7"_s}, {u"易燃气体,类别2"_s, u"加压气体"_s}},
        {2, u"硅酸铅"_s, {u"11120-22-2"_s}, {u"剧毒"_s, u"生殖毒性,类别1A"_s}},
        {3, u"乙酯"_s, {u"7732-18-5"_s, u"1-1-1"_s}, {}},
        {4, u"天然气[富含甲烷的]"_s, {u"8006-14-2"_s}, {u"易燃气体,类别1"_s}},
    };
    s.explosives = {
        {u"1.1"_s, u"硅酸铅"_s, {}, u"11120-22-2"_s, u"氧化性固体，类别2"_s},
        {u"9.7"_s, u"2，2-双（羟甲基）1，3-丙二醇"_s, {u"季戊四醇"_s}, u"115-77-5"_s, u"易燃固体，类别1"_s},
    };
    s.firstBatch = {{1, u"氨"_s, u"7664-41-7"_s}, {5, u"甲烷、天然气"_s, u"74-82-8"_s}};
    return s;
}

CatalogueSources withDrugPrecursors()
{
    CatalogueSources s = smallSources();
    s.catalogue.append({5, u"2-丁酮"_s, {u"丁酮"_s, u"乙基甲基酮"_s}, {u"78-93-3"_s}, false});
    s.catalogue.append({6, u"乙酸酐"_s, {u"醋酸酐"_s}, {u"108-24-7"_s}, false});
    s.catalogue.append({7, u"甲苯"_s, {}, {u"108-88-3"_s}, false});
    s.catalogue.append({8, u"甲苯[混合物]"_s, {u"甲苯"_s}, {}, false});
    for (const CatalogueEntry& e : s.catalogue.mid(4))
        s.classification.append({e.number, e.name, e.casNumbers, {}});
    s.drugPrecursors = {
        {3, u"3"_s, u"甲基乙基酮"_s, {}},
        {2, u"2"_s, u"醋酸酐"_s, {}},
        {3, u"1"_s, u"甲苯"_s, {}},  // carried by two entries: marks none
        {1, u"9"_s, u"麦角酸*"_s, {}},
        {1, {}, u"hydroxylimine"_s, {}},
        {0, {}, u"4-ANPP"_s, {}},
    };
    return s;
}

TEST(CatalogueConversion, RowsFollowTheRulesForEachKindOfEntry)
{
    const ConvertedCatalogue converted = convertCatalogue(smallSources());
    const RowsTable& t = converted.chemicals;
    ASSERT_EQ(t.columns, (QStringList{u"id"_s, u"index_id"_s, u"name1"_s, u"name2"_s, u"name_eng"_s,
                                      u"cas"_s, u"dangtypes"_s, u"Iadmin_no"_s, u"specialadmin"_s,
                                      u"remarks"_s, u"drugchem"_s, u"exploidchem"_s}));
    auto row = [](std::initializer_list<RowValue> values) { return QList<RowValue>(values); };
    const QList<QList<RowValue>> expected = {
        row({u"1"_s, u"1"_s, u"氨"_s, u"液氨；氨气"_s, u""_s, u"7664-41-7"_s,
             u"易燃气体,类别2；加压气体"_s, u"1"_s, u"首批重点监管"_s, u""_s, u"0"_s, u"0"_s}),
        row({u"2"_s, u"2"_s, u"硅酸铅"_s, u""_s, u""_s, u"10099-76-0"_s, u"生殖毒性,类别1A"_s,
             u"0"_s, u"易制爆"_s, u"剧毒"_s, u"0"_s, u"1"_s}),
        row({u"3"_s, u"2"_s, u"硅酸铅"_s, u""_s, u""_s, u"11120-22-2"_s, u"生殖毒性,类别1A"_s,
             u"0"_s, u"易制爆"_s, u"剧毒"_s, u"0"_s, u"1"_s}),
        row({u"4"_s, u"3"_s, u"乙酯"_s, u""_s, u""_s, u"7732-18-5"_s, u""_s, u"0"_s, u""_s,
             u""_s, u"0"_s, u"0"_s}),
        row({u"5"_s, u"4"_s, u"天然气[富含甲烷的]"_s, u"沼气"_s, u""_s, u"8006-14-2"_s,
             u"易燃气体,类别1"_s, u"1"_s, u"首批重点监管"_s, u""_s, u"0"_s, u"0"_s}),
        row({u"6"_s, std::nullopt, u"2,2-双(羟甲基)1,3-丙二醇"_s, u"季戊四醇"_s, u""_s, u"115-77-5"_s,
             u"易燃固体,类别1"_s, u"0"_s, u"易制爆"_s, u""_s, u"0"_s, u"1"_s}),
    };
    ASSERT_EQ(t.rows.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(t.rows.at(i), expected.at(i)) << "row " << i;

    const ConversionReport& report = converted.report;
    EXPECT_EQ(report.nameDisagreements, QStringList{u"3: 乙脂 -> 乙酯"_s});
    EXPECT_EQ(report.casDisagreements,
              (QStringList{u"2 硅酸铅: list 10099-76-0；11120-22-2; table 11120-22-2 -> 10099-76-0；11120-22-2"_s,
                           u"3 乙酯: list ; table 7732-18-5；1-1-1 -> 7732-18-5"_s}));
    EXPECT_EQ(report.explosivesOutsideCatalogue,
              QStringList{u"9.7 2，2-双（羟甲基）1，3-丙二醇 115-77-5"_s});
    EXPECT_EQ(report.batchNamesWithoutEntry, QStringList{u"5 甲烷、天然气: 甲烷"_s});
    EXPECT_TRUE(report.batchItemsWithoutEntry.isEmpty());
}

// The shipped lists have no entry on both batches; one that were would carry
// the first batch's number and both labels.
TEST(CatalogueConversion, AnEntryOnBothKeySupervisionListsTakesTheFirstBatch)
{
    CatalogueSources sources = smallSources();
    sources.secondBatch = {{3, u"氨"_s, u"7664-41-7"_s, 1}};
    const RowsTable t = convertCatalogue(sources).chemicals;
    const QList<RowValue>& ammonia = t.rows.at(0);
    EXPECT_EQ(ammonia.at(t.columns.indexOf(u"name1"_s)), RowValue(u"氨"_s));
    EXPECT_EQ(ammonia.at(t.columns.indexOf(u"Iadmin_no"_s)), RowValue(u"1"_s));
    EXPECT_EQ(ammonia.at(t.columns.indexOf(u"specialadmin"_s)), RowValue(u"首批重点监管；第二批重点监管"_s));
}

// A specially controlled item marks its entry where the entry carries its
// CAS number; the mark comes last in the special-lists column.
TEST(CatalogueConversion, SpeciallyControlledEntriesAreMarkedByNumberAndCas)
{
    CatalogueSources sources = smallSources();
    sources.specialControl = {{6, u"有毒化学品"_s, u"氨"_s, u"7664-41-7"_s, 1, QString()},
                              {7, u"爆炸性化学品"_s, u"硅酸铅"_s, u"7664-41-7"_s, 2, QString()}};
    const ConvertedCatalogue converted = convertCatalogue(sources);
    const RowsTable& t = converted.chemicals;
    const qsizetype special = t.columns.indexOf(u"specialadmin"_s);
    EXPECT_EQ(t.rows.at(0).at(special), RowValue(u"首批重点监管；特别管控"_s));
    EXPECT_EQ(t.rows.at(1).at(special), RowValue(u"易制爆"_s));
    ASSERT_EQ(converted.specialControl.rows.size(), 1);
    EXPECT_EQ(converted.specialControl.rows.at(0),
              (QList<RowValue>{u"6"_s, u"1"_s, u"有毒化学品"_s, u"氨"_s, u"7664-41-7"_s, u""_s}));
    EXPECT_EQ(converted.report.specialControlMatches,
              (QStringList{u"6 氨 7664-41-7 -> 1 氨"_s,
                           u"7 硅酸铅 7664-41-7: entry 2 does not carry that CAS number, not marked"_s}));
}

TEST(SpecialControlScope, TheNotesChineseWordsElseTheNamesBrackets)
{
    EXPECT_EQ(specialControlScope({1, {}, u"硝酸铵"_s, {}, 2286, u"scope: （钝化）改性硝酸铵除外 / excludes modified AN"_s}),
              u"（钝化）改性硝酸铵除外"_s);
    EXPECT_EQ(specialControlScope({16, {}, u"汽油（包括甲醇汽油、乙醇汽油）"_s, {}, 1630, u"scope: includes methanol gasoline"_s}),
              u"包括甲醇汽油、乙醇汽油"_s);
    EXPECT_EQ(specialControlScope({3, {}, u"氯酸钾"_s, {}, 1533, QString()}), QString());
}

TEST(CatalogueConversion, DrugPrecursorsMarkOnlyUnambiguousEntries)
{
    const ConvertedCatalogue converted = convertCatalogue(withDrugPrecursors());
    const auto& rows = converted.chemicals.rows;
    auto drugOf = [&](const QString& indexId) {
        for (const auto& row : rows)
            if (row.at(1) == RowValue(indexId))
                return std::make_pair(*row.at(10), *row.at(8));
        return std::make_pair(QString(), QString());
    };
    EXPECT_EQ(drugOf(u"5"_s), std::make_pair(u"3"_s, u"第三类易制毒"_s));
    EXPECT_EQ(drugOf(u"6"_s), std::make_pair(u"2"_s, u"第二类易制毒"_s));
    EXPECT_EQ(drugOf(u"7"_s), std::make_pair(u"0"_s, QString()));
    EXPECT_EQ(drugOf(u"8"_s), std::make_pair(u"0"_s, QString()));

    // After the explosive outside the catalogue: the unmatched listed substances.
    ASSERT_EQ(rows.size(), 5 + 4 + 1 + 2);
    EXPECT_EQ(rows.at(10), (QList<RowValue>{u"11"_s, std::nullopt, u"甲苯"_s, u""_s, u""_s, u""_s, u""_s,
                                            u"0"_s, u"第三类易制毒"_s, u""_s, u"3"_s, u"0"_s}));
    EXPECT_EQ(rows.at(11), (QList<RowValue>{u"12"_s, std::nullopt, u"麦角酸"_s, u""_s, u""_s, u""_s, u""_s,
                                            u"0"_s, u"第一类易制毒"_s, u"药品类易制毒化学品"_s, u"1"_s, u"0"_s}));

    const ConversionReport& report = converted.report;
    EXPECT_EQ(report.drugPrecursorMatches,
              (QStringList{u"第三类 甲基乙基酮 -> 5 2-丁酮 (as 乙基甲基酮)"_s, u"第二类 醋酸酐 -> 6 乙酸酐 (as 醋酸酐)"_s,
                           u"第三类 甲苯: ambiguous, not marked"_s}));
    EXPECT_EQ(report.drugPrecursorsOutsideCatalogue, (QStringList{u"第三类 甲苯"_s, u"第一类 麦角酸*"_s}));
    EXPECT_EQ(report.drugPrecursorsLeftOut, (QStringList{u"第一类 hydroxylimine"_s, u"no class 4-ANPP"_s}));
}

} // namespace
