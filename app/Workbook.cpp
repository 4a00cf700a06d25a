#include "Workbook.h"

#include "platform/Errors.h"

#include <QTemporaryFile>
#include <QXmlStreamReader>
#include <freexl.h>
#include <zip.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kCompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const QString kPasswordProtected = u"设有密码保护：请另存一份不带密码的副本后再打开"_s;

[[noreturn]] void refuse(const QString& fileName, const QString& why)
{
    throw Exception(u"\""_s + fileName + u"\" "_s + why);
}

// A number cell as people read it: integers without a point, others to 15 significant digits.
QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

void setCell(SheetRow& row, int column, const QString& text)
{
    if (text.isEmpty())
        return;
    while (row.cells.size() <= column)
        row.cells.append(QString());
    row.cells[column] = text;
}

// --- Office Open XML (.xlsx): a zip of XML parts ---

class ZipArchive {
public:
    ZipArchive(const QByteArray& bytes, const QString& fileName) : fileName_(fileName)
    {
        zip_error_t error;
        zip_error_init(&error);
        if (zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error)) {
            archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
            if (!archive_)
                zip_source_free(source);
        }
        zip_error_fini(&error);
    }
    ~ZipArchive()
    {
        if (archive_)
            zip_discard(archive_);
    }
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool isOpen() const { return archive_ != nullptr; }

    // A member's bytes; null when the archive has no such member or it cannot
    // be read. Raises Exception for a member too large to hold.
    QByteArray member(const QString& name) const
    {
        const QByteArray path = name.toUtf8();
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat(archive_, path.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
            return {};
        if (stat.size > kLargestPart)
            throw Exception(u"\""_s + fileName_ + u"\" 太大：其中的一部分解压后超过512 MB"_s);
        zip_file_t* file = zip_fopen(archive_, path.constData(), 0);
        if (!file)
            return {};
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        if (read != zip_int64_t(stat.size))
            return {};
        return bytes.isEmpty() ? QByteArray("", 0) : bytes;
    }

private:
    // What no inventory comes near; a part that claims more is refused, not allocated.
    static constexpr zip_uint64_t kLargestPart = zip_uint64_t(512) << 20;
    QString fileName_;
    zip_t* archive_ = nullptr;
};

// The text of the element the reader stands on, its <t> elements joined
// (runs of rich text) and phonetic guides left out.
QString joinedText(QXmlStreamReader& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        else if (token != QXmlStreamReader::StartElement)
            continue;
        else if (xml.name() == u"t")
            text += xml.readElementText();
        else if (xml.name() == u"rPh")
            xml.skipCurrentElement();
        else
            ++depth;
    }
    return text;
}

QStringList sharedStrings(const QByteArray& part)
{
    QStringList strings;
    QXmlStreamReader xml(part);
    while (xml.readNextStartElement()) {
        if (xml.name() == u"si")
            strings.append(joinedText(xml));
        else if (xml.name() != u"sst")
            xml.skipCurrentElement();
    }
    return strings;
}

// The part of the workbook's first sheet, by the workbook's relations.
QString firstSheetPart(const ZipArchive& zip)
{
    QString relation;
    QXmlStreamReader workbook(zip.member(u"xl/workbook.xml"_s));
    while (relation.isEmpty() && !workbook.atEnd())
        if (workbook.readNext() == QXmlStreamReader::StartElement && workbook.name() == u"sheet")
            for (const QXmlStreamAttribute& attribute : workbook.attributes())
                if (attribute.name() == u"id")
                    relation = attribute.value().toString();
    QXmlStreamReader relations(zip.member(u"xl/_rels/workbook.xml.rels"_s));
    while (!relation.isEmpty() && !relations.atEnd())
        if (relations.readNext() == QXmlStreamReader::StartElement && relations.attributes().value(QLatin1StringView("Id")) == relation) {
            const QString target = relations.attributes().value(QLatin1StringView("Target")).toString();
            return target.startsWith(u'/') ? target.mid(1) : u"xl/"_s + target;
        }
    return u"xl/worksheets/sheet1.xml"_s;
}

// The column of a cell reference such as "AB12", from 0; -1 without one.
int referenceColumn(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
    return i == 0 ? -1 : column - 1;
}

