#pragma once

#include <QString>

struct InventoryReport;

// Saves a check's report for spreadsheet programs: as an Excel workbook
// (.xlsx: the column titles in a frozen first row, columns as wide as their
// texts, numbers as numbers, the summary below the table), or as CSV in
// UTF-8 with a byte order mark (the summary after a blank line). Raises
// Exception naming the file when it cannot be written; a file that was
// there before stays as it was.
void exportInventoryWorkbook(const InventoryReport& report, const QString& path);
void exportInventoryCsv(const InventoryReport& report, const QString& path);
