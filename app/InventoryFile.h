#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// An item of an inventory: the chemical as written, its quantity as written
// (a bare number followed by the unit its column's heading names), and the
// line or sheet row it stands on, from 1.
struct InventoryItem {
    int row = 0;
    QString chemical;
    QString quantity;
    // A line of text that is not split into columns: the check may find a
    // quantity at its end or after its first comma.
    bool wholeLine = false;
};

// The items of an inventory file, whatever people keep it as: an Excel
// workbook (.xlsx, or .xls of Excel 97-2003; its first sheet), or text in
// UTF-8 with or without a byte order mark, UTF-16 with one, or GB18030 (what
// spreadsheets and editors on a Chinese desktop write) when the bytes are
// not UTF-8. The chemical is the first column, the quantity the column
// headed 数量 or quantity, else the second; a header row is skipped. A file
// that cannot be read raises an error that says why and names it as fileName.
std::vector<InventoryItem> readInventory(const QByteArray& bytes, const QString& fileName);

// The items of an inventory's text, as a text file gives it (or the clipboard):
// a line each, blank lines and lines starting with "#" left out.
std::vector<InventoryItem> inventoryTextItems(const QString& text);