std::vector<SheetRow> xlsxRows(const QByteArray& bytes, const QString& fileName)
{
    const ZipArchive zip(bytes, fileName);
    const QByteArray sheet = zip.isOpen() ? zip.member(firstSheetPart(zip)) : QByteArray();
    if (sheet.isNull())
        refuse(fileName, u"不是可读取的Excel工作簿（.xlsx）：其中没有工作表"_s);
    const QStringList strings = sharedStrings(zip.member(u"xl/sharedStrings.xml"_s));

    std::vector<SheetRow> rows;
    QXmlStreamReader xml(sheet);
    int rowNumber = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"row") {
            const QStringView number = xml.attributes().value(QLatin1StringView("r"));
            rowNumber = number.isEmpty() ? rowNumber + 1 : number.toInt();
            rows.push_back({rowNumber, {}});
        } else if (xml.name() == u"c" && !rows.empty()) {
            SheetRow& row = rows.back();
            const QStringView reference = xml.attributes().value(QLatin1StringView("r"));
            const int column = reference.isEmpty() ? int(row.cells.size()) : referenceColumn(reference);
            const QString type = xml.attributes().value(QLatin1StringView("t")).toString();
            QString text;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"v") {
                    const QString value = xml.readElementText();
                    if (type == u"s")
                        text = strings.value(value.toInt());
                    else if (type.isEmpty() || type == u"n")
                        text = numberText(value.toDouble());
                    else if (type == u"b")
                        text = value == u"1" ? u"TRUE"_s : u"FALSE"_s;
                    else
                        text = value;
                } else if (xml.name() == u"is") {
                    text = joinedText(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            if (column >= 0)
                setCell(row, column, text.trimmed());
        }
    }
    if (xml.hasError())
        refuse(fileName, u"是已损坏的Excel工作簿（.xlsx）："_s + xml.errorString());
    std::erase_if(rows, [](const SheetRow& row) { return row.cells.isEmpty(); });
    return rows;
}

// --- Excel 97-2003 (.xls), read by FreeXL from a file ---

std::vector<SheetRow> xlsRows(const QByteArray& bytes, const QString& fileName)
{
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        refuse(fileName, u"无法读取：没有空间存放临时副本"_s);
    const void* handle = nullptr;
    const int opened = freexl_open(QFile::encodeName(copy.fileName()).constData(), &handle);
    const std::unique_ptr<const void, int (*)(const void*)> closer(handle, freexl_close);
    unsigned int password = 0;
    if (opened == FREEXL_OK && freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
        && password == FREEXL_BIFF_OBFUSCATED)
        refuse(fileName, kPasswordProtected);
    unsigned int rowCount = 0;
    unsigned short columnCount = 0;
    if (opened != FREEXL_OK || freexl_select_active_worksheet(handle, 0) != FREEXL_OK
        || freexl_worksheet_dimensions(handle, &rowCount, &columnCount) != FREEXL_OK)
        refuse(fileName, u"不是可读取的Excel 97-2003工作簿（.xls），文件可能已损坏"_s);

    std::vector<SheetRow> rows;
    for (unsigned int r = 0; r < rowCount; ++r) {
        SheetRow row{int(r) + 1, {}};
        for (unsigned short c = 0; c < columnCount; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(handle, r, c, &cell) != FREEXL_OK)
                continue;
            switch (cell.type) {
            case FREEXL_CELL_INT: setCell(row, c, QString::number(cell.value.int_value)); break;
            case FREEXL_CELL_DOUBLE: setCell(row, c, numberText(cell.value.double_value)); break;
            case FREEXL_CELL_NULL: break;
            default: setCell(row, c, QString::fromUtf8(cell.value.text_value).trimmed()); break;
            }
        }
        if (!row.cells.isEmpty())
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

WorkbookKind workbookKind(const QByteArray& bytes)
{
    if (bytes.startsWith(QByteArray("PK\x03\x04", 4)))
        return WorkbookKind::Xlsx;
    if (!bytes.startsWith(kCompoundFileSignature))
        return WorkbookKind::None;
    // An encrypted Office Open XML workbook is a compound file holding the
    // encrypted package as a stream of that name.
    const QString stream = u"EncryptedPackage"_s;
    const QByteArrayView streamName(reinterpret_cast<const char*>(stream.utf16()), stream.size() * 2);
    return bytes.contains(streamName) ? WorkbookKind::Encrypted : WorkbookKind::Xls;
}

std::vector<SheetRow> readWorkbook(const QByteArray& bytes, WorkbookKind kind, const QString& fileName)
{
    switch (kind) {
    case WorkbookKind::Xlsx: return xlsxRows(bytes, fileName);
    case WorkbookKind::Xls: return xlsRows(bytes, fileName);
    case WorkbookKind::Encrypted: refuse(fileName, kPasswordProtected);
    case WorkbookKind::None: break;
    }
    return {};
}
