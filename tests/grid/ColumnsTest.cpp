#include "ColumnsFixture.h"

#include "support/QtPrint.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

TEST_F(Columns, ANameBindsWithoutRegardToCaseAndTakesTheFieldsSpelling)
{
    GridColumn& cas = columns_.Add();
    cas.SetFieldName(u"cas"_s);
    EXPECT_EQ(cas.BoundField(), nullptr);  // closed: nothing to bind
    query_.Open();
    columns_.BindFieldsByName();  // as the grid does when the result set opens
    ASSERT_NE(cas.BoundField(), nullptr);
    EXPECT_EQ(cas.FieldName(), u"CAS"_s);
    EXPECT_EQ(cas.CellText(), u"8008-60-4"_s);

    // Closing drops the field; reopening binds again by name.
    query_.Close();
    columns_.BindFieldsByName();
    EXPECT_EQ(cas.BoundField(), nullptr);
    EXPECT_EQ(cas.CellText(), QString());
    query_.Open();
    columns_.BindFieldsByName();
    EXPECT_EQ(cas.CellText(), u"8008-60-4"_s);

    GridColumn& missing = columns_.Add();
    missing.SetFieldName(u"no_such_field"_s);
    EXPECT_EQ(missing.BoundField(), nullptr);
    EXPECT_EQ(missing.CellText(), QString());
    EXPECT_EQ(missing.Title().Caption(), u"no_such_field"_s);
    EXPECT_EQ(missing.Width(), 64);  // the grid's default column width
    EXPECT_EQ(missing.Alignment(), TextAlignment::Left);
}

TEST_F(Columns, TheCaptionFallsBackFromSetToLabelToNames)
{
    query_.Open();
    GridColumn& c = columns_.Add();
    c.SetFieldName(u"name1"_s);
    EXPECT_EQ(c.Title().Caption(), u"name1"_s);  // the field's name
    c.BoundField()->SetDisplayLabel(u"品名"_s);
    EXPECT_EQ(c.Title().Caption(), u"品名"_s);  // its display label
    c.Title().SetCaption(u"名称"_s);
    EXPECT_EQ(c.Title().Caption(), u"名称"_s);  // set
    c.Title().ClearAssignedValues();
    EXPECT_EQ(c.Title().Caption(), u"品名"_s);
    GridColumn& unbound = columns_.Add();
    unbound.SetFieldName(u"x"_s);
    EXPECT_EQ(unbound.Title().Caption(), u"x"_s);  // no field: the column's FieldName
}

TEST_F(Columns, ColumnFontsThatWereSetStayWhenTheGridFontChanges)
{
    AddMainWindowColumns();
    grid_.appearance.Font = GridFont{{u"宋体"_s, -18}, ColourFromName(u"clWindowText"_s)};
    grid_.appearance.TitleFont = GridFont{{u"宋体"_s, -16}, ColourFromName(u"clWindowText"_s)};
    grid_.appearance.FooterFont = GridFont{{u"宋体"_s, -17}, ColourFromName(u"clWindowText"_s)};
    for (int i = 0; i < 8; ++i) {
        const bool small = i == 5 || i == 6;
        EXPECT_EQ(columns_.Item(i).Font().Face.Height, small ? -13 : -18) << i;
        EXPECT_EQ(columns_.Item(i).Title().Font().Face.Height, -16) << i;
        EXPECT_EQ(columns_.Item(i).Footer().Font().Face.Height, -17) << i;
    }
    EXPECT_EQ(columns_.Item(6).Title().Alignment(), TextAlignment::Left);
    EXPECT_EQ(columns_.Item(0).Title().Alignment(), TextAlignment::Center);
    EXPECT_EQ(columns_.Item(0).Footer().Color(), ColourFromName(u"clInactiveBorder"_s));
    EXPECT_EQ(columns_.Item(1).Title().Color(), ColourFromName(u"clBtnFace"_s));
}

TEST_F(Columns, AnUnassignedWidthFollowsTheFieldsDisplayWidth)
{
    query_.Open();
    GridColumn& c = columns_.Add();
    c.SetFieldName(u"index_id"_s);
    // The recording canvas measures "0" 7 pixels wide in a 15-pixel font.
    EXPECT_EQ(c.Width(), 7 * 11 + 4);
    c.SetWidth(7 * 11 + 4);  // equal to the default: stays unassigned
    EXPECT_FALSE(c.IsAssigned(GridColumn::Property::Width));
    c.BoundField()->SetDisplayWidth(5);
    EXPECT_EQ(c.Width(), 7 * 5 + 4);
    c.SetWidth(-1);  // ignored
    EXPECT_FALSE(c.IsAssigned(GridColumn::Property::Width));
    c.SetWidth(102);
    EXPECT_TRUE(c.IsAssigned(GridColumn::Property::Width));
    EXPECT_EQ(c.Width(), 102);
}

