// vorlak-convert: turns the official lists into the catalogue's rows files.
// Run by hand when a source changes:
//   vorlak-convert SOURCES_DIR ROWS_DIR
// It writes ROWS_DIR/hazardous_chemicals.tsv and the MSDS index of the hazard
// pages, ROWS_DIR/hazardous_chemicals_msds.tsv, and prints what it decided where
// the sources disagree, for catalogue/SOURCES.md.
#include "CatalogueConversion.h"
#include "HazardPage.h"

#include "ToolMain.h"

#include <QDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void printSection(const char* title, const QStringList& lines)
{
    std::printf("## %s (%lld)\n", title, static_cast<long long>(lines.size()));
    for (const QString& line : lines)
        std::printf("- %s\n", line.toUtf8().constData());
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    return runCatalogueTool(argc, argv, "vorlak-convert", "SOURCES_DIR ROWS_DIR", 2, [](const QStringList& args) {
        const ConvertedCatalogue converted = convertCatalogue(readCatalogueSources(args.at(0)));
        writeRowsFile(QDir(args.at(1)).filePath(u"hazardous_chemicals.tsv"_s), converted.chemicals);
        writeRowsFile(QDir(args.at(1)).filePath(u"special_controlled_chemicals.tsv"_s), converted.specialControl);
        writeRowsFile(QDir(args.at(1)).filePath(u"major_hazard_named.tsv"_s), converted.majorHazardNamed);
        writeRowsFile(QDir(args.at(1)).filePath(u"major_hazard_categories.tsv"_s), converted.majorHazardCategories);
        writeRowsFile(QDir(args.at(1)).filePath(u"hazardous_chemicals_msds.tsv"_s),
                      hazardPageIndex(catalogueRows(converted.chemicals)));
        const ConversionReport& report = converted.report;
        printSection("Names taken from the classification table", report.nameDisagreements);
        printSection("CAS numbers where the sources differ", report.casDisagreements);
        printSection("Explosive precursors outside the catalogue", report.explosivesOutsideCatalogue);
        printSection("First-batch product names without an entry", report.batchNamesWithoutEntry);
        printSection("First-batch items without any entry", report.batchItemsWithoutEntry);
        printSection("Second-batch items", report.secondBatchMatches);
        printSection("Drug precursors matched to catalogue entries", report.drugPrecursorMatches);
        printSection("Drug precursors outside the catalogue", report.drugPrecursorsOutsideCatalogue);
        printSection("CAS numbers of drug precursors the list names without one", report.drugPrecursorNumbers);
        printSection("Specially controlled chemicals", report.specialControlMatches);
        printSection("Drug precursors left out (no Chinese name or no class)", report.drugPrecursorsLeftOut);
    });
}
