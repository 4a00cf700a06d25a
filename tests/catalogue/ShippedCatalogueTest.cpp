// The figures of the catalogue the program ships, which catch conversion
// faults, and the searches a user makes first.
#include "catalogue/CatalogueConversion.h"
#include "rules/CatalogueText.h"
#include "rules/RowsFile.h"

#include "support/Inventory.h"
#include "support/QtPrint.h"
#include "support/QueryProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kRowsFile = QStringLiteral(VORLAK_CATALOGUE_ROWS) + u"/hazardous_chemicals.tsv"_s;

class ShippedCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { table_ = new RowsTable(readRowsFile(kRowsFile)); }
    static void TearDownTestSuite() { delete table_; }

    static QString value(const QList<RowValue>& row, const QString& column)
    {
        return row.at(table_->columns.indexOf(column)).value_or(QString());
    }

    // The catalogue numbers of the rows a test picks.
    template <typename Pick>
    static QSet<QString> entries(Pick pick)
    {
        QSet<QString> entries;
        for (const auto& row : table_->rows)
            if (pick(row))
                entries.insert(value(row, u"index_id"_s));
        return entries;
    }

    static RowsTable* table_;
};

RowsTable* ShippedCatalogue::table_ = nullptr;

TEST_F(ShippedCatalogue, HoldsEveryCatalogueNumberOnceOrOncePerCas)
{
    QSet<int> numbers;
    int previousId = 0;
    int previousNumber = 0;
    for (const auto& row : table_->rows) {
        const int id = value(row, u"id"_s).toInt();
        EXPECT_EQ(id, previousId + 1);
        previousId = id;
        if (!row.at(1))
            continue;  // a listed chemical outside the catalogue
        const int number = value(row, u"index_id"_s).toInt();
        EXPECT_GE(number, previousNumber) << "rows out of catalogue order at id " << id;
        previousNumber = number;
        numbers.insert(number);
    }
    EXPECT_EQ(numbers.size(), 2828);
    EXPECT_EQ(*std::min_element(numbers.begin(), numbers.end()), 1);
    EXPECT_EQ(*std::max_element(numbers.begin(), numbers.end()), 2828);
    // Ten entries list several CAS numbers: 2828 entries, 11 more rows, and
    // 30 listed chemicals outside the catalogue (1 explosive, 29 drug
    // precursors, one of them in a row for each of its five substances).
    EXPECT_EQ(table_->rows.size(), 2873);
}

// The 20 specially controlled chemicals are marked on every row of their entries, and on no other.
TEST_F(ShippedCatalogue, MarksTheSpeciallyControlledEntries)
{
    QSet<QString> marked;
    for (const auto& row : table_->rows)
        if (value(row, u"specialadmin"_s).split(u'；').contains(u"特别管控"_s))
            marked.insert(value(row, u"index_id"_s));
    EXPECT_EQ(marked, (QSet<QString>{u"2286"_s, u"2208"_s, u"1533"_s, u"1535"_s, u"1381"_s, u"2"_s, u"2723"_s,
                                     u"1311"_s, u"1688"_s, u"1686"_s, u"2548"_s, u"2123"_s, u"981"_s, u"1561"_s,
                                     u"479"_s, u"1630"_s, u"979"_s, u"494"_s, u"1022"_s, u"2568"_s}));
    for (const auto& row : table_->rows)
        if (marked.contains(value(row, u"index_id"_s)))
            EXPECT_TRUE(value(row, u"specialadmin"_s).endsWith(u"特别管控"_s)) << value(row, u"name1"_s).toStdString();
}

// GB 18218-2018: 表1's 85 items, 82 of them catalogue entries (甲烷,天然气 two),
// several items of one entry by its forms; 表2's 24 category rows.
TEST_F(ShippedCatalogue, HoldsTheMajorHazardTables)
{
    const QString rows = QStringLiteral(VORLAK_CATALOGUE_ROWS);
    const RowsTable named = readRowsFile(rows + u"/major_hazard_named.tsv"_s);
    QSet<QString> items, mapped;
    QMap<QString, int> itemsOfEntry;
    for (const auto& row : named.rows) {
        items.insert(row.at(0).value());
        if (row.at(1)) {
            mapped.insert(row.at(0).value());
            ++itemsOfEntry[*row.at(1)];
        }
    }
    EXPECT_EQ(items.size(), 85);
    EXPECT_EQ(mapped.size(), 82);
    EXPECT_EQ(named.rows.size(), 86);
    EXPECT_EQ(itemsOfEntry.value(u"2208"_s), 6);  // 硝化纤维素 by form
    EXPECT_EQ(itemsOfEntry.value(u"2286"_s), 2);  // 硝酸铵
    EXPECT_EQ(readRowsFile(rows + u"/major_hazard_categories.tsv"_s).rows.size(), 24);
}

