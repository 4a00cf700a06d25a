#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Writes a workbook of one sheet with libxlsxwriter: each row's cells in
// order, QString values as text and numbers as numbers. With inlineStrings
// the texts stand in the cells (as streaming writers save them) instead of
// the shared string table.
void writeWorkbook(const QString& path, const QList<QVariantList>& rows, bool inlineStrings = false);

// Converts a document with LibreOffice into the folder it is in, as the
// filter names it ("xls", "csv:Text - txt - csv (StarCalc):44,34,76"); the
// converted file's path. Fails the test when LibreOffice fails.
QString convertWithLibreOffice(const QString& path, const QString& filter, const QString& extension);

// A member of a zip archive, such as a workbook's sheet; empty when there is none.
QByteArray zipMember(const QString& archive, const QString& member);
