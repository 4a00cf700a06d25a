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

TEST_F(Columns, TheCaptionFallsBackFromSetToLabelToNames)
{
    query_.open();
    GridColumn& c = columns_.add();
    c.setFieldName(u"name1"_s);
    EXPECT_EQ(c.title().caption(), u"name1"_s);  // the field's name
    c.boundField()->setDisplayLabel(u"品名"_s);
    EXPECT_EQ(c.title().caption(), u"品名"_s);  // its display label
    c.title().setCaption(u"名称"_s);
    EXPECT_EQ(c.title().caption(), u"名称"_s);  // set
    c.title().clearAssignedValues();
    EXPECT_EQ(c.title().caption(), u"品名"_s);
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

TEST_F(Columns, AnUnassignedWidthFollowsTheFieldsDisplayWidth)
{
    query_.open();
    GridColumn& c = columns_.add();
    c.setFieldName(u"index_id"_s);
    // The recording canvas measures "0" 7 pixels wide in a 15-pixel font.
    EXPECT_EQ(c.width(), 7 * 11 + 4);
    c.setWidth(7 * 11 + 4);  // equal to the default: stays unassigned
    EXPECT_FALSE(c.isAssigned(GridColumn::Property::Width));
    c.boundField()->setDisplayWidth(5);
    EXPECT_EQ(c.width(), 7 * 5 + 4);
    c.setWidth(-1);  // ignored
    EXPECT_FALSE(c.isAssigned(GridColumn::Property::Width));
    c.setWidth(102);
    EXPECT_TRUE(c.isAssigned(GridColumn::Property::Width));
    EXPECT_EQ(c.width(), 102);
}

TEST_F(Columns, TheMinimumWidthWinsOverTheMaximum)
{
    GridColumn& c = columns_.add();
    c.setMaxWidth(100);
    c.setMinWidth(120);
    EXPECT_EQ(c.width(), 120);
    c.setWidth(300);
    EXPECT_EQ(c.width(), 120);
    c.setWidth(50);
    EXPECT_EQ(c.width(), 120);

    GridColumn& d = columns_.add();
    d.setWidth(150);
    d.setMaxWidth(100);
    EXPECT_EQ(d.width(), 100);
}

TEST_F(Columns, ChangesReachTheGridOnceABracketEnds)
{
    GridColumn& a = columns_.add();
    GridColumn& b = columns_.add();
    grid_.changes.clear();
    a.setColor(colourFromName(u"clRed"_s));
    a.setColor(colourFromName(u"clRed"_s));  // same value: nothing
    b.setVisible(false);       // visibility concerns every column
    EXPECT_EQ(grid_.changes, (QStringList{u"0"_s, u"all"_s}));
    EXPECT_FALSE(b.visible());
    EXPECT_EQ(b.index(), 1);  // an invisible column keeps its place

    grid_.changes.clear();
    columns_.beginUpdate();
    a.setWidth(90);
    b.setAlignment(TextAlignment::Right);
    columns_.endUpdate();
    EXPECT_EQ(grid_.changes, QStringList{u"all"_s});
}

TEST_F(Columns, DefaultColumnsKeepFollowingTheirField)
{
    query_.open();
    GridColumn& c = columns_.addDefault();
    c.bindField(query_.findField(u"name1"_s));
    EXPECT_TRUE(c.isDefaultColumn());
    c.setAlignment(TextAlignment::Center);
    EXPECT_FALSE(c.isAssigned(GridColumn::Property::Alignment));
    EXPECT_EQ(query_.findField(u"name1"_s)->alignment(), TextAlignment::Center);
    EXPECT_EQ(c.alignment(), TextAlignment::Center);
    c.title().setCaption(u"品名"_s);
    EXPECT_EQ(query_.findField(u"name1"_s)->displayLabel(), u"品名"_s);
    c.setWidth(7 * 30 + 4);  // into the field's display width
    EXPECT_EQ(query_.findField(u"name1"_s)->displayWidth(), 30);
    c.bindField(nullptr);
    EXPECT_EQ(c.fieldName(), QString());
}

// A name the result set lacks lets the old field go: the column shows
// nothing, its footer aggregates under the new name, a default column is cleared.
TEST_F(Columns, ANameThatMatchesNoFieldUnbindsTheColumn)
{
    query_.open();
    GridColumn& persistent = columns_.add();
    persistent.setFieldName(u"id"_s);
    persistent.footer().setValueType(FooterValueType::Sum);
    persistent.setFieldName(u"no_such"_s);
    EXPECT_EQ(persistent.boundField(), nullptr);
    EXPECT_EQ(persistent.cellText(), QString());
    EXPECT_EQ(persistent.footer().sum()->fieldName(), u"no_such"_s);

    GridColumn& byDefault = columns_.addDefault();
    byDefault.bindField(query_.findField(u"name1"_s));
    byDefault.setFieldName(u"no_such"_s);
    EXPECT_EQ(byDefault.boundField(), nullptr);
    EXPECT_EQ(byDefault.fieldName(), QString());
}

TEST_F(Columns, CellTextMapsKeysAndFormatsNumbers)
{
    query_.open();
    GridColumn& number = columns_.add();
    number.setFieldName(u"index_id"_s);
    number.setDisplayFormat(u"第0000号"_s);
    EXPECT_EQ(number.cellText(), u"第0001号"_s);

    GridColumn& batch = columns_.add();
    batch.setFieldName(u"Iadmin_no"_s);
    batch.keyList = {u"0"_s, u"1"_s};
    batch.pickList = {u"否"_s, u"首批"_s, u"其它"_s};
    EXPECT_EQ(batch.kind(), ColumnKind::KeyPickList);
    EXPECT_EQ(batch.cellText(), u"否"_s);
    query_.next();  // 氨: first batch
    EXPECT_EQ(batch.cellText(), u"首批"_s);
    batch.keyList = {u"7"_s};
    EXPECT_EQ(batch.cellText(), QString());
    batch.notInKeyListIndex = 2;
    EXPECT_EQ(batch.cellText(), u"其它"_s);

    GridColumn& text = columns_.add();
    text.setFieldName(u"name1"_s);
    text.setDisplayFormat(u"0"_s);  // a format on text gives nothing
    EXPECT_EQ(text.cellText(), QString());
}

TEST_F(Columns, ACountFooterOwnsOneCountItem)
{
    addMainWindowColumns();
    GridColumn& first = columns_.item(0);
    SumItems& sums = grid_.sums.sumCollection();
    EXPECT_EQ(&first.footerForRow(0), &first.footer());
    ASSERT_EQ(sums.count(), 1);
    EXPECT_EQ(sums.item(0).groupOperation(), SumItem::Operation::Count);
    EXPECT_EQ(sums.item(0).fieldName(), QString());
    first.footer().setFieldName(u"name1"_s);  // a count keeps no field
    EXPECT_EQ(sums.item(0).fieldName(), QString());
    first.footer().setValueType(FooterValueType::Sum);
    EXPECT_EQ(sums.item(0).groupOperation(), SumItem::Operation::Sum);
    EXPECT_EQ(sums.item(0).fieldName(), u"name1"_s);
    first.footer().setFieldName(QString());  // then the column's field
    EXPECT_EQ(sums.item(0).fieldName(), u"index_id"_s);
    first.footer().setValueType(FooterValueType::StaticText);
    EXPECT_EQ(sums.count(), 0);
    EXPECT_EQ(first.footer().sum(), nullptr);
    ColumnFooter& second = first.footers().add();
    EXPECT_EQ(&first.footerForRow(0), &second);
    EXPECT_EQ(&first.footerForRow(1), &first.footer());
}

// A changed default repaints the grid; one that shapes the layout lays it out.
TEST_F(Columns, ChangedDefaultsAndTitleImagesReachTheGrid)
{
    GridColumn& c = columns_.add();
    grid_.repaints = grid_.layouts = 0;
    grid_.columnDefValues().endEllipsis = true;
    grid_.columnDefValues().endEllipsis = true;  // no change
    EXPECT_EQ(grid_.repaints, 1);
    EXPECT_TRUE(c.endEllipsis());
    grid_.columnDefValues().title.orientation = TextOrientation::Vertical;
    c.title().setImageIndex(4);
    EXPECT_EQ(grid_.layouts, 2);
}

TEST_F(Columns, TheStoredListIsReadWithItsNames)
{
    addMainWindowColumns();
    EXPECT_TRUE(columns_.persistentState());
    ASSERT_EQ(columns_.count(), 8);
    EXPECT_EQ(columns_.item(0).width(), 102);
    EXPECT_EQ(columns_.item(0).fieldName(), u"index_id"_s);
    EXPECT_EQ(columns_.item(0).title().caption(), u"危化目录序号"_s);
    EXPECT_EQ(columns_.item(0).footer().valueType(), FooterValueType::Count);
    EXPECT_EQ(columns_.item(0).footer().displayFormat, u"共#0条"_s);
    EXPECT_EQ(columns_.item(0).alignment(), TextAlignment::Center);
    EXPECT_EQ(columns_.item(5).font().face.height, -13);
    EXPECT_FALSE(columns_.item(0).isAssigned(GridColumn::Property::Font));  // only fonts that were set
    EXPECT_FALSE(columns_.item(6).isAssigned(GridColumn::Property::TitleAlignment));

    const struct {
        const char* name;
        SortMark mark;
    } markers[] = {{"smNone", SortMark::None}, {"smDown", SortMark::Down}, {"smUp", SortMark::Up}};
    for (const auto& marker : markers) {
        GridColumns read(&grid_);
        grid_.loadingNow = true;
        readGridColumns(read, QJsonArray{QJsonObject{{u"FieldName"_s, u"cas"_s}, {u"Title.SortMarker"_s, QString::fromLatin1(marker.name)}}});
        grid_.loadingNow = false;
        EXPECT_EQ(read.item(0).title().sortMarker, marker.mark) << marker.name;
    }
}

} // namespace
