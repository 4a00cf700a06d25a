#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A one-sheet workbook of text cells in the Excel 97-2003 format (BIFF8 in
// a compound file), which a .xls name promises: each row's cells in order.
// A cell holds at most 4 000 characters; longer text is cut there. Raises
// Exception for a workbook beyond the compound file's simple layout (about 7 MB).
QByteArray xlsWorkbook(const QString& sheetName, const QList<QStringList>& rows);