TEST_F(ShippedCatalogue, CasNumbersAndCategoriesAreClean)
{
    for (const auto& row : table_->rows) {
        const QString cas = value(row, u"cas"_s);
        EXPECT_TRUE(cas.isEmpty() || casNumberValid(cas)) << cas.toStdString();
        const QString categories = value(row, u"dangtypes"_s);
        for (const QString& category : categories.split(u"；"_s, Qt::SkipEmptyParts))
            EXPECT_TRUE(isHazardCategory(category)) << value(row, u"index_id"_s).toStdString() << " "
                                                    << category.toStdString();
    }
    // 45 entries without categories in the table, and the rows outside the catalogue.
    EXPECT_EQ(entries([](const auto& row) { return value(row, u"dangtypes"_s).isEmpty(); }).size(), 46);
}

// English names from the inventories, the same on every row of an entry.
TEST_F(ShippedCatalogue, MostEntriesHaveAnEnglishName)
{
    QMap<QString, QString> names;
    for (const auto& row : table_->rows) {
        const QString number = value(row, u"index_id"_s);
        const QString name = value(row, u"name_eng"_s);
        if (number.isEmpty())
            continue;
        if (names.contains(number))
            EXPECT_EQ(names.value(number), name) << number.toStdString();
        names.insert(number, name);
    }
    EXPECT_GE(std::count_if(names.begin(), names.end(), [](const QString& name) { return !name.isEmpty(); }), 2500);
    EXPECT_EQ(names.value(u"1022"_s), u"Methanol"_s);
    EXPECT_EQ(names.value(u"860"_s), u"Sodium perborate"_s);
}

TEST_F(ShippedCatalogue, SpecialListsAreFlagged)
{
    EXPECT_EQ(entries([](const auto& row) { return value(row, u"remarks"_s) == u"剧毒"; }).size(), 148);

    // 74 explosive precursors: 73 catalogue entries and one chemical outside it.
    const QSet<QString> explosive = entries([](const auto& row) { return value(row, u"exploidchem"_s) == u"1"; });
    EXPECT_EQ(explosive.size(), 74);
    EXPECT_TRUE(explosive.contains(QString()));
    for (const auto& row : table_->rows)
        EXPECT_EQ(value(row, u"exploidchem"_s) == u"1",
                  value(row, u"specialadmin"_s).contains(u"易制爆"_s));

    // The 60 first-batch items name 66 entries (苯 and 粗苯, 甲烷 and 天然气, ...).
    const QSet<QString> batch = entries([](const auto& row) { return value(row, u"Iadmin_no"_s) == u"1"; });
    EXPECT_EQ(batch.size(), 66);
    for (const QString& number : {u"2"_s, u"49"_s, u"167"_s, u"1188"_s, u"2123"_s, u"1630"_s, u"1964"_s, u"1967"_s})
        EXPECT_TRUE(batch.contains(number)) << number.toStdString();
    for (const auto& row : table_->rows)
        EXPECT_EQ(value(row, u"Iadmin_no"_s) == u"1",
                  value(row, u"specialadmin"_s).startsWith(u"首批重点监管"_s));

    // The 14 second-batch chemicals, none of them in the first batch.
    const QSet<QString> second = entries([](const auto& row) { return value(row, u"Iadmin_no"_s) == u"2"; });
    EXPECT_EQ(second, (QSet<QString>{u"1535"_s, u"1533"_s, u"891"_s, u"874"_s, u"2208"_s, u"2300"_s, u"799"_s,
                                     u"865"_s, u"635"_s, u"2263"_s, u"1600"_s, u"1595"_s, u"2202"_s, u"2625"_s}));
    for (const auto& row : table_->rows)
        EXPECT_EQ(value(row, u"Iadmin_no"_s) == u"2", value(row, u"specialadmin"_s).startsWith(u"第二批重点监管"_s));
}

