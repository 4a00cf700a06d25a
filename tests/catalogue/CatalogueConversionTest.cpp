#include "catalogue/CatalogueConversion.h"
#include "catalogue/CatalogueText.h"
#include "catalogue/SpecialLists.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(CasNumber, CheckDigitIsVerified)
{
    for (const QString& good : {u"7664-41-7"_qs, u"71-43-2"_qs, u"68334-30-5"_qs, u"125541-22-2"_qs, u"7732-18-5"_qs})
        EXPECT_TRUE(CasNumberValid(good)) << good.toStdString();
    for (const QString& bad : {u"7664-41-8"_qs, u"71-43-"_qs, u"7664417"_qs, u"1-43-2"_qs, u""_qs, u"７６６４-41-7"_qs})
        EXPECT_FALSE(CasNumberValid(bad)) << bad.toStdString();
}

TEST(HazardCategoryText, OnlyCategoryStringsAreKeptCleanedAndOnce)
{
    const QStringList cell = {
        u"易燃液体，类别1"_qs,          u"（2）闪点＜23℃和初沸点＞35℃："_qs,
        u"苯酚溶液"_qs,                 u"phenol solution"_qs,
        u"急性毒性-经口,类别3*"_qs,     u"特异性靶器官毒性-一次接触,类别3(呼吸道刺激)"_qs,
        u"严重眼损伤/眼刺激性,类别2"_qs, u"生殖毒性,类别３"_qs,
        u"剧毒"_qs,                     u"2828"_qs,
        u"易燃液体,类别1"_qs,           u"加压气体"_qs,
        u"PAGE   \\* MERGEFORMAT 1"_qs, u"爆炸物,1.1项"_qs,
        u"有机过氧化物,F型"_qs,
        u"（3）分类信息表中标记“*”的类别，例如“急性毒性-经口,类别3*”"_qs,
    };
    EXPECT_EQ(HazardCategories(cell),
              (QStringList{u"易燃液体,类别1"_qs, u"急性毒性-经口,类别3*"_qs,
                           u"特异性靶器官毒性-一次接触,类别3（呼吸道刺激）"_qs,
                           u"严重眼损伤/眼刺激,类别2"_qs, u"生殖毒性,类别3"_qs, u"加压气体"_qs,
                           u"爆炸物,1.1项"_qs, u"有机过氧化物,F型"_qs}));
    EXPECT_FALSE(IsHazardCategory(u"易燃液体"_qs + u"，类别1"_qs));
    EXPECT_FALSE(IsHazardCategory(u"急性毒性,类别3"_qs));
    EXPECT_TRUE(IsHazardCategory(u"特异性靶器官毒性-一次接触,类别3（呼吸道刺激、麻醉效应）"_qs));
}

TEST(BatchItemNames, EveryNamedProductIsLookedUp)
{
    EXPECT_EQ(BatchProductNames(u"氨"_qs), QStringList{u"氨"_qs});
    EXPECT_EQ(BatchProductNames(u"甲烷、天然气"_qs), (QStringList{u"甲烷"_qs, u"天然气"_qs}));
    EXPECT_EQ(BatchProductNames(u"苯(含粗苯)"_qs), (QStringList{u"粗苯"_qs, u"苯"_qs}));
    EXPECT_EQ(BatchProductNames(u"汽油(含甲醇汽油、乙醇汽油)、石脑油"_qs),
              (QStringList{u"甲醇汽油"_qs, u"乙醇汽油"_qs, u"汽油"_qs, u"石脑油"_qs}));
    EXPECT_EQ(MatchingName(u"1，2-乙二胺（无水） "_qs), u"1,2-乙二胺(无水)"_qs);
}

TEST(DrugPrecursorNames, AlternativesAndMarksAreSeparated)
{
    EXPECT_EQ(DrugPrecursorNames(u"麦角酸*"_qs), QStringList{u"麦角酸"_qs});
    EXPECT_EQ(DrugPrecursorNames(u"麻黄素、伪麻黄素、麻黄浸膏粉等麻黄素类物质*"_qs),
              (QStringList{u"麻黄素"_qs, u"伪麻黄素"_qs, u"麻黄浸膏粉"_qs}));
    EXPECT_EQ(DrugPrecursorNames(u"3，4-亚甲基二氧苯基-2-丙酮"_qs), QStringList{u"3,4-亚甲基二氧苯基-2-丙酮"_qs});
}

