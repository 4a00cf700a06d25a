#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>

// The official lists the catalogue is converted from, as read from their files.

// An entry of the 2015 hazardous-chemicals catalogue (the list with aliases).
struct CatalogueEntry {
    int number = 0;
    QString name;
    QStringList aliases;
    QStringList casNumbers;
    bool highlyToxic = false;  // note "剧毒"
};

// The same entry in the classification table.
struct ClassificationEntry {
    int number = 0;
    QString name;
    QStringList casNumbers;
    QStringList texts;  // one string per line of the table's classification cell
};

// An item of the explosive-precursor list.
struct ExplosiveItem {
    QString number;  // "1.1" .. "9.7"
    QString name;
    QStringList aliases;
    QString cas;
    QString note;  // the hazard classes as the list prints them
};

// An item of the first key-supervision batch; Name may name several products.
struct BatchItem {
    int sequence = 0;
    QString name;
    QString cas;
};

// An item of the second key-supervision batch, with the catalogue entry it is.
struct SecondBatchItem {
    int sequence = 0;
    QString name;
    QString cas;
    int catalogueNumber = 0;
};

// An item of the drug-precursor list; Category 0 where the list gives none.
struct DrugPrecursorItem {
    int category = 0;
    QString sequence;  // the 2005 annex's numbering; empty for later additions
    QString name;
    QString cas;
    QString englishName;
};

// An item of the list of specially controlled hazardous chemicals, with the
// catalogue entry it is (by the list's own reckoning) and its notes.
struct SpecialControlItem {
    int sequence = 0;
    QString group;
    QString name;
    QString cas;
    int catalogueNumber = 0;
    QString note;
};

// A row of GB 18218-2018 表1 (a named chemical) or 表2 (a hazard category):
// for 表1 the sequence number, name and CAS numbers and the catalogue entries
// it is; for 表2 the code, the hazard class and the category wording. The
// threshold quantity in tonnes as the standard writes it.
struct MajorHazardItem {
    QString key;  // 表1: "57"; 表2: "W5.1"
    QString name;
    QString cas;
    QString tonnes;
    QList<int> entries;
};

// The registry numbers of a drug-precursor item that the list names without
// any: one per substance the item names, each with its English name.
struct PrecursorNumbers {
    QStringList cas;
    QStringList englishNames;
};

struct CatalogueSources {
    QList<CatalogueEntry> catalogue;          // ordered by number, 1..2828
    QList<ClassificationEntry> classification;  // ordered by number
    QList<ExplosiveItem> explosives;
    QList<BatchItem> firstBatch;
    QList<SecondBatchItem> secondBatch;
    QList<DrugPrecursorItem> drugPrecursors;  // the 2005 annex, then the later additions
    std::map<int, QString> englishNames;      // by catalogue number
    std::map<QString, PrecursorNumbers> drugPrecursorNumbers;  // by the item's name as the list writes it
    QList<SpecialControlItem> specialControl;
    QList<MajorHazardItem> majorHazardNamed;       // GB 18218-2018 表1
    QList<MajorHazardItem> majorHazardCategories;  // GB 18218-2018 表2
};

// Reads china.json, hazardous_catalog_2015_2022.json, key_supervision_batch1.tsv,
// key_supervision_batch2.tsv, drug_precursors.tsv (its 2005 annex),
// drug_precursor_additions.tsv, drug_precursor_cas.tsv, english_names.tsv,
// special_control_2020.tsv and gb18218_2018_table1.tsv and _table2.tsv from a folder. Raises
// Exception on a missing or malformed file.
CatalogueSources readCatalogueSources(const QString& folder);
