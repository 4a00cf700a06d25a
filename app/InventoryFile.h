#pragma once

#include <QByteArray>
#include <QString>

// The text of an inventory file as people save one: UTF-8 with or without a
// byte order mark, UTF-16 with one, or GB18030 (what spreadsheets and editors
// on a Chinese desktop write) when the bytes are not UTF-8. A workbook, a PDF,
// an image or any other file that is not text raises an error that says what
// the file is and what to do; fileName names it there.
QString decodeInventory(const QByteArray& bytes, const QString& fileName);
