// A column's title and footer.
#include "GridColumns.h"

#include "db/Query.h"
#include "platform/FormatNumber.h"
#include "sumlist/SumList.h"

void ColumnTitle::setAlignment(TextAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    column_.changed();
}

QString ColumnTitle::caption() const
{
    if (caption_)
        return *caption_;
    return column_.fieldName();
}

void ColumnTitle::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    column_.changed();
}

Colour ColumnTitle::color() const
{
    return column_.look().fixedColor;
}

GridFont ColumnTitle::font() const
{
    return column_.look().titleFont;
}

TextAlignment ColumnFooter::alignment() const
{
    if (alignment_)
        return *alignment_;
    Field* field = column_.boundField();
    return field ? field->alignment() : TextAlignment::Left;
}

void ColumnFooter::setAlignment(TextAlignment alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    column_.changed();
}

Colour ColumnFooter::color() const
{
    return column_.look().footerColor;
}

GridFont ColumnFooter::font() const
{
    return column_.look().footerFont;
}

void ColumnFooter::setValueType(FooterValueType type)
{
    if (valueType_ == type)
        return;
    valueType_ = type;
    column_.changed();
}

QString ColumnFooter::text() const
{
    if (valueType_ == FooterValueType::None)
        return QString();
    ColumnsOwner* grid = column_.grid();
    const int count = grid && grid->sumList() ? grid->sumList()->count() : 0;
    return displayFormat.isEmpty() ? QString::number(count) : formatCount(displayFormat, count);
}