// A catalogue of four entries that shows each rule of the conversion once.
CatalogueSources SmallSources()
{
    CatalogueSources s;
    s.Catalogue = {
        {1, u"氨"_qs, {u"液氨"_qs, u"氨气"_qs}, {u"7664-41-7"_qs}, false},
        {2, u"硅酸铅"_qs, {}, {u"10099-76-0"_qs, u"11120-22-2"_qs}, true},
        {3, u"乙脂"_qs, {}, {}, false},
        {4, u"天然气[富含甲烷的]"_qs, {u"沼气"_qs}, {u"8006-14-2"_qs}, false},
    };
    s.Classification = {
        {1, u"氨"_qs, {u"7664-41-7"_qs}, {u"易燃气体,类别2"_qs, u"加压气体"_qs}},
        {2, u"硅酸铅"_qs, {u"11120-22-2"_qs}, {u"剧毒"_qs, u"生殖毒性,类别1A"_qs}},
        {3, u"乙酯"_qs, {u"7732-18-5"_qs, u"1-1-1"_qs}, {}},
        {4, u"天然气[富含甲烷的]"_qs, {u"8006-14-2"_qs}, {u"易燃气体,类别1"_qs}},
    };
    s.Explosives = {
        {u"1.1"_qs, u"硅酸铅"_qs, {}, u"11120-22-2"_qs, u"氧化性固体，类别2"_qs},
        {u"9.7"_qs, u"2，2-双（羟甲基）1，3-丙二醇"_qs, {u"季戊四醇"_qs}, u"115-77-5"_qs, u"易燃固体，类别1"_qs},
    };
    s.FirstBatch = {{1, u"氨"_qs, u"7664-41-7"_qs}, {5, u"甲烷、天然气"_qs, u"74-82-8"_qs}};
    return s;
}

CatalogueSources WithDrugPrecursors()
{
    CatalogueSources s = SmallSources();
    s.Catalogue.append({5, u"2-丁酮"_qs, {u"丁酮"_qs, u"乙基甲基酮"_qs}, {u"78-93-3"_qs}, false});
    s.Catalogue.append({6, u"乙酸酐"_qs, {u"醋酸酐"_qs}, {u"108-24-7"_qs}, false});
    s.Catalogue.append({7, u"甲苯"_qs, {}, {u"108-88-3"_qs}, false});
    s.Catalogue.append({8, u"甲苯[混合物]"_qs, {u"甲苯"_qs}, {}, false});
    for (const CatalogueEntry& e : s.Catalogue.mid(4))
        s.Classification.append({e.Number, e.Name, e.CasNumbers, {}});
    s.DrugPrecursors = {
        {3, u"3"_qs, u"甲基乙基酮"_qs, {}},
        {2, u"2"_qs, u"醋酸酐"_qs, {}},
        {3, u"1"_qs, u"甲苯"_qs, {}},  // carried by two entries: marks none
        {1, u"9"_qs, u"麦角酸*"_qs, {}},
        {1, {}, u"hydroxylimine"_qs, {}},
        {0, {}, u"4-ANPP"_qs, {}},
    };
    return s;
}

