#include "XlsWriter.h"

#include "platform/Errors.h"

#include <QtEndian>
#include <algorithm>

namespace {

constexpr int kSectorSize = 512;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr qsizetype kMaxCellText = 4000;

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putUtf16(QByteArray& out, const QString& text)
{
    for (QChar ch : text)
        put16(out, ch.unicode());
}

void record(QByteArray& stream, quint16 type, const QByteArray& data)
{
    put16(stream, type);
    put16(stream, quint16(data.size()));
    stream += data;
}

QByteArray bof(quint16 kind)
{
    QByteArray data;
    put16(data, 0x0600);  // BIFF8
    put16(data, kind);
    put16(data, 0x0DBB);
    put16(data, 0x07CC);
    put32(data, 0);
    put32(data, 0x06);
    return data;
}

QByteArray font()
{
    QByteArray data;
    put16(data, 200);     // 10 points
    put16(data, 0);       // no attributes
    put16(data, 0x7FFF);  // automatic colour
    put16(data, 400);     // normal weight
    put16(data, 0);
    data += QByteArray(4, '\0');
    const QString name = QStringLiteral("SimSun");
    data += char(name.size());
    data += char(1);  // UTF-16
    putUtf16(data, name);
    return data;
}

// A cell format: the style formats first, then the one the cells use.
QByteArray xf(bool style)
{
    QByteArray data;
    put16(data, 0);                     // font
    put16(data, 0);                     // number format: General
    put16(data, style ? 0xFFF5 : 0x0001);  // locked; a style, or a cell of style 0
    data += char(0x20);                 // bottom aligned
    data += char(0);
    data += char(0);
    data += char(style ? 0 : 0xF8);     // a cell format uses its own attributes
    put32(data, 0);
    put32(data, 0);
    put16(data, 0x20C0);                // pattern colours: automatic
    return data;
}

QByteArray label(quint16 row, quint16 column, const QString& text)
{
    const QString cut = text.left(kMaxCellText);
    QByteArray data;
    put16(data, row);
    put16(data, column);
    put16(data, 15);  // the cell format
    put16(data, quint16(cut.size()));
    data += char(1);
    putUtf16(data, cut);
    return data;
}

QByteArray workbookStream(const QString& sheetName, const QList<QStringList>& rows)
{
    QByteArray globals;
    record(globals, 0x0809, bof(0x0005));
    QByteArray codePage;
    put16(codePage, 1200);  // UTF-16
    record(globals, 0x0042, codePage);
    QByteArray window;
    for (quint16 value : {0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258})
        put16(window, value);
    record(globals, 0x003D, window);
    for (int i = 0; i < 4; ++i)
        record(globals, 0x0031, font());
    for (int i = 0; i < 15; ++i)
        record(globals, 0x00E0, xf(true));
    record(globals, 0x00E0, xf(false));

    const QString name = sheetName.left(31);
    QByteArray sheetEntry;
    put32(sheetEntry, 0);  // the sheet's offset, set below
    sheetEntry += char(0);
    sheetEntry += char(0);
    sheetEntry += char(name.size());
    sheetEntry += char(1);
    putUtf16(sheetEntry, name);
    const qsizetype sheetEntryAt = globals.size() + 4;
    record(globals, 0x0085, sheetEntry);
    record(globals, 0x000A, QByteArray());
    qToLittleEndian(quint32(globals.size()), globals.data() + sheetEntryAt);

    QByteArray sheet;
    record(sheet, 0x0809, bof(0x0010));
    qsizetype columns = 0;
    for (const QStringList& row : rows)
        columns = std::max(columns, row.size());
    QByteArray dimensions;
    put32(dimensions, 0);
    put32(dimensions, quint32(rows.size()));
    put16(dimensions, 0);
    put16(dimensions, quint16(columns));
    put16(dimensions, 0);
    record(sheet, 0x0200, dimensions);
    QByteArray window2;
    for (quint16 value : {0x06B6, 0, 0, 0x40, 0, 0, 0, 0, 0})
        put16(window2, value);
    record(sheet, 0x023E, window2);
    for (qsizetype r = 0; r < rows.size() && r < 65536; ++r)
        for (qsizetype c = 0; c < rows[r].size() && c < 256; ++c)
            if (!rows[r][c].isEmpty())
                record(sheet, 0x0204, label(quint16(r), quint16(c), rows[r][c]));
    record(sheet, 0x000A, QByteArray());
    return globals + sheet;
}

QByteArray directoryEntry(const QString& name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    QByteArray entry;
    putUtf16(entry, name);
    entry += QByteArray(64 - entry.size(), '\0');
    put16(entry, name.isEmpty() ? 0 : quint16((name.size() + 1) * 2));
    entry += char(type);
    entry += char(1);  // black
    put32(entry, kNoStream);
    put32(entry, kNoStream);
    put32(entry, child);
    entry += QByteArray(16 + 4 + 8 + 8, '\0');  // class, state bits, times
    put32(entry, start);
    put32(entry, size);
    put32(entry, 0);
    return entry;
}

} // namespace

QByteArray xlsWorkbook(const QString& sheetName, const QList<QStringList>& rows)
{
    QByteArray stream = workbookStream(sheetName, rows);
    const quint32 streamSize = quint32(std::max<qsizetype>(stream.size(), 4096));  // past the mini stream's limit
    stream.resize((streamSize + kSectorSize - 1) / kSectorSize * kSectorSize, '\0');
    const quint32 streamSectors = quint32(stream.size() / kSectorSize);

    // Sectors: the stream, one of directory, then the allocation table's.
    quint32 fatSectors = 1;
    while ((streamSectors + 1 + fatSectors + 127) / 128 > fatSectors)
        ++fatSectors;
    const quint32 directorySector = streamSectors;
    const quint32 firstFatSector = streamSectors + 1;
    if (fatSectors > 109)  // the header's own table of allocation sectors is full
        throw Exception(QStringLiteral("the workbook is larger than about 7 MB, more than this writer lays out"));

    QByteArray file;
    file += QByteArray::fromHex("D0CF11E0A1B11AE1");
    file += QByteArray(16, '\0');
    put16(file, 0x003E);
    put16(file, 0x0003);
    put16(file, 0xFFFE);
    put16(file, 9);  // 512-byte sectors
    put16(file, 6);  // 64-byte mini sectors
    file += QByteArray(6, '\0');
    put32(file, 0);
    put32(file, fatSectors);
    put32(file, directorySector);
    put32(file, 0);
    put32(file, 4096);
    put32(file, kEndOfChain);
    put32(file, 0);
    put32(file, kEndOfChain);
    put32(file, 0);
    for (quint32 i = 0; i < 109; ++i)
        put32(file, i < fatSectors ? firstFatSector + i : kFreeSector);

    file += stream;

    QByteArray directory = directoryEntry(QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0)
                           + directoryEntry(QStringLiteral("Workbook"), 2, kNoStream, 0, streamSize);
    while (directory.size() < kSectorSize)
        directory += directoryEntry(QString(), 0, kNoStream, 0, 0);
    file += directory;

    QByteArray fat;
    for (quint32 i = 0; i < streamSectors; ++i)
        put32(fat, i + 1 < streamSectors ? i + 1 : kEndOfChain);
    put32(fat, kEndOfChain);  // the directory
    for (quint32 i = 0; i < fatSectors; ++i)
        put32(fat, kFatSector);
    while (fat.size() < qsizetype(fatSectors) * kSectorSize)
        put32(fat, kFreeSector);
    return file + fat;
}
