#pragma once

#include <QString>
#include <QStringList>

// The values of the main window's search controls, taken as they stand.
struct SearchCriteria {
    QString nameText;         // nameEdit
    QString aliasText;        // aliasEdit
    QString casText;          // casEdit
    QString englishNameText;  // englishNameEdit
    bool exactMatch = false;  // exactMatchBox
    int batchIndex = -1;      // batchCombo, -1 when no item is selected
    int hazardIndex = 0;      // hazardCombo
    QString hazardText;       // hazardCombo text, picked or typed
    int precursorIndex = -1;  // precursorCombo
    QString indexNoText = QStringLiteral("0");  // indexNoEdit; "0" means none
    bool rowLimit = true;     // rowLimitBox
};

struct SearchStatement {
    QString text;
    // The catalogue number was neither "0" nor a run of decimal digits: the
    // caller tells the user, then runs Text all the same.
    bool indexNoRejected = false;
};

// The one SELECT of a search. The criteria do not add up: each one that
// applies replaces the condition chosen so far, so the strongest wins.
SearchStatement buildSearchSql(const SearchCriteria& criteria);

// The items of the three search combo boxes, in list order.
const QStringList& batchItems();      // batchCombo
const QStringList& precursorItems();  // precursorCombo
const QStringList& hazardItems();     // hazardCombo
