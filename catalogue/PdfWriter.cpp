#include "PdfWriter.h"

#include "platform/Errors.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QString escapedHtml(const QString& text)
{
    return text.toHtmlEscaped();
}

QString tableHtml(const DocumentTable& table)
{
    int total = 0;
    for (int width : table.widths)
        total += width;
    QString out = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>"_s;
    for (qsizetype i = 0; i < table.titles.size(); ++i)
        out += u"<th width=\"%1%\" align=\"left\">"_s.arg(total > 0 ? table.widths.value(i) * 100 / total : 0)
               + escapedHtml(table.titles[i]) + u"</th>"_s;
    out += u"</tr></thead>"_s;
    for (const QStringList& row : table.rows) {
        out += u"<tr>"_s;
        for (const QString& cell : row)
            out += u"<td>"_s + escapedHtml(cell) + u"</td>"_s;
        out += u"</tr>"_s;
    }
    return out + u"</table>"_s;
}

} // namespace

void writePdf(const Document& document, const QString& path)
{
    QString html = u"<html><body><h1 align=\"center\">"_s + escapedHtml(document.title) + u"</h1>"_s;
    for (const QString& line : document.preface)
        html += u"<p style=\"font-size:8pt\">"_s + escapedHtml(line) + u"</p>"_s;
    for (const DocumentPart& part : document.parts) {
        if (!part.heading.isEmpty())
            html += u"<h2>"_s + escapedHtml(part.heading) + u"</h2>"_s;
        for (const QString& paragraph : part.paragraphs)
            html += u"<p>"_s + escapedHtml(paragraph) + u"</p>"_s;
        if (!part.table.titles.isEmpty())
            html += tableHtml(part.table);
    }
    html += u"</body></html>"_s;

    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setTitle(document.title);
    writer.setCreator(u"vorlak"_s);
    writer.setResolution(300);
    QTextDocument text;
    QFont font(u"AR PL UMing CN"_s);
    font.setPointSizeF(9);
    text.setDefaultFont(font);
    text.setHtml(html);
    text.print(&writer);
    if (!QFile::exists(path) || QFile(path).size() == 0)
        throw Exception(path + u": the PDF was not written"_s);
}
