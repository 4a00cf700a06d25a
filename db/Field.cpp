#include "Field.h"

#include "Query.h"

bool DbField::IsNull() const
{
    return Value().isNull();
}

QVariant DbField::Value() const
{
    return query_.CurrentValue(index_);
}

QString DbField::AsString() const
{
    const QVariant value = Value();
    return value.isNull() ? QString() : value.toString();
}
