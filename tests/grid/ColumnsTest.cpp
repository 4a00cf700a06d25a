#include "ColumnsFixture.h"

#include "support/QtPrint.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

TEST_F(Columns, ANameBindsWithoutRegardToCaseAndTakesTheFieldsSpelling)
{
    GridColumn& cas = columns_.add();
    cas.setFieldName(u"cas"_s);
    EXPECT_EQ(cas.boundField(), nullptr);  // closed: nothing to bind
    query_.open();
    columns_.bindFieldsByName();  // as the grid does when the result set opens
    ASSERT_NE(cas.boundField(), nullptr);
    EXPECT_EQ(cas.fieldName(), u"CAS"_s);
    EXPECT_EQ(cas.cellText(), u"8008-60-4"_s);

    // Closing drops the field; reopening binds again by name.
    query_.close();
    columns_.bindFieldsByName();
    EXPECT_EQ(cas.boundField(), nullptr);
    EXPECT_EQ(cas.cellText(), QString());
    query_.open();
    columns_.bindFieldsByName();
    EXPECT_EQ(cas.cellText(), u"8008-60-4"_s);

    GridColumn& missing = columns_.add();
    missing.setFieldName(u"no_such_field"_s);
    EXPECT_EQ(missing.boundField(), nullptr);
    EXPECT_EQ(missing.cellText(), QString());
    EXPECT_EQ(missing.title().caption(), u"no_such_field"_s);
    EXPECT_EQ(missing.width(), 64);  // the grid's default column width
    EXPECT_EQ(missing.alignment(), TextAlignment::Left);
}

TEST_F(Columns, TheCaptionFallsBackToTheFieldName)
{
    query_.open();
    GridColumn& c = columns_.add();
    c.setFieldName(u"name1"_s);
    EXPECT_EQ(c.title().caption(), u"name1"_s);  // the field's name
    c.title().setCaption(u"名称"_s);
    EXPECT_EQ(c.title().caption(), u"名称"_s);  // set
    GridColumn& unbound = columns_.add();
    unbound.setFieldName(u"x"_s);
    EXPECT_EQ(unbound.title().caption(), u"x"_s);  // no field: the column's FieldName
}

TEST_F(Columns, ColumnFontsThatWereSetStayWhenTheGridFontChanges)
{
    addMainWindowColumns();
    grid_.look.font = GridFont{{u"宋体"_s, -18}, colourFromName(u"clWindowText"_s)};
    grid_.look.titleFont = GridFont{{u"宋体"_s, -16}, colourFromName(u"clWindowText"_s)};
    grid_.look.footerFont = GridFont{{u"宋体"_s, -17}, colourFromName(u"clWindowText"_s)};
    for (int i = 0; i < 8; ++i) {
        const bool small = i == 5 || i == 6;
        EXPECT_EQ(columns_.item(i).font().face.height, small ? -13 : -18) << i;
        EXPECT_EQ(columns_.item(i).title().font().face.height, -16) << i;
        EXPECT_EQ(columns_.item(i).footer().font().face.height, -17) << i;
    }
    EXPECT_EQ(columns_.item(6).title().alignment(), TextAlignment::Left);
    EXPECT_EQ(columns_.item(0).title().alignment(), TextAlignment::Center);
    EXPECT_EQ(columns_.item(0).footer().color(), colourFromName(u"clInactiveBorder"_s));
    EXPECT_EQ(columns_.item(1).title().color(), colourFromName(u"clBtnFace"_s));
}

TEST_F(Columns, ChangesReachTheGridOnceABracketEnds)
{
    GridColumn& a = columns_.add();
    GridColumn& b = columns_.add();
    grid_.changes.clear();
    a.setAlignment(TextAlignment::Right);
    a.setAlignment(TextAlignment::Right);  // same value: nothing
    b.setFont(GridFont{{u"宋体"_s, -13}, colourFromName(u"clWindowText"_s)});  // each change names its column
    EXPECT_EQ(grid_.changes, (QStringList{u"0"_s, u"1"_s}));

    grid_.changes.clear();
    columns_.beginUpdate();
    a.setWidth(90);
    b.setAlignment(TextAlignment::Right);
    columns_.endUpdate();
    EXPECT_EQ(grid_.changes, QStringList{u"all"_s});
}

// A name the result set lacks lets the old field go: the column shows nothing.
TEST_F(Columns, ANameThatMatchesNoFieldUnbindsTheColumn)
{
    query_.open();
    GridColumn& persistent = columns_.add();
    persistent.setFieldName(u"id"_s);
    persistent.setFieldName(u"no_such"_s);
    EXPECT_EQ(persistent.boundField(), nullptr);
    EXPECT_EQ(persistent.cellText(), QString());
}

TEST_F(Columns, TheStoredListIsReadWithItsNames)
{
    addMainWindowColumns();
    ASSERT_EQ(columns_.count(), 8);
    EXPECT_EQ(columns_.item(0).width(), 102);
    EXPECT_EQ(columns_.item(0).fieldName(), u"index_id"_s);
    EXPECT_EQ(columns_.item(0).title().caption(), u"危化目录序号"_s);
    EXPECT_EQ(columns_.item(0).footer().valueType(), FooterValueType::Count);
    EXPECT_EQ(columns_.item(0).footer().displayFormat, u"共#0条"_s);
    EXPECT_EQ(columns_.item(0).alignment(), TextAlignment::Center);
    EXPECT_EQ(columns_.item(5).font().face.height, -13);
    EXPECT_EQ(columns_.item(6).title().alignment(), TextAlignment::Left);

    // Footers count or show nothing: any other stored value type shows nothing.
    GridColumns read(&grid_);
    readGridColumns(read, QJsonArray{QJsonObject{{u"FieldName"_s, u"cas"_s}, {u"Footer.ValueType"_s, u"fvtSum"_s}}});
    EXPECT_EQ(read.item(0).footer().valueType(), FooterValueType::None);
}

} // namespace
