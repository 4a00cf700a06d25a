#pragma once

#include "InventoryFile.h"

#include "rules/CatalogueRow.h"
#include "rules/MajorHazard.h"

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

class Connection;

enum class MatchKind { Cas, Name, Alias, EnglishName, NotListed, BadCas };

struct InventoryMatch {
    MatchKind kind;
    const CatalogueRow* entry = nullptr;  // null for NotListed and BadCas
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
    std::vector<InventoryMatch> check(const QString& item) const;

private:
    std::vector<CatalogueRow> entries_;
    QHash<QString, std::vector<int>> byCas_, byName_, byAlias_, byEnglishName_, byNameStem_, byAliasStem_;
};

// What a check computes the major-hazard sum with (GB 18218-2018): the rules
// and the grading, and for R the number of people exposed outside the plant.
struct MajorHazardContext {
    QList<MajorHazardRule> rules;
    MajorHazardGrading grading;
    std::optional<int> peopleExposed;
};

// The rules and grading the program carries.
MajorHazardContext shippedMajorHazardContext();

// The catalogue as a check needs it, read once over an open connection:
// the entries indexed, with their thresholds (attachMajorHazard), and the
// rules and grading the program carries. Raises DatabaseError.
struct InventoryCatalogue {
    InventoryIndex index;
    MajorHazardContext context;
};
InventoryCatalogue readInventoryCatalogue(Connection& connection);

// What a check finds: a row for each match of each item in input order, in
// the columns inventoryReportColumns names, and the summary: the counts, and
// where quantities are given the sum S = Σ q/Q over one unit with the items
// left out of it, and R with its grade when the people exposed are given
// and S ≥ 1.
struct InventoryReport {
    std::vector<QStringList> rows;
    std::vector<bool> startsItem;  // per row: whether it is its item's first
    QStringList summary;
};

// A report row's columns, in order.
enum class InventoryColumn {
    Input, Match, IndexId, Name, Cas, HighlyToxic, Explosive, DrugClass, Batch, SpecialControl,
    QuantityTonnes, ThresholdTonnes, Basis, Share, Hazards,
};
constexpr int kInventoryColumnCount = int(InventoryColumn::Hazards) + 1;

// The columns' titles.
QStringList inventoryReportColumns();
InventoryReport checkInventory(const InventoryIndex& index, const std::vector<InventoryItem>& items,
                               const MajorHazardContext& context);

// The report as the command line prints it: a title line, the rows and the
// summary lines, cells separated by tabs.
QString inventoryReportText(const InventoryReport& report);
