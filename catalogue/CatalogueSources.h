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
};

// Reads china.json, hazardous_catalog_2015_2022.json, key_supervision_batch1.tsv,
// key_supervision_batch2.tsv, drug_precursors.tsv (its 2005 annex),
// drug_precursor_additions.tsv, drug_precursor_cas.tsv, english_names.tsv and
// special_control_2020.tsv from a folder. Raises
// Exception on a missing or malformed file.
CatalogueSources ReadCatalogueSources(const QString& folder);
