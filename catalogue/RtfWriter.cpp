#include "RtfWriter.h"

namespace {

constexpr int kTextWidthTwips = 9638;  // A4 less two 2 cm margins

QByteArray rtfText(const QString& text)
{
    QByteArray out;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\' || c == u'{' || c == u'}')
            out += '\\' + QByteArray(1, char(c));
        else if (c == u'\n')
            out += "\\line ";
        else if (c == u'\t')
            out += "\\tab ";
        else if (c < 0x80)
            out += char(c);
        else
            out += "\\u" + QByteArray::number(qint16(c)) + '?';
    }
    return out;
}

QByteArray rtfParagraph(const QString& text, const char* format)
{
    return QByteArray("{\\pard\\sa120") + format + ' ' + rtfText(text) + "\\par}\n";
}

QByteArray rtfRow(const QStringList& cells, const QList<int>& edges, bool bold)
{
    // The title row repeats at the top of every page.
    QByteArray out = "\\trowd\\trgaph60";
    if (bold)
        out += "\\trhdr";
    for (int edge : edges)
        out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx"
               + QByteArray::number(edge);
    out += "\n\\pard\\intbl";
    out += bold ? "\\b " : " ";
    for (const QString& cell : cells)
        out += rtfText(cell) + "\\cell ";
    out += bold ? "\\b0\\row\n" : "\\row\n";
    return out;
}

QByteArray table(const DocumentTable& table)
{
    int total = 0;
    for (int width : table.widths)
        total += width;
    QList<int> edges;
    int edge = 0;
    for (int width : table.widths) {
        edge += total > 0 ? width * kTextWidthTwips / total : 0;
        edges.append(edge);
    }
    QByteArray out = "{\\fs18\n" + rtfRow(table.titles, edges, true);
    for (const QStringList& row : table.rows)
        out += rtfRow(row, edges, false);
    return out + "\\pard}\n";
}

// A PNG picture as wide as the text, its height in proportion (the sizes
// from the image header); nothing for bytes that are not a PNG.
QByteArray picture(const QByteArray& png)
{
    if (!png.startsWith("\x89PNG\r\n\x1A\n") || png.size() < 24)
        return {};
    const auto bigEndian = [&png](int at) {
        return (uint(uchar(png[at])) << 24) | (uint(uchar(png[at + 1])) << 16) | (uint(uchar(png[at + 2])) << 8)
               | uint(uchar(png[at + 3]));
    };
    const uint width = bigEndian(16), height = bigEndian(20);
    if (width == 0 || height == 0)
        return {};
    QByteArray out = "{\\pard\\qc\\sa120{\\pict\\pngblip\\picw" + QByteArray::number(width) + "\\pich"
                     + QByteArray::number(height) + "\\picwgoal" + QByteArray::number(kTextWidthTwips) + "\\pichgoal"
                     + QByteArray::number(qint64(height) * kTextWidthTwips / width) + "\n";
    const QByteArray hex = png.toHex();
    for (qsizetype at = 0; at < hex.size(); at += 128)
        out += hex.mid(at, 128) + '\n';
    return out + "}\\par}\n";
}

} // namespace

QByteArray rtfOf(const Document& document)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\uc1\\deff0\n"
                     "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\n"
                     "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\fs21\n";
    out += rtfParagraph(document.title, "\\qc\\b\\fs32");
    for (const QString& line : document.preface)
        out += rtfParagraph(line, "\\fs18");
    for (const DocumentPart& part : document.parts) {
        if (!part.heading.isEmpty())
            out += rtfParagraph(part.heading, "\\sb240\\b\\fs24");
        for (const QString& paragraph : part.paragraphs)
            out += rtfParagraph(paragraph, "");
        out += picture(part.picturePng);
        if (!part.table.titles.isEmpty())
            out += table(part.table);
    }
    return out + "}\n";
}
