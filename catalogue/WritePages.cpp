// vorlak-pages: writes the hazard page of every CAS number of the catalogue,
// run by the build:
//   vorlak-pages ROWS_DIR LABELS MAJOR_HAZARD_RULES OUT_DIR
// OUT_DIR then holds exactly one <CAS>.html per CAS number. A hazard category
// without a row in LABELS is an error: no page is then written.
#include "BuildDate.h"
#include "rules/CatalogueRow.h"
#include "GhsLabels.h"
#include "HazardPage.h"
#include "rules/MajorHazard.h"
#include "ToolMain.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    return runCatalogueTool(argc, argv, "vorlak-pages", "ROWS_DIR LABELS MAJOR_HAZARD_RULES OUT_DIR", 4, [](const QStringList& args) {
        std::vector<CatalogueRow> entries =
            catalogueRows(readRowsFile(QDir(args.at(0)).filePath(u"hazardous_chemicals.tsv"_s)));
        const QDir rows(args.at(0));
        attachSpecialControl(entries, readRowsFile(rows.filePath(u"special_controlled_chemicals.tsv"_s)));
        attachMajorHazard(entries, readRowsFile(rows.filePath(u"major_hazard_named.tsv"_s)),
                          readRowsFile(rows.filePath(u"major_hazard_categories.tsv"_s)), readMajorHazardRules(args.at(2)));
        const GhsLabelTable labels = GhsLabelTable::read(args.at(1));

        QStringList unlabelled;
        for (const CatalogueRow& e : entries)
            for (const QString& category : e.hazardList())
                if (!labels.find(category) && !unlabelled.contains(category))
                    unlabelled.append(category);
        if (!unlabelled.isEmpty())
            throw Exception(args.at(1) + u" has no row for: "_s + unlabelled.join(u", "_s));

        QHash<QString, std::vector<const CatalogueRow*>> byCas;
        for (const CatalogueRow& e : entries)
            if (!e.cas.isEmpty())
                byCas[e.cas].push_back(&e);

        QDir out(args.at(3));
        if (!out.mkpath(u"."_s))
            throw Exception(u"cannot make "_s + args.at(3));
        for (const QString& stale : out.entryList({u"*.html"_s}, QDir::Files))
            if (!byCas.contains(stale.chopped(5)))
                out.remove(stale);
        const QDate built = buildDate();
        for (const QList<RowValue>& row : hazardPageIndex(entries).rows) {
            const QString cas = row.at(0).value();
            QSaveFile page(out.filePath(row.at(1).value() + u".html"_s));
            if (!page.open(QIODevice::WriteOnly))
                throw Exception(page.fileName() + u": "_s + page.errorString());
            page.write(hazardPageHtml(cas, byCas.value(cas), labels, built).toUtf8());
            if (!page.commit())
                throw Exception(page.fileName() + u": "_s + page.errorString());
        }
    });
}
