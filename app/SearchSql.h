#pragma once

#include <QString>
#include <QStringList>

// The values of the main window's search controls, taken as they stand.
struct SearchCriteria {
    QString NameText;         // nameEdit
    QString AliasText;        // aliasEdit
    QString CasText;          // casEdit
    QString EnglishNameText;  // englishNameEdit
    bool ExactMatch = false;  // exactMatchBox
    int BatchIndex = -1;      // batchCombo, -1 when no item is selected
    int HazardIndex = 0;      // hazardCombo
    QString HazardText;       // hazardCombo text, picked or typed
    int PrecursorIndex = -1;  // precursorCombo
    QString IndexNoText = QStringLiteral("0");  // indexNoEdit; "0" means none
    bool RowLimit = true;     // rowLimitBox
};

struct SearchStatement {
    QString Text;
    // The catalogue number was neither "0" nor a run of decimal digits: the
    // caller tells the user, then runs Text all the same.
    bool IndexNoRejected = false;
};

// The one SELECT of a search. The criteria do not add up: each one that
// applies replaces the condition chosen so far, so the strongest wins.
SearchStatement BuildSearchSql(const SearchCriteria& criteria);

// The items of the three search combo boxes, in list order.
const QStringList& BatchItems();      // batchCombo
const QStringList& PrecursorItems();  // precursorCombo
const QStringList& HazardItems();     // hazardCombo
