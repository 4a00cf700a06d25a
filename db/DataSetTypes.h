#pragma once

#include <QByteArray>
#include <functional>

class DbQuery;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
enum TFieldType { ftUnknown, ftString, ftWideString, ftSmallint, ftInteger, ftLargeint, ftFloat, ftBoolean, ftDateTime };
enum TFieldKind { fkData, fkCalculated, fkLookup };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A record's place in an open result set; valid only for the opening it was
// taken from.
struct TBookmark {
    qint64 Opening = 0;  // which opening of the result set
    int Record = -1;     // 0-based record index
    bool IsNull() const { return Record < 0; }
    bool operator==(const TBookmark&) const = default;
};

using TDataSetNotifyEvent = std::function<void(DbQuery& dataSet)>;
