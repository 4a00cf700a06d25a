#include "GridFont.h"

using namespace Qt::StringLiterals;

GridFont ReadGridFont(const QJsonObject& stored)
{
    return {ReadFontSpec(stored), stored.value(u"Color").toString(u"clWindowText"_s)};
}

QJsonObject WriteGridFont(const GridFont& font)
{
    QJsonObject stored = WriteFontSpec(font.Face);
    stored.insert(u"Color"_s, font.Colour);
    return stored;
}
