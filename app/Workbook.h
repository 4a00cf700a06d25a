#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A row of a worksheet: its number in the sheet (from 1) and its cells from
// the first column on, numbers written out ("12.5"), empty cells empty.
struct SheetRow {
    int number = 0;
    QStringList cells;
};

enum class WorkbookKind { None, Xlsx, Xls, Encrypted };

// What kind of workbook the bytes hold, by their signature and contents: an
// Office Open XML workbook, an Excel 97-2003 workbook, a workbook encrypted
// with a password, or none of them.
WorkbookKind workbookKind(const QByteArray& bytes);

// The rows of a workbook's first sheet that hold anything. Raises Exception
// saying why, naming the file, when the workbook cannot be read.
std::vector<SheetRow> readWorkbook(const QByteArray& bytes, WorkbookKind kind, const QString& fileName);
