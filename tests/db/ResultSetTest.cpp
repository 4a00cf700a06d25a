#include "ResultSetFixture.h"

#include "db/DatabaseError.h"

#include "support/QtPrint.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(ResultSet, FieldsAreFoundWithoutRegardToCaseAndDescribeThemselves)
{
    openCatalogue(u"SELECT A.id, index_id, name1, A.cas as CAS, B.html_file FROM hazardous_chemicals A "
                  u"LEFT JOIN hazardous_chemicals_msds B ON A.cas = B.cas ORDER BY id LIMIT 5"_s);
    ASSERT_EQ(query_.fieldCount(), 5);
    EXPECT_EQ(query_.findField(u"cas"_s), &query_.fieldAt(3));
    EXPECT_EQ(query_.findField(u"cas"_s)->fieldName(), u"CAS"_s);
    EXPECT_EQ(query_.findField(u"nothing"_s), nullptr);
    try {
        query_.fieldByName(u"Html_Files"_s);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), u"Field 'Html_Files' not found"_s);
    }

    Field& number = query_.fieldByName(u"index_id"_s);
    Field& name = query_.fieldByName(u"name1"_s);
    EXPECT_EQ(number.dataType(), FieldType::Integer);
    EXPECT_EQ(number.alignment(), TextAlignment::Right);
    EXPECT_EQ(name.alignment(), TextAlignment::Left);

    EXPECT_EQ(number.asInteger(), 1);
    EXPECT_EQ(name.asString(), u"阿片"_s);
    EXPECT_EQ(query_.fieldByName(u"html_file"_s).displayText(), u"8008-60-4"_s);
    EXPECT_EQ(name.index(), 2);
    EXPECT_EQ(link_.take(), QStringList{u"active 1"_s});
}

TEST_F(ResultSet, ValuesReadAsEachType)
{
    openSmall();
    query_.moveBy(2);  // id 3: val 4.5, flag null
    Field& val = query_.fieldByName(u"val"_s);
    Field& flag = query_.fieldByName(u"flag"_s);
    EXPECT_EQ(val.dataType(), FieldType::Float);
    EXPECT_DOUBLE_EQ(val.value().toDouble(), 4.5);
    EXPECT_EQ(val.displayText(), u"4.5"_s);
    EXPECT_EQ(val.asInteger(), 5);  // rounded
    EXPECT_TRUE(flag.isNull());
    query_.moveBy(2);
    EXPECT_EQ(flag.asInteger(), 1);
    EXPECT_EQ(query_.fieldByName(u"name"_s).asString(), u"n5"_s);
    EXPECT_EQ(query_.fieldByName(u"name"_s).size(), 40);
}

TEST_F(ResultSet, MovesStopAtEitherEnd)
{
    EXPECT_FALSE(query_.active());
    openSmall();
    EXPECT_EQ(query_.recordCount(), 10);
    EXPECT_EQ(query_.recNo(), 1);

    EXPECT_EQ(query_.moveBy(4), 4);
    EXPECT_EQ(id(), 5);
    EXPECT_EQ(query_.moveBy(100), 5);
    EXPECT_EQ(query_.recNo(), 10);
    EXPECT_EQ(query_.moveBy(1), 0);
    EXPECT_EQ(query_.moveBy(-100), -9);
    EXPECT_EQ(query_.recNo(), 1);
    query_.last();
    EXPECT_EQ(id(), 10);
    query_.moveBy(-1);
    EXPECT_EQ(id(), 9);
    query_.setRecNo(4);
    EXPECT_EQ(id(), 4);
    query_.setRecNo(11);  // no such record: nothing happens
    EXPECT_EQ(id(), 4);
}

TEST_F(ResultSet, AnyRowIsReadByIndexWithoutMovingAnything)
{
    openSmall();
    query_.setRecNo(4);
    link_.take();
    const Field& name = query_.fieldByName(u"name"_s);
    const Field& flag = query_.fieldByName(u"flag"_s);
    QStringList names;
    for (int record = 0; record < query_.recordCount(); ++record)
        names.append(name.asString(record) + (flag.isNull(record) ? u"-"_s : flag.asString(record)));
    EXPECT_EQ(names, (QStringList{u"n11"_s, u"n20"_s, u"n3-"_s, u"n40"_s, u"n51"_s, u"n6-"_s, u"n71"_s, u"n80"_s,
                                  u"n9-"_s, u"n100"_s}));
    EXPECT_TRUE(name.value(-2).isNull());
    EXPECT_TRUE(name.value(10).isNull());
    EXPECT_EQ(query_.recNo(), 4);
    EXPECT_EQ(link_.take(), QStringList());
}

class FieldWatch : public FieldWatcher {
public:
    explicit FieldWatch(QStringList& log) : log_(log) {}
    void fieldDestroyed(Field* field) override { log_.append(u"gone "_s + field->fieldName()); }

private:
    QStringList& log_;
};

TEST_F(ResultSet, CloseTellsTheLinksThenDestroysTheWatchedFields)
{
    openSmall();
    link_.take();
    FieldWatch watch(link_.heard);
    query_.fieldByName(u"name"_s).addWatcher(&watch);
    query_.close();
    query_.close();  // closing a closed query does nothing
    EXPECT_EQ(link_.take(), (QStringList{u"active 0"_s, u"gone name"_s}));
    EXPECT_EQ(query_.fieldCount(), 0);
    EXPECT_EQ(link_.recordCount(), 0);
}

} // namespace