TEST_F(ShippedCatalogue, DrugPrecursorsCarryTheirClass)
{
    // Catalogue entries the list names, with the class it gives them.
    const QList<QPair<QString, QString>> marked = {
        {u"2634"_s, u"2"_s}, {u"236"_s, u"3"_s},  {u"1852"_s, u"2"_s}, {u"2625"_s, u"2"_s},
        {u"1601"_s, u"2"_s}, {u"1014"_s, u"3"_s}, {u"137"_s, u"3"_s},  {u"813"_s, u"3"_s},
        {u"1302"_s, u"3"_s}, {u"2507"_s, u"3"_s}, {u"94"_s, u"3"_s},  {u"2361"_s, u"2"_s},  // 溴素, by its CAS
    };
    int markedRows = 0;
    for (const auto& row : table_->rows) {
        const QString number = value(row, u"index_id"_s);
        const QString drug = value(row, u"drugchem"_s);
        QString expected = u"0"_s;
        for (const auto& [entry, category] : marked)
            if (entry == number)
                expected = category;
        if (number.isEmpty())
            continue;
        EXPECT_EQ(drug, expected) << number.toStdString();
        markedRows += drug != u"0";
    }
    EXPECT_EQ(markedRows, 12);

    // 1-苯基-2-丙酮 is not in the 2015 catalogue: a row of its own.
    const auto outside = std::find_if(table_->rows.begin(), table_->rows.end(), [](const auto& row) {
        return value(row, u"name1"_s) == u"1-苯基-2-丙酮";
    });
    ASSERT_NE(outside, table_->rows.end());
    EXPECT_FALSE(outside->at(1).has_value());
    EXPECT_EQ(value(*outside, u"drugchem"_s), u"1"_s);
    EXPECT_EQ(value(*outside, u"specialadmin"_s), u"第一类易制毒"_s);

    for (const auto& row : table_->rows) {
        const int drug = value(row, u"drugchem"_s).toInt();
        EXPECT_EQ(drug > 0, value(row, u"specialadmin"_s).contains(u"易制毒"_s));
    }
}

TEST_F(ShippedCatalogue, ConvertingTheSourcesAgainGivesTheShippedRows)
{
    const QString sources = QStringLiteral(VORLAK_SOURCES_DIR);
    if (!QFileInfo::exists(sources + u"/china.json"_s))
        GTEST_SKIP() << "the source lists are not beside this checkout";
    const ConvertedCatalogue converted = convertCatalogue(readCatalogueSources(sources));
    EXPECT_EQ(converted.chemicals.columns, table_->columns);
    EXPECT_EQ(converted.chemicals.rows, table_->rows);
    const QString rows = QStringLiteral(VORLAK_CATALOGUE_ROWS);
    for (const auto& [file, table] : {std::pair{u"special_controlled_chemicals.tsv"_s, &converted.specialControl},
                                      std::pair{u"major_hazard_named.tsv"_s, &converted.majorHazardNamed},
                                      std::pair{u"major_hazard_categories.tsv"_s, &converted.majorHazardCategories}}) {
        const RowsTable shipped = readRowsFile(rows + u'/' + file);
        EXPECT_EQ(table->columns, shipped.columns) << file.toStdString();
        EXPECT_EQ(table->rows, shipped.rows) << file.toStdString();
    }
    EXPECT_EQ(converted.report.explosivesOutsideCatalogue.size(), 1);
    EXPECT_TRUE(converted.report.batchItemsWithoutEntry.isEmpty());
}

class CatalogueSearch : public ::testing::Test {
protected:
    // The data lines of vorlak-query's answer, without titles and count.
    QStringList search(const QStringList& arguments)
    {
        const ProgramResult result =
            runQueryProgram(arguments, environmentWithOdbcIni(dir_.filePath(u"odbc.ini"_s), {}));
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        const QString footer = lines.takeLast();
        lines.removeFirst();
        EXPECT_EQ(footer, u"共%1条"_s.arg(lines.size()));
        return lines;
    }

    static QSet<QString> numbers(const QStringList& lines)
    {
        QSet<QString> numbers;
        for (const QString& line : lines)
            numbers.insert(line.section(u'\t', 0, 0));
        return numbers;
    }

    QTemporaryDir dir_;
};

