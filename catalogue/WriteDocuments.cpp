// vorlak-docs: writes the documents the program opens, made from the
// catalogue's rows, run by the build:
//   vorlak-docs ROWS_DIR OUT_DIR
// OUT_DIR then holds doc/ with the two catalogue documents and the two
// precursor lists, and the usage document beside it.
#include "BuildDate.h"
#include "CatalogueDocuments.h"
#include "rules/CatalogueRow.h"
#include "PdfWriter.h"
#include "RtfWriter.h"
#include "XlsWriter.h"

#include "platform/Errors.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {


void save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(path + u": "_s + file.errorString());
}

} // namespace

int main(int argc, char* argv[])
{
    // The PDF writer lays text out with fonts, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vorlak-docs ROWS_DIR OUT_DIR INVENTORY_PAGE_PNG\n");
        return 64;
    }
    try {
        const std::vector<CatalogueRow> rows =
            catalogueRows(readRowsFile(QDir(args.at(0)).filePath(u"hazardous_chemicals.tsv"_s)));
        const QDate made = buildDate();
        const QDir out(args.at(1));
        if (!out.mkpath(u"doc"_s))
            throw Exception(u"cannot make "_s + out.filePath(u"doc"_s));
        save(out.filePath(u"doc/01-危险化学品名录(2015).doc"_s), rtfOf(catalogueDocument(rows, made)));
        save(out.filePath(u"doc/02-危险化学品名录(含2828类).xls"_s),
             xlsWorkbook(u"危险化学品名录"_s, catalogueSheet(rows, made)));
        writePdf(drugPrecursorDocument(rows, made), out.filePath(u"doc/03-易制毒化学品(2018).pdf"_s));
        writePdf(explosivePrecursorDocument(rows, made), out.filePath(u"doc/04-易制爆化学品名录(2017版).pdf"_s));
        QFile picture(args.at(2));
        if (!picture.open(QIODevice::ReadOnly))
            throw Exception(u"cannot read "_s + args.at(2) + u": "_s + picture.errorString());
        save(out.filePath(u"软件安装及使用说明.doc"_s), rtfOf(usageDocument(made, picture.readAll())));
    } catch (const Exception& error) {
        std::fprintf(stderr, "vorlak-docs: %s\n", error.what());
        return 1;
    }
    return 0;
}
