#include "ResultSetFixture.h"

#include "db/DatabaseError.h"

#include "support/QtPrint.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(ResultSet, FieldsAreFoundWithoutRegardToCaseAndDescribeThemselves)
{
    OpenCatalogue(u"SELECT A.id, index_id, name1, A.cas as CAS, B.html_file FROM hazardous_chemicals A "
                  u"LEFT JOIN hazardous_chemicals_msds B ON A.cas = B.cas ORDER BY id LIMIT 5"_s);
    ASSERT_EQ(query_.FieldCount(), 5);
    EXPECT_EQ(query_.FindField(u"cas"_s), &query_.FieldAt(3));
    EXPECT_EQ(query_.FindField(u"cas"_s)->FieldName(), u"CAS"_s);
    EXPECT_EQ(query_.FindField(u"nothing"_s), nullptr);
    try {
        query_.FieldByName(u"Html_Files"_s);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.Message(), u"Field 'Html_Files' not found"_s);
    }

    Field& number = query_.FieldByName(u"index_id"_s);
    Field& name = query_.FieldByName(u"name1"_s);
    EXPECT_EQ(number.DataType(), FieldType::Integer);
    EXPECT_EQ(number.Alignment(), TextAlignment::Right);
    EXPECT_EQ(number.DisplayWidth(), 11);
    EXPECT_EQ(name.Alignment(), TextAlignment::Left);
    EXPECT_EQ(name.DisplayWidth(), 255);
    EXPECT_EQ(name.DisplayName(), u"name1"_s);
    name.SetDisplayLabel(u"品名"_s);
    EXPECT_EQ(name.DisplayName(), u"品名"_s);
    EXPECT_TRUE(name.Visible());
    EXPECT_FALSE(name.ReadOnly());

    EXPECT_EQ(number.AsInteger(), 1);
    EXPECT_EQ(name.AsString(), u"阿片"_s);
    EXPECT_EQ(query_.FieldByName(u"html_file"_s).DisplayText(), u"8008-60-4"_s);

    // A field's position is settable; the links hear of the new layout.
    name.SetIndex(0);
    EXPECT_EQ(&query_.FieldAt(0), &name);
    EXPECT_EQ(name.Index(), 0);
    EXPECT_EQ(number.Index(), 2);
    EXPECT_EQ(name.AsString(), u"阿片"_s);
    EXPECT_EQ(link_.Take(), (QStringList{u"active 1"_s, u"layout"_s}));
}

TEST_F(ResultSet, ValuesReadAsEachType)
{
    OpenSmall();
    query_.MoveBy(2);  // id 3: val 4.5, flag null
    Field& val = query_.FieldByName(u"val"_s);
    Field& flag = query_.FieldByName(u"flag"_s);
    EXPECT_EQ(val.DataType(), FieldType::Float);
    EXPECT_DOUBLE_EQ(val.AsFloat(), 4.5);
    EXPECT_EQ(val.DisplayText(), u"4.5"_s);
    EXPECT_EQ(val.AsInteger(), 5);  // rounded
    EXPECT_TRUE(flag.IsNull());
    query_.MoveBy(2);
    EXPECT_EQ(flag.AsInteger(), 1);
    EXPECT_EQ(query_.FieldByName(u"name"_s).AsString(), u"n5"_s);
    EXPECT_EQ(query_.FieldByName(u"name"_s).DisplayWidth(), 40);
}

TEST_F(ResultSet, MovesStopAtEitherEnd)
{
    EXPECT_FALSE(query_.Active());
    OpenSmall();
    EXPECT_EQ(query_.RecordCount(), 10);
    EXPECT_EQ(query_.RecNo(), 1);

    EXPECT_EQ(query_.MoveBy(4), 4);
    EXPECT_EQ(Id(), 5);
    EXPECT_EQ(query_.MoveBy(100), 5);
    EXPECT_EQ(query_.RecNo(), 10);
    EXPECT_EQ(query_.MoveBy(1), 0);
    EXPECT_EQ(query_.MoveBy(-100), -9);
    EXPECT_EQ(query_.RecNo(), 1);
    query_.Last();
    EXPECT_EQ(Id(), 10);
    query_.Prior();
    EXPECT_EQ(Id(), 9);
    query_.SetRecNo(4);
    EXPECT_EQ(Id(), 4);
    query_.SetRecNo(11);  // no such record: nothing happens
    EXPECT_EQ(Id(), 4);
}

TEST_F(ResultSet, AnyRowIsReadByIndexWithoutMovingAnything)
{
    OpenSmall();
    query_.SetRecNo(4);
    link_.Take();
    const Field& name = query_.FieldByName(u"name"_s);
    const Field& flag = query_.FieldByName(u"flag"_s);
    QStringList names;
    for (int record = 0; record < query_.RecordCount(); ++record)
        names.append(name.AsString(record) + (flag.IsNull(record) ? u"-"_s : flag.AsString(record)));
    EXPECT_EQ(names, (QStringList{u"n11"_s, u"n20"_s, u"n3-"_s, u"n40"_s, u"n51"_s, u"n6-"_s, u"n71"_s, u"n80"_s,
                                  u"n9-"_s, u"n100"_s}));
    EXPECT_TRUE(name.Value(-2).isNull());
    EXPECT_TRUE(name.Value(10).isNull());
    EXPECT_EQ(query_.RecNo(), 4);
    EXPECT_EQ(link_.Take(), QStringList());
}

class FieldWatch : public FieldWatcher {
public:
    explicit FieldWatch(QStringList& log) : log_(log) {}
    void FieldDestroyed(Field* field) override { log_.append(u"gone "_s + field->FieldName()); }

private:
    QStringList& log_;
};

TEST_F(ResultSet, CloseTellsTheLinksThenDestroysTheWatchedFields)
{
    OpenSmall();
    link_.Take();
    FieldWatch watch(link_.Heard);
    query_.FieldByName(u"name"_s).AddWatcher(&watch);
    query_.Close();
    query_.Close();  // closing a closed query does nothing
    EXPECT_EQ(link_.Take(), (QStringList{u"active 0"_s, u"gone name"_s}));
    EXPECT_EQ(query_.FieldCount(), 0);
    EXPECT_EQ(link_.RecordCount(), 0);
}

} // namespace
