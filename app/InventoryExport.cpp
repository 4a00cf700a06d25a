#include "InventoryExport.h"

#include "InventoryCheck.h"

#include "platform/Errors.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& why)
{
    throw Exception(u"无法保存\""_s + path + u"\"："_s + why);
}

// The report's columns whose values are numbers.
bool numberColumn(qsizetype column)
{
    switch (InventoryColumn(column)) {
    case InventoryColumn::IndexId:
    case InventoryColumn::QuantityTonnes:
    case InventoryColumn::ThresholdTonnes:
    case InventoryColumn::Share: return true;
    default: return false;
    }
}

// A text's width in a spreadsheet's character units: wide (CJK) characters count twice.
int displayWidth(const QString& text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

QByteArray csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text.toUtf8();
    return '"' + QString(text).replace(u'"', u"\"\""_s).toUtf8() + '"';
}

QByteArray csvLine(const QStringList& cells)
{
    QByteArray line;
    for (qsizetype i = 0; i < cells.size(); ++i)
        line += (i ? "," : "") + csvField(cells[i]);
    return line + "\r\n";
}

// Writes through a file that replaces the target only once it is whole.
void writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite(path, file.errorString());
}

} // namespace

void exportInventoryCsv(const InventoryReport& report, const QString& path)
{
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += csvLine(inventoryReportColumns());
    for (const QStringList& row : report.rows)
        bytes += csvLine(row);
    bytes += "\r\n";
    for (const QString& line : report.summary)
        bytes += csvLine({line});
    writeWhole(path, bytes);
}

void exportInventoryWorkbook(const InventoryReport& report, const QString& path)
{
    // The library writes the workbook to a scratch file; it replaces the target whole.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        cannotWrite(path, scratch.errorString());
    const QString written = scratch.filePath(u"export.xlsx"_s);

    lxw_workbook* book = workbook_new(QFile::encodeName(written).constData());
    if (!book)
        cannotWrite(path, u"无法创建工作簿"_s);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "清单核查");
    lxw_format* title = workbook_add_format(book);
    format_set_bold(title);
    format_set_bg_color(title, 0xD9D9D9);
    format_set_border(title, LXW_BORDER_THIN);

    const QStringList columns = inventoryReportColumns();
    std::vector<int> widths(size_t(columns.size()));
    const auto put = [&](lxw_row_t row, qsizetype column, const QString& text, lxw_format* format) {
        bool isNumber = false;
        const double value = numberColumn(column) && format == nullptr ? text.toDouble(&isNumber) : 0;
        if (isNumber)
            worksheet_write_number(sheet, row, lxw_col_t(column), value, nullptr);
        else if (!text.isEmpty())
            worksheet_write_string(sheet, row, lxw_col_t(column), text.toUtf8().constData(), format);
        widths[size_t(column)] = std::max(widths[size_t(column)], displayWidth(text));
    };
    for (qsizetype c = 0; c < columns.size(); ++c)
        put(0, c, columns[c], title);
    lxw_row_t row = 1;
    for (const QStringList& cells : report.rows) {
        for (qsizetype c = 0; c < cells.size() && c < columns.size(); ++c)
            put(row, c, cells[c], nullptr);
        ++row;
    }
    ++row;
    for (const QString& line : report.summary)
        worksheet_write_string(sheet, row++, 0, line.toUtf8().constData(), nullptr);
    for (size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(widths[c], 60) + 2, nullptr);
    worksheet_freeze_panes(sheet, 1, 0);

    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR)
        cannotWrite(path, QString::fromUtf8(lxw_strerror(closed)));
    QFile file(written);
    if (!file.open(QIODevice::ReadOnly))
        cannotWrite(path, file.errorString());
    writeWhole(path, file.readAll());
}