TEST_F(Columns, TheMinimumWidthWinsOverTheMaximum)
{
    GridColumn& c = columns_.Add();
    c.SetMaxWidth(100);
    c.SetMinWidth(120);
    EXPECT_EQ(c.Width(), 120);
    c.SetWidth(300);
    EXPECT_EQ(c.Width(), 120);
    c.SetWidth(50);
    EXPECT_EQ(c.Width(), 120);

    GridColumn& d = columns_.Add();
    d.SetWidth(150);
    d.SetMaxWidth(100);
    EXPECT_EQ(d.Width(), 100);
}

TEST_F(Columns, ChangesReachTheGridOnceABracketEnds)
{
    GridColumn& a = columns_.Add();
    GridColumn& b = columns_.Add();
    grid_.changes.clear();
    a.SetColor(ColourFromName(u"clRed"_s));
    a.SetColor(ColourFromName(u"clRed"_s));  // same value: nothing
    b.SetVisible(false);       // visibility concerns every column
    EXPECT_EQ(grid_.changes, (QStringList{u"0"_s, u"all"_s}));
    EXPECT_FALSE(b.Visible());
    EXPECT_EQ(b.Index(), 1);  // an invisible column keeps its place

    grid_.changes.clear();
    columns_.BeginUpdate();
    a.SetWidth(90);
    b.SetAlignment(TextAlignment::Right);
    columns_.EndUpdate();
    EXPECT_EQ(grid_.changes, QStringList{u"all"_s});
}

TEST_F(Columns, DefaultColumnsKeepFollowingTheirField)
{
    query_.Open();
    GridColumn& c = columns_.AddDefault();
    c.BindField(query_.FindField(u"name1"_s));
    EXPECT_TRUE(c.IsDefaultColumn());
    c.SetAlignment(TextAlignment::Center);
    EXPECT_FALSE(c.IsAssigned(GridColumn::Property::Alignment));
    EXPECT_EQ(query_.FindField(u"name1"_s)->Alignment(), TextAlignment::Center);
    EXPECT_EQ(c.Alignment(), TextAlignment::Center);
    c.Title().SetCaption(u"品名"_s);
    EXPECT_EQ(query_.FindField(u"name1"_s)->DisplayLabel(), u"品名"_s);
    c.SetWidth(7 * 30 + 4);  // into the field's display width
    EXPECT_EQ(query_.FindField(u"name1"_s)->DisplayWidth(), 30);
    c.BindField(nullptr);
    EXPECT_EQ(c.FieldName(), QString());
}

// A name the result set lacks lets the old field go: the column shows
// nothing, its footer aggregates under the new name, a default column is cleared.
TEST_F(Columns, ANameThatMatchesNoFieldUnbindsTheColumn)
{
    query_.Open();
    GridColumn& persistent = columns_.Add();
    persistent.SetFieldName(u"id"_s);
    persistent.Footer().SetValueType(FooterValueType::Sum);
    persistent.SetFieldName(u"no_such"_s);
    EXPECT_EQ(persistent.BoundField(), nullptr);
    EXPECT_EQ(persistent.CellText(), QString());
    EXPECT_EQ(persistent.Footer().Sum()->FieldName(), u"no_such"_s);

    GridColumn& byDefault = columns_.AddDefault();
    byDefault.BindField(query_.FindField(u"name1"_s));
    byDefault.SetFieldName(u"no_such"_s);
    EXPECT_EQ(byDefault.BoundField(), nullptr);
    EXPECT_EQ(byDefault.FieldName(), QString());
}

TEST_F(Columns, CellTextMapsKeysAndFormatsNumbers)
{
    query_.Open();
    GridColumn& number = columns_.Add();
    number.SetFieldName(u"index_id"_s);
    number.SetDisplayFormat(u"第0000号"_s);
    EXPECT_EQ(number.CellText(), u"第0001号"_s);

    GridColumn& batch = columns_.Add();
    batch.SetFieldName(u"Iadmin_no"_s);
    batch.KeyList = {u"0"_s, u"1"_s};
    batch.PickList = {u"否"_s, u"首批"_s, u"其它"_s};
    EXPECT_EQ(batch.Kind(), ColumnKind::KeyPickList);
    EXPECT_EQ(batch.CellText(), u"否"_s);
    query_.Next();  // 氨: first batch
    EXPECT_EQ(batch.CellText(), u"首批"_s);
    batch.KeyList = {u"7"_s};
    EXPECT_EQ(batch.CellText(), QString());
    batch.NotInKeyListIndex = 2;
    EXPECT_EQ(batch.CellText(), u"其它"_s);

    GridColumn& text = columns_.Add();
    text.SetFieldName(u"name1"_s);
    text.SetDisplayFormat(u"0"_s);  // a format on text gives nothing
    EXPECT_EQ(text.CellText(), QString());
}

