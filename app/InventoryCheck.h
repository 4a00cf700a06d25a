#pragma once

#include "catalogue/CatalogueRow.h"

#include <QHash>
#include <QString>
#include <vector>

class Query;

// The statement that reads the catalogue for a check, and its rows.
QString InventoryCatalogueSql();
std::vector<CatalogueRow> ReadCatalogueEntries(Query& query);

enum class MatchKind { Cas, Name, Alias, EnglishName, NotListed, BadCas };

struct InventoryMatch {
    MatchKind Kind;
    const CatalogueRow* Entry = nullptr;  // null for NotListed and BadCas
};

// The catalogue indexed for exact look-ups: CAS numbers, names and each alias
// as whole texts compared as the catalogue's conversion compares names
// (full-width forms folded, blanks dropped), English names also without
// regard to letter case; names and aliases also without their qualifier in
// brackets, for items that match nothing else.
class InventoryIndex {
public:
    explicit InventoryIndex(std::vector<CatalogueRow> entries);

    // The entries one inventory item names: by CAS number when it has that
    // form, otherwise by name, then alias, then English name, then name or
    // alias without its qualifier; each entry once.
    std::vector<InventoryMatch> Check(const QString& item) const;

private:
    std::vector<CatalogueRow> entries_;
    QHash<QString, std::vector<int>> byCas_, byName_, byAlias_, byEnglishName_, byNameStem_, byAliasStem_;
};

// The whole report for an inventory file's text: a title line, one line per
// match of each item in input order, a summary line.
QString InventoryReport(const InventoryIndex& index, const QString& fileText);
