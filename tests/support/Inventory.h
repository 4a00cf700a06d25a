#pragma once

#include <QList>
#include <QString>

// An inventory as users keep them: CAS numbers in either width, a bad check
// digit, Chinese and English names, an alias, a chemical outside the
// catalogue, CSV and TSV lines, a comment, a blank line, a line that tries to
// end a literal, and a 品名 that is another entry's alias without its qualifier.
inline const QString kMixedInventory = QStringLiteral(
    "# 仓库A\n"
    "67-56-1\n"
    "甲醇\n"
    "METHANOL\n"
    "７６６４－４１－７\n"
    "7664-41-8\n"
    "\n"
    "醋酸酐\n"
    "1-苯基-2-丙酮\n"
    "7732-18-5\n"
    "x' OR '1'='1' --\n"
    "\"甲醇\",500 kg\n"
    "硝酸铵\t20 t\r\n"
    "302-01-2\n"
    " 0067-56-1 \n"
    "石油气\n");

// The drug precursors the list names without a CAS number, by the numbers
// the catalogue gives them (five for 麻黄素类物质), with the class each is in.
struct PrecursorNumber {
    QString cas;
    QString precursorClass;
};
inline const QList<PrecursorNumber> kPrecursorNumbers = {
    {QStringLiteral("103-79-7"), QStringLiteral("第一类易制毒")},  {QStringLiteral("4676-39-5"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("120-57-0"), QStringLiteral("第一类易制毒")},  {QStringLiteral("94-59-7"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("8006-80-2"), QStringLiteral("第一类易制毒")}, {QStringLiteral("120-58-1"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("89-52-1"), QStringLiteral("第一类易制毒")},   {QStringLiteral("118-92-3"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("82-58-6"), QStringLiteral("第一类易制毒")},   {QStringLiteral("113-15-5"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("60-79-7"), QStringLiteral("第一类易制毒")},   {QStringLiteral("299-42-3"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("90-82-4"), QStringLiteral("第一类易制毒")},   {QStringLiteral("90-81-3"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("14838-15-4"), QStringLiteral("第一类易制毒")}, {QStringLiteral("552-79-4"), QStringLiteral("第一类易制毒")},
    {QStringLiteral("90717-16-1"), QStringLiteral("第一类易制毒")}, {QStringLiteral("103-82-2"), QStringLiteral("第二类易制毒")},
};
