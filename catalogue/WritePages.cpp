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
    return RunCatalogueTool(argc, argv, "vorlak-pages", "ROWS_DIR LABELS MAJOR_HAZARD_RULES OUT_DIR", 4, [](const QStringList& args) {
        std::vector<CatalogueRow> entries =
            CatalogueRows(ReadRowsFile(QDir(args.at(0)).filePath(u"hazardous_chemicals.tsv"_s)));
        const QDir rows(args.at(0));
        AttachSpecialControl(entries, ReadRowsFile(rows.filePath(u"special_controlled_chemicals.tsv"_s)));
        AttachMajorHazard(entries, ReadRowsFile(rows.filePath(u"major_hazard_named.tsv"_s)),
                          ReadRowsFile(rows.filePath(u"major_hazard_categories.tsv"_s)), ReadMajorHazardRules(args.at(2)));
        const GhsLabelTable labels = GhsLabelTable::Read(args.at(1));

        QStringList unlabelled;
        for (const CatalogueRow& e : entries)
            for (const QString& category : e.HazardList())
                if (!labels.Find(category) && !unlabelled.contains(category))
                    unlabelled.append(category);
        if (!unlabelled.isEmpty())
            throw Exception(args.at(1) + u" has no row for: "_s + unlabelled.join(u", "_s));

        QHash<QString, std::vector<const CatalogueRow*>> byCas;
        for (const CatalogueRow& e : entries)
            if (!e.Cas.isEmpty())
                byCas[e.Cas].push_back(&e);

        QDir out(args.at(3));
        if (!out.mkpath(u"."_s))
            throw Exception(u"cannot make "_s + args.at(3));
        for (const QString& stale : out.entryList({u"*.html"_s}, QDir::Files))
            if (!byCas.contains(stale.chopped(5)))
                out.remove(stale);
        const QDate built = BuildDate();
        for (const QList<RowValue>& row : HazardPageIndex(entries).Rows) {
            const QString cas = row.at(0).value();
            QSaveFile page(out.filePath(row.at(1).value() + u".html"_s));
            if (!page.open(QIODevice::WriteOnly))
                throw Exception(page.fileName() + u": "_s + page.errorString());
            page.write(HazardPageHtml(cas, byCas.value(cas), labels, built).toUtf8());
            if (!page.commit())
                throw Exception(page.fileName() + u": "_s + page.errorString());
        }
    });
}
