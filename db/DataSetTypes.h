#pragma once

#include <QByteArray>
#include <functional>

class Query;

enum class DataSetState { Inactive, Browse, Edit, Insert };
enum class FieldType { Unknown, String, WideString, Smallint, Integer, Largeint, Float, Boolean, DateTime };
enum class FieldKind { Data, Calculated, Lookup };
enum class TextAlignment { Left, Right, Center };

// A record's place in an open result set; valid only for the opening it was
// taken from.
struct Bookmark {
    qint64 Opening = 0;  // which opening of the result set
    int Record = -1;     // 0-based record index
    bool IsNull() const { return Record < 0; }
    bool operator==(const Bookmark&) const = default;
};

using DataSetHandler = std::function<void(Query& dataSet)>;