TEST_F(CatalogueSearch, FindsTheRowsTheListsSay)
{
    const QStringList ammonia = search({u"--name"_s, u"氨"_s, u"--exact"_s});
    ASSERT_EQ(ammonia.size(), 1);
    EXPECT_EQ(ammonia.first(), u"2\t氨\t液氨；氨气\tAmmonia, anhydrous\t7664-41-7\t易燃气体,类别2；加压气体；急性毒性-吸入,类别3*；"
                               u"皮肤腐蚀/刺激,类别1B；严重眼损伤/眼刺激,类别1；危害水生环境-急性危害,类别1\t"
                               u"首批重点监管；特别管控\t"_s);
    EXPECT_EQ(search({u"--cas"_s, u"7664-41-7"_s}), ammonia);
    const QStringList likeAmmonia = search({u"--name"_s, u"氨"_s, u"--no-limit"_s});
    EXPECT_EQ(likeAmmonia.first(), ammonia.first());
    for (const QString& line : likeAmmonia)
        EXPECT_TRUE(line.section(u'\t', 1, 1).contains(u"氨"_s));
    EXPECT_EQ(likeAmmonia.size(), 135);

    const QStringList dichloropropanol = search({u"--index-no"_s, u"498"_s});
    ASSERT_EQ(dichloropropanol.size(), 1);
    EXPECT_TRUE(dichloropropanol.first().startsWith(u"498\t1,3-二氯-2-丙醇\t"_s));
    EXPECT_TRUE(dichloropropanol.first().contains(u"\t急性毒性-经口,类别3*\t"_s));

    const QStringList oral = search({u"--hazard"_s, u"17"_s, u"--no-limit"_s});
    for (const QString& line : oral)
        EXPECT_TRUE(line.section(u'\t', 5, 5).contains(u"急性毒性-经口"_s));
    EXPECT_GT(numbers(oral).size(), 700);

    EXPECT_EQ(numbers(search({u"--precursor"_s, u"7"_s, u"--no-limit"_s})).size(), 74);
    const QSet<QString> first = numbers(search({u"--batch"_s, u"2"_s, u"--no-limit"_s}));
    const QSet<QString> second = numbers(search({u"--batch"_s, u"3"_s, u"--no-limit"_s}));
    EXPECT_EQ(first.size(), 66);
    EXPECT_EQ(second.size(), 14);
    EXPECT_EQ(numbers(search({u"--batch"_s, u"1"_s, u"--no-limit"_s})), first + second);

    // English names, letter case folded.
    EXPECT_TRUE(numbers(search({u"--eng"_s, u"methanol"_s})).contains(u"1022"_s));
    EXPECT_EQ(search({u"--eng"_s, u"METHANOL"_s}), search({u"--eng"_s, u"methanol"_s}));
    EXPECT_TRUE(numbers(search({u"--eng"_s, u"ammonia"_s})).contains(u"2"_s));

    // Drug precursors: all, then by class.
    EXPECT_EQ(search({u"--precursor"_s, u"2"_s, u"--no-limit"_s}).size(), 45);
    const QStringList firstClass = search({u"--precursor"_s, u"3"_s, u"--no-limit"_s});
    EXPECT_EQ(firstClass.size(), 23);
    EXPECT_EQ(numbers(firstClass), QSet<QString>{QString()});
    EXPECT_EQ(numbers(search({u"--precursor"_s, u"4"_s, u"--no-limit"_s})),
              (QSet<QString>{u"1601"_s, u"1852"_s, u"2361"_s, u"2625"_s, u"2634"_s, QString()}));
    EXPECT_EQ(numbers(search({u"--precursor"_s, u"5"_s, u"--no-limit"_s})),
              (QSet<QString>{u"94"_s, u"137"_s, u"236"_s, u"813"_s, u"1014"_s, u"1302"_s, u"2507"_s, QString()}));
    EXPECT_EQ(search({u"--alias"_s, u"伪麻黄素"_s}).size(), 5);  // a row for each substance of 麻黄素类物质

    // Each drug precursor is found by its CAS number, with its class.
    for (const PrecursorNumber& precursor : kPrecursorNumbers) {
        const QStringList rows = search({u"--cas"_s, precursor.cas});
        ASSERT_EQ(rows.size(), 1) << precursor.cas.toStdString();
        EXPECT_EQ(rows.first().split(u'\t').value(4), precursor.cas);
        EXPECT_EQ(rows.first().split(u'\t').value(6), precursor.precursorClass) << precursor.cas.toStdString();
    }

    // Every hazard item finds rows, its words or the classification table's;
    // the table classifies no chemical as a flammable aerosol (item 3).
    for (int item = 1; item <= 31; ++item)
        EXPECT_EQ(search({u"--hazard"_s, QString::number(item)}).isEmpty(), item == 3) << item;
    EXPECT_EQ(numbers(search({u"--hazard"_s, u"23"_s, u"--no-limit"_s})).size(), 123);  // 生殖细胞致突变性

    // Several CAS numbers: each finds its entry.
    EXPECT_EQ(numbers(search({u"--cas"_s, u"7632-04-4"_s})), QSet<QString>{u"860"_s});
    EXPECT_EQ(numbers(search({u"--cas"_s, u"11138-47-9"_s})), QSet<QString>{u"860"_s});
}

} // namespace
