#include "InventoryFile.h"

#include "Workbook.h"

#include "platform/Errors.h"
#include "rules/CatalogueText.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <iconv.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// What a file is, by the signature it starts with.
QString kindBySignature(const QByteArray& bytes)
{
    static const struct {
        QByteArray signature;
        const char16_t* kind;
    } kinds[] = {
        {QByteArray("%PDF-"), u"PDF文档"},
        {QByteArray("{\\rtf"), u"RTF文档"},
        {QByteArray("\x89PNG\r\n\x1A\n", 8), u"PNG图片"},
        {QByteArray("\xFF\xD8\xFF", 3), u"JPEG图片"},
        {QByteArray("GIF8"), u"GIF图片"},
    };
    for (const auto& kind : kinds)
        if (bytes.startsWith(kind.signature))
            return QString::fromUtf16(kind.kind);
    return QString();
}

std::optional<QString> decoded(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// GB18030 through the C library's converter; nothing when a byte sequence is not GB18030.
std::optional<QString> decodedGb18030(const QByteArray& bytes)
{
    const iconv_t converter = iconv_open("UTF-8", "GB18030");
    if (converter == iconv_t(-1))
        return std::nullopt;
    QByteArray utf8(bytes.size() * 2 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* out = utf8.data();
    size_t outLeft = size_t(utf8.size());
    const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0;
    iconv_close(converter);
    if (!whole)
        return std::nullopt;
    utf8.truncate(utf8.size() - qsizetype(outLeft));
    return QString::fromUtf8(utf8);
}

std::optional<QString> decodedText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decoded(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decoded(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decoded(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    if (std::optional<QString> text = decoded(QStringConverter::Utf8, bytes))
        return text;
    return decodedGb18030(bytes);
}

// Control characters other than tabs, line and page breaks belong to no text file.
bool readsAsText(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            return false;
    return true;
}

QString decodedInventoryText(const QByteArray& bytes, const QString& fileName)
{
    const QString what = u"\""_s + fileName + u"\" "_s;
    const QString todo = u"：请把其中的清单另存为工作簿、CSV或文本文件（每行一种化学品）后再核查"_s;
    const QString kind = kindBySignature(bytes);
    if (!kind.isEmpty())
        throw Exception(what + u"是"_s + kind + u"，不是工作簿或文本文件"_s + todo);
    const std::optional<QString> text = decodedText(bytes);
    if (!text || !readsAsText(*text))
        throw Exception(what + u"不是工作簿，也不是UTF-8、UTF-16或GB18030编码的文本文件"_s + todo);
    return *text;
}

// The fields of a comma-separated line: quoted fields unquoted (doubled
// quotes as one), each field trimmed.
QStringList commaSeparated(QStringView line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"' && (quoted || field.trimmed().isEmpty())) {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields.append(field.trimmed());
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field.trimmed());
    return fields;
}

QString unquoted(const QString& cell)
{
    return cell.size() >= 2 && cell.startsWith(u'"') && cell.endsWith(u'"') ? commaSeparated(cell).join(u',') : cell;
}

// A column heading: the chemical's, or the quantity's with the unit it may name.
struct Heading {
    bool chemical = false;
    bool quantity = false;
    QString unit;
};

Heading readHeading(const QString& cell)
{
    static const QRegularExpression chemical(
        u"^(品名|名称|中文名称?|化学品(名称)?|危险化学品(名称)?|(物质|物料|原料|化学)名称|chemicals?(name)?|name|substance|"
        u"cas(no\\.?|号|number)?)$"_s,
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression quantity(u"^(数量|存量|储量|储存量|最大储存量|quantity|qty)([(\\[/]?(t|kg|吨|千克|公斤)\\)?\\]?)?$"_s,
                                             QRegularExpression::CaseInsensitiveOption);
    const QString key = matchingName(cell);
    if (chemical.match(key).hasMatch())
        return {true, false, {}};
    const QRegularExpressionMatch match = quantity.match(key);
    return {false, match.hasMatch(), match.captured(3)};
}

// Where the quantity stands and in what unit a bare number is, by a header row.
struct Columns {
    int quantity = 1;
    QString unit;
};

std::optional<Columns> headerColumns(const QStringList& cells)
{
    bool header = false;
    bool quantityFound = false;
    Columns columns;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const Heading heading = readHeading(cells[i]);
        header = header || (i == 0 && heading.chemical);
        if (heading.quantity && !quantityFound) {
            header = quantityFound = true;
            columns = {int(i), heading.unit};
        }
    }
    return header ? std::optional(columns) : std::nullopt;
}

struct Row {
    int number;
    QStringList cells;
    bool wholeLine;
};

std::vector<InventoryItem> itemsOf(std::vector<Row> rows)
{
    std::vector<InventoryItem> items;
    if (rows.empty())
        return items;
    Columns columns;
    auto first = rows.begin();
    if (std::optional<Columns> header = headerColumns(first->cells)) {
        columns = *header;
        ++first;
    }
    static const QRegularExpression bareNumber(u"^[-+]?[0-9]+(\\.[0-9]+)?$"_s);
    for (auto row = first; row != rows.end(); ++row) {
        InventoryItem item{row->number, row->cells.value(0), row->cells.value(columns.quantity), row->wholeLine};
        if (!columns.unit.isEmpty() && bareNumber.match(matchingName(item.quantity)).hasMatch())
            item.quantity += u' ' + columns.unit;
        if (!item.chemical.isEmpty() || !item.quantity.isEmpty())
            items.push_back(std::move(item));
    }
    return items;
}

} // namespace

std::vector<InventoryItem> inventoryTextItems(const QString& text)
{
    std::vector<Row> rows;
    // A header row with commas makes the file comma-separated; otherwise a
    // line is split at tabs, or after a quoted first field, else kept whole.
    bool commaSeparatedFile = false;
    int number = 0;
    for (const QString& rawLine : text.split(u'\n')) {
        ++number;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (rows.empty() && !line.contains(u'\t') && headerColumns(commaSeparated(line)))
            commaSeparatedFile = true;
        if (line.contains(u'\t')) {
            QStringList cells = line.split(u'\t');
            for (QString& cell : cells)
                cell = unquoted(cell.trimmed());
            rows.push_back({number, cells, false});
        } else if (commaSeparatedFile || line.startsWith(u'"')) {
            rows.push_back({number, commaSeparated(line), false});
        } else {
            rows.push_back({number, {line}, true});
        }
    }
    return itemsOf(std::move(rows));
}

std::vector<InventoryItem> readInventory(const QByteArray& bytes, const QString& fileName)
{
    const WorkbookKind kind = workbookKind(bytes);
    if (kind == WorkbookKind::None)
        return inventoryTextItems(decodedInventoryText(bytes, fileName));
    std::vector<Row> rows;
    for (SheetRow& row : readWorkbook(bytes, kind, fileName))
        rows.push_back({row.number, std::move(row.cells), false});
    return itemsOf(std::move(rows));
}
