#pragma once

#include <QString>
#include <QStringList>

// The values of the main window's search controls, taken as they stand.
struct TSearchCriteria {
    QString NameText;         // EditName1
    QString AliasText;        // EditName2
    QString CasText;          // EditCAS
    QString EnglishNameText;  // EditEngName
    bool ExactMatch = false;  // CheckBox1
    int BatchIndex = -1;      // ComboBoxPici, -1 when no item is selected
    int HazardIndex = 0;      // ComboBoxDangTypes
    QString HazardText;       // ComboBoxDangTypes text, picked or typed
    int PrecursorIndex = -1;  // ComboBoxQt
    QString IndexNoText = u"0"_qs;  // EditIndexNo; "0" means none
    bool RowLimit = true;     // CheckBox2
};

struct TSearchStatement {
    QString Text;
    // The catalogue number was neither "0" nor a run of decimal digits: the
    // caller tells the user, then runs Text all the same.
    bool IndexNoRejected = false;
};

// The one SELECT of a search. The criteria do not add up: each one that
// applies replaces the condition chosen so far, so the strongest wins.
TSearchStatement BuildSearchSql(const TSearchCriteria& criteria);

// The items of the three search combo boxes, in list order.
const QStringList& BatchItems();      // ComboBoxPici
const QStringList& PrecursorItems();  // ComboBoxQt
const QStringList& HazardItems();     // ComboBoxDangTypes