TEST(CatalogueConversion, RowsFollowTheRulesForEachKindOfEntry)
{
    const ConvertedCatalogue converted = ConvertCatalogue(SmallSources());
    const RowsTable& t = converted.Chemicals;
    ASSERT_EQ(t.Columns, (QStringList{u"id"_qs, u"index_id"_qs, u"name1"_qs, u"name2"_qs, u"name_eng"_qs,
                                      u"cas"_qs, u"dangtypes"_qs, u"Iadmin_no"_qs, u"specialadmin"_qs,
                                      u"remarks"_qs, u"drugchem"_qs, u"exploidchem"_qs}));
    auto row = [](std::initializer_list<RowValue> values) { return QList<RowValue>(values); };
    const QList<QList<RowValue>> expected = {
        row({u"1"_qs, u"1"_qs, u"氨"_qs, u"液氨；氨气"_qs, u""_qs, u"7664-41-7"_qs,
             u"易燃气体,类别2；加压气体"_qs, u"1"_qs, u"首批重点监管"_qs, u""_qs, u"0"_qs, u"0"_qs}),
        row({u"2"_qs, u"2"_qs, u"硅酸铅"_qs, u""_qs, u""_qs, u"10099-76-0"_qs, u"生殖毒性,类别1A"_qs,
             u"0"_qs, u"易制爆"_qs, u"剧毒"_qs, u"0"_qs, u"1"_qs}),
        row({u"3"_qs, u"2"_qs, u"硅酸铅"_qs, u""_qs, u""_qs, u"11120-22-2"_qs, u"生殖毒性,类别1A"_qs,
             u"0"_qs, u"易制爆"_qs, u"剧毒"_qs, u"0"_qs, u"1"_qs}),
        row({u"4"_qs, u"3"_qs, u"乙酯"_qs, u""_qs, u""_qs, u"7732-18-5"_qs, u""_qs, u"0"_qs, u""_qs,
             u""_qs, u"0"_qs, u"0"_qs}),
        row({u"5"_qs, u"4"_qs, u"天然气[富含甲烷的]"_qs, u"沼气"_qs, u""_qs, u"8006-14-2"_qs,
             u"易燃气体,类别1"_qs, u"1"_qs, u"首批重点监管"_qs, u""_qs, u"0"_qs, u"0"_qs}),
        row({u"6"_qs, std::nullopt, u"2,2-双(羟甲基)1,3-丙二醇"_qs, u"季戊四醇"_qs, u""_qs, u"115-77-5"_qs,
             u"易燃固体,类别1"_qs, u"0"_qs, u"易制爆"_qs, u""_qs, u"0"_qs, u"1"_qs}),
    };
    ASSERT_EQ(t.Rows.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(t.Rows.at(i), expected.at(i)) << "row " << i;

    const ConversionReport& report = converted.Report;
    EXPECT_EQ(report.NameDisagreements, QStringList{u"3: 乙脂 -> 乙酯"_qs});
    EXPECT_EQ(report.CasDisagreements,
              (QStringList{u"2 硅酸铅: list 10099-76-0；11120-22-2; table 11120-22-2 -> 10099-76-0；11120-22-2"_qs,
                           u"3 乙酯: list ; table 7732-18-5；1-1-1 -> 7732-18-5"_qs}));
    EXPECT_EQ(report.ExplosivesOutsideCatalogue,
              QStringList{u"9.7 2，2-双（羟甲基）1，3-丙二醇 115-77-5"_qs});
    EXPECT_EQ(report.BatchNamesWithoutEntry, QStringList{u"5 甲烷、天然气: 甲烷"_qs});
    EXPECT_TRUE(report.BatchItemsWithoutEntry.isEmpty());
}

TEST(CatalogueConversion, DrugPrecursorsMarkOnlyUnambiguousEntries)
{
    const ConvertedCatalogue converted = ConvertCatalogue(WithDrugPrecursors());
    const auto& rows = converted.Chemicals.Rows;
    auto drugOf = [&](const QString& indexId) {
        for (const auto& row : rows)
            if (row.at(1) == RowValue(indexId))
                return std::make_pair(*row.at(10), *row.at(8));
        return std::make_pair(QString(), QString());
    };
    EXPECT_EQ(drugOf(u"5"_qs), std::make_pair(u"3"_qs, u"第三类易制毒"_qs));
    EXPECT_EQ(drugOf(u"6"_qs), std::make_pair(u"2"_qs, u"第二类易制毒"_qs));
    EXPECT_EQ(drugOf(u"7"_qs), std::make_pair(u"0"_qs, QString()));
    EXPECT_EQ(drugOf(u"8"_qs), std::make_pair(u"0"_qs, QString()));

    // After the explosive outside the catalogue: the unmatched listed substances.
    ASSERT_EQ(rows.size(), 5 + 4 + 1 + 2);
    EXPECT_EQ(rows.at(10), (QList<RowValue>{u"11"_qs, std::nullopt, u"甲苯"_qs, u""_qs, u""_qs, u""_qs, u""_qs,
                                            u"0"_qs, u"第三类易制毒"_qs, u""_qs, u"3"_qs, u"0"_qs}));
    EXPECT_EQ(rows.at(11), (QList<RowValue>{u"12"_qs, std::nullopt, u"麦角酸"_qs, u""_qs, u""_qs, u""_qs, u""_qs,
                                            u"0"_qs, u"第一类易制毒"_qs, u"药品类易制毒化学品"_qs, u"1"_qs, u"0"_qs}));

    const ConversionReport& report = converted.Report;
    EXPECT_EQ(report.DrugPrecursorMatches,
              (QStringList{u"第三类 甲基乙基酮 -> 5 2-丁酮 (as 乙基甲基酮)"_qs, u"第二类 醋酸酐 -> 6 乙酸酐 (as 醋酸酐)"_qs,
                           u"第三类 甲苯: ambiguous, not marked"_qs}));
    EXPECT_EQ(report.DrugPrecursorsOutsideCatalogue, (QStringList{u"第三类 甲苯"_qs, u"第一类 麦角酸*"_qs}));
    EXPECT_EQ(report.DrugPrecursorsLeftOut, (QStringList{u"第一类 hydroxylimine"_qs, u"no class 4-ANPP"_qs}));
}

} // namespace
