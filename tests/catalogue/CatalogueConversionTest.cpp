#include "catalogue/CatalogueConversion.h"

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

} // namespace
