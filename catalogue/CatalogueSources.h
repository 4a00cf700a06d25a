#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>

// The official lists the catalogue is converted from, as read from their files.

// An entry of the 2015 hazardous-chemicals catalogue (the list with aliases).
struct CatalogueEntry {
    int Number = 0;
    QString Name;
    QStringList Aliases;
    QStringList CasNumbers;
    bool HighlyToxic = false;  // note "剧毒"
};

// The same entry in the classification table.
struct ClassificationEntry {
    int Number = 0;
    QString Name;
    QStringList CasNumbers;
    QStringList Texts;  // one string per line of the table's classification cell
};

// An item of the explosive-precursor list.
struct ExplosiveItem {
    QString Number;  // "1.1" .. "9.7"
    QString Name;
    QStringList Aliases;
    QString Cas;
    QString Note;  // the hazard classes as the list prints them
};

// An item of the first key-supervision batch; Name may name several products.
struct BatchItem {
    int Sequence = 0;
    QString Name;
    QString Cas;
};

// An item of the second key-supervision batch, with the catalogue entry it is.
struct SecondBatchItem {
    int Sequence = 0;
    QString Name;
    QString Cas;
    int CatalogueNumber = 0;
};

// An item of the drug-precursor list; Category 0 where the list gives none.
struct DrugPrecursorItem {
    int Category = 0;
    QString Sequence;  // the 2005 annex's numbering; empty for later additions
    QString Name;
    QString Cas;
    QString EnglishName;
};

// An item of the list of specially controlled hazardous chemicals, with the
// catalogue entry it is (by the list's own reckoning) and its notes.
struct SpecialControlItem {
    int Sequence = 0;
    QString Group;
    QString Name;
    QString Cas;
    int CatalogueNumber = 0;
    QString Note;
};

// A row of GB 18218-2018 表1 (a named chemical) or 表2 (a hazard category):
// for 表1 the sequence number, name and CAS numbers and the catalogue entries
// it is; for 表2 the code, the hazard class and the category wording. The
// threshold quantity in tonnes as the standard writes it.
struct MajorHazardItem {
    QString Key;  // 表1: "57"; 表2: "W5.1"
    QString Name;
    QString Cas;
    QString Tonnes;
    QList<int> Entries;
};

// The registry numbers of a drug-precursor item that the list names without
// any: one per substance the item names, each with its English name.
struct PrecursorNumbers {
    QStringList Cas;
    QStringList EnglishNames;
};

struct CatalogueSources {
    QList<CatalogueEntry> Catalogue;          // ordered by number, 1..2828
    QList<ClassificationEntry> Classification;  // ordered by number
    QList<ExplosiveItem> Explosives;
    QList<BatchItem> FirstBatch;
    QList<SecondBatchItem> SecondBatch;
    QList<DrugPrecursorItem> DrugPrecursors;  // the 2005 annex, then the later additions
    std::map<int, QString> EnglishNames;      // by catalogue number
    std::map<QString, PrecursorNumbers> DrugPrecursorNumbers;  // by the item's name as the list writes it
    QList<SpecialControlItem> SpecialControl;
    QList<MajorHazardItem> MajorHazardNamed;       // GB 18218-2018 表1
    QList<MajorHazardItem> MajorHazardCategories;  // GB 18218-2018 表2
};

// Reads china.json, hazardous_catalog_2015_2022.json, key_supervision_batch1.tsv,
// key_supervision_batch2.tsv, drug_precursors.tsv (its 2005 annex),
// drug_precursor_additions.tsv, drug_precursor_cas.tsv, english_names.tsv,
// special_control_2020.tsv and gb18218_2018_table1.tsv and _table2.tsv from a folder. Raises
// Exception on a missing or malformed file.
CatalogueSources ReadCatalogueSources(const QString& folder);