TEST_F(Columns, ACountFooterOwnsOneCountItem)
{
    AddMainWindowColumns();
    GridColumn& first = columns_.Item(0);
    SumItems& sums = grid_.sumList.SumCollection();
    EXPECT_EQ(&first.FooterForRow(0), &first.Footer());
    ASSERT_EQ(sums.Count(), 1);
    EXPECT_EQ(sums.Item(0).GroupOperation(), SumItem::Operation::Count);
    EXPECT_EQ(sums.Item(0).FieldName(), QString());
    first.Footer().SetFieldName(u"name1"_s);  // a count keeps no field
    EXPECT_EQ(sums.Item(0).FieldName(), QString());
    first.Footer().SetValueType(FooterValueType::Sum);
    EXPECT_EQ(sums.Item(0).GroupOperation(), SumItem::Operation::Sum);
    EXPECT_EQ(sums.Item(0).FieldName(), u"name1"_s);
    first.Footer().SetFieldName(QString());  // then the column's field
    EXPECT_EQ(sums.Item(0).FieldName(), u"index_id"_s);
    first.Footer().SetValueType(FooterValueType::StaticText);
    EXPECT_EQ(sums.Count(), 0);
    EXPECT_EQ(first.Footer().Sum(), nullptr);
    ColumnFooter& second = first.Footers().Add();
    EXPECT_EQ(&first.FooterForRow(0), &second);
    EXPECT_EQ(&first.FooterForRow(1), &first.Footer());
}

// A changed default repaints the grid; one that shapes the layout lays it out.
TEST_F(Columns, ChangedDefaultsAndTitleImagesReachTheGrid)
{
    GridColumn& c = columns_.Add();
    grid_.repaints = grid_.layouts = 0;
    grid_.ColumnDefValues().EndEllipsis = true;
    grid_.ColumnDefValues().EndEllipsis = true;  // no change
    EXPECT_EQ(grid_.repaints, 1);
    EXPECT_TRUE(c.EndEllipsis());
    grid_.ColumnDefValues().Title.Orientation = TextOrientation::Vertical;
    c.Title().SetImageIndex(4);
    EXPECT_EQ(grid_.layouts, 2);
}

TEST_F(Columns, TheStoredListIsReadWithItsNames)
{
    AddMainWindowColumns();
    EXPECT_TRUE(columns_.PersistentState());
    ASSERT_EQ(columns_.Count(), 8);
    EXPECT_EQ(columns_.Item(0).Width(), 102);
    EXPECT_EQ(columns_.Item(0).FieldName(), u"index_id"_s);
    EXPECT_EQ(columns_.Item(0).Title().Caption(), u"危化目录序号"_s);
    EXPECT_EQ(columns_.Item(0).Footer().ValueType(), FooterValueType::Count);
    EXPECT_EQ(columns_.Item(0).Footer().DisplayFormat, u"共#0条"_s);
    EXPECT_EQ(columns_.Item(0).Alignment(), TextAlignment::Center);
    EXPECT_EQ(columns_.Item(5).Font().Face.Height, -13);
    EXPECT_FALSE(columns_.Item(0).IsAssigned(GridColumn::Property::Font));  // only fonts that were set
    EXPECT_FALSE(columns_.Item(6).IsAssigned(GridColumn::Property::TitleAlignment));

    const struct {
        const char* name;
        SortMark mark;
    } markers[] = {{"smNone", SortMark::None}, {"smDown", SortMark::Down}, {"smUp", SortMark::Up}};
    for (const auto& marker : markers) {
        GridColumns read(&grid_);
        grid_.loading = true;
        ReadGridColumns(read, QJsonArray{QJsonObject{{u"FieldName"_s, u"cas"_s}, {u"Title.SortMarker"_s, QString::fromLatin1(marker.name)}}});
        grid_.loading = false;
        EXPECT_EQ(read.Item(0).Title().SortMarker, marker.mark) << marker.name;
    }
}

} // namespace
