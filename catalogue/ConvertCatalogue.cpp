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

void PrintSection(const char* title, const QStringList& lines)
{
    std::printf("## %s (%lld)\n", title, static_cast<long long>(lines.size()));
    for (const QString& line : lines)
        std::printf("- %s\n", line.toUtf8().constData());
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    return RunCatalogueTool(argc, argv, "vorlak-convert", "SOURCES_DIR ROWS_DIR", 2, [](const QStringList& args) {
        const ConvertedCatalogue converted = ConvertCatalogue(ReadCatalogueSources(args.at(0)));
        WriteRowsFile(QDir(args.at(1)).filePath(u"hazardous_chemicals.tsv"_s), converted.Chemicals);
        WriteRowsFile(QDir(args.at(1)).filePath(u"special_controlled_chemicals.tsv"_s), converted.SpecialControl);
        WriteRowsFile(QDir(args.at(1)).filePath(u"major_hazard_named.tsv"_s), converted.MajorHazardNamed);
        WriteRowsFile(QDir(args.at(1)).filePath(u"major_hazard_categories.tsv"_s), converted.MajorHazardCategories);
        WriteRowsFile(QDir(args.at(1)).filePath(u"hazardous_chemicals_msds.tsv"_s),
                      HazardPageIndex(CatalogueRows(converted.Chemicals)));
        const ConversionReport& report = converted.Report;
        PrintSection("Names taken from the classification table", report.NameDisagreements);
        PrintSection("CAS numbers where the sources differ", report.CasDisagreements);
        PrintSection("Explosive precursors outside the catalogue", report.ExplosivesOutsideCatalogue);
        PrintSection("First-batch product names without an entry", report.BatchNamesWithoutEntry);
        PrintSection("First-batch items without any entry", report.BatchItemsWithoutEntry);
        PrintSection("Second-batch items", report.SecondBatchMatches);
        PrintSection("Drug precursors matched to catalogue entries", report.DrugPrecursorMatches);
        PrintSection("Drug precursors outside the catalogue", report.DrugPrecursorsOutsideCatalogue);
        PrintSection("CAS numbers of drug precursors the list names without one", report.DrugPrecursorNumbers);
        PrintSection("Specially controlled chemicals", report.SpecialControlMatches);
        PrintSection("Drug precursors left out (no Chinese name or no class)", report.DrugPrecursorsLeftOut);
    });
}
