#pragma once

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
