#include "PdfWriter.h"

#include "platform/Errors.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QString Html(const QString& text)
{
    return text.toHtmlEscaped();
}

QString TableHtml(const DocumentTable& table)
{
    int total = 0;
    for (int width : table.Widths)
        total += width;
    QString out = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>"_s;
    for (qsizetype i = 0; i < table.Titles.size(); ++i)
        out += u"<th width=\"%1%\" align=\"left\">"_s.arg(total > 0 ? table.Widths.value(i) * 100 / total : 0)
               + Html(table.Titles[i]) + u"</th>"_s;
    out += u"</tr></thead>"_s;
    for (const QStringList& row : table.Rows) {
        out += u"<tr>"_s;
        for (const QString& cell : row)
            out += u"<td>"_s + Html(cell) + u"</td>"_s;
        out += u"</tr>"_s;
    }
    return out + u"</table>"_s;
}

} // namespace

void WritePdf(const Document& document, const QString& path)
{
    QString html = u"<html><body><h1 align=\"center\">"_s + Html(document.Title) + u"</h1>"_s;
    for (const QString& line : document.Preface)
        html += u"<p style=\"font-size:8pt\">"_s + Html(line) + u"</p>"_s;
    for (const DocumentPart& part : document.Parts) {
        if (!part.Heading.isEmpty())
            html += u"<h2>"_s + Html(part.Heading) + u"</h2>"_s;
        for (const QString& paragraph : part.Paragraphs)
            html += u"<p>"_s + Html(paragraph) + u"</p>"_s;
        if (!part.Table.Titles.isEmpty())
            html += TableHtml(part.Table);
    }
    html += u"</body></html>"_s;

    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setTitle(document.Title);
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
