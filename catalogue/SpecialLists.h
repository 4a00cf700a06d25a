#pragma once

#include "CatalogueSources.h"
#include "ConversionReport.h"
#include "EntryIndex.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <set>

// A listed chemical that is no catalogue entry: it gets a row of its own.
struct OutsideChemical {
    QString name;
    QStringList aliases;
    // One row each: the CAS number (empty when none is known) and its English name.
    QList<QPair<QString, QString>> numbers;
    QStringList categories;
    bool explosive = false;
    int drugCategory = 0;
    QString remarks;
};

// Which catalogue entries the special lists name.
struct SpecialMarks {
    // Specially controlled entries: the list's item of each.
    std::map<int, SpecialControlItem> specialControl;
    std::set<int> firstBatch;
    std::set<int> secondBatch;
    std::set<int> explosive;
    std::map<int, int> drugCategory;  // entry number -> class 1..3
    QList<OutsideChemical> outside;
};

// The explosive-precursor list: by CAS number (narrowed by name where the
// number is on several entries), else by name or alias.
void markExplosives(const EntryIndex& index, const QList<ExplosiveItem>& items, SpecialMarks& marks,
                    ConversionReport& report);

// The first key-supervision batch: by CAS number and by every product an item names.
void markFirstBatch(const EntryIndex& index, const QList<BatchItem>& items, SpecialMarks& marks,
                    ConversionReport& report);

// The second key-supervision batch: by the catalogue number each item gives,
// which must carry the item's CAS number.
void markSecondBatch(const EntryIndex& index, const QList<SecondBatchItem>& items, SpecialMarks& marks,
                     ConversionReport& report);

// The drug-precursor list: by the item's CAS number where exactly one entry
// has it, else by the names an item lists, where exactly one entry carries
// that name or alias (directly or through a synonym). An item outside the
// catalogue that the list names without a CAS number takes the numbers given
// for it, one row for each substance it names.
void markDrugPrecursors(const EntryIndex& index, const QList<DrugPrecursorItem>& items,
                        const std::map<QString, PrecursorNumbers>& numbers, SpecialMarks& marks,
                        ConversionReport& report);

// The specially controlled chemicals: each item marks the entry the list
// names where that entry carries the item's CAS number.
void markSpecialControl(const EntryIndex& index, const QList<SpecialControlItem>& items, SpecialMarks& marks,
                        ConversionReport& report);

// What the list says an item covers beyond or short of the entry ("（钝化）改性
// 硝酸铵除外"): the Chinese words of its scope note, else those in brackets
// after its name; empty when it says nothing.
QString specialControlScope(const SpecialControlItem& item);

// The products a key-supervision item names: "汽油(含甲醇汽油、乙醇汽油)、石脑油"
// gives 甲醇汽油, 乙醇汽油, 汽油 and 石脑油.
QStringList batchProductNames(const QString& itemName);

// The substances a drug-precursor item lists: "*" dropped, alternatives split,
// "等…类物质" cut off ("麻黄素、伪麻黄素…等麻黄素类物质*" gives 麻黄素, 伪麻黄素, …).
QStringList drugPrecursorNames(const QString& itemName);

// A listed name joined to the catalogue's name of the same substance.
struct NameSynonym {
    QString listed;
    QString catalogue;
    QString reason;
};
const QList<NameSynonym>& drugPrecursorSynonyms();
