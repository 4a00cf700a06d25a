#pragma once

#include "db/Connection.h"
#include "db/DataSource.h"
#include "db/Query.h"

#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A link that writes down every notification it hears, with the window it
// then sees.
class RecordingLink : public TDataLink {
public:
    QStringList Heard;

    void ActiveChanged() override { Heard.append(u"active %1"_qs.arg(Active() ? 1 : 0)); }
    void DataSetChanged() override { Heard.append(u"changed first %1"_qs.arg(FirstRecord())); }
    void DataSetScrolled(int distance) override
    {
        Heard.append(u"scrolled %1 first %2 slot %3"_qs.arg(distance).arg(FirstRecord()).arg(ActiveRecord()));
    }
    void RecordChanged(DbField* field) override { Heard.append(u"record "_qs + (field ? field->FieldName() : u"-"_qs)); }
    void LayoutChanged() override { Heard.append(u"layout"_qs); }
    QStringList Take() { return std::exchange(Heard, {}); }
};

// A result set over a small database of ten records (id 1..10), or over the
// shipped catalogue, with a recording link attached.
class ResultSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseOdbcIni(dir_.path(), QString());
        const QString path = dir_.filePath(u"small.db"_qs);
        QString script = u"CREATE TABLE t (id INTEGER, name VARCHAR(40), val REAL, flag INTEGER);"_qs;
        for (int i = 1; i <= 10; ++i)
            script += u"INSERT INTO t VALUES (%1, 'n%1', %2, %3);"_qs.arg(i).arg(i * 1.5).arg(i % 3 == 0 ? u"NULL"_qs : QString::number(i % 2));
        ASSERT_EQ(RunProgram(u"sqlite3"_qs, {path, script}).ExitCode, 0);
        connection_.SetEmbeddedDatabase(path);
        query_.SetConnection(&connection_);
        source_.SetDataSet(&query_);
        link_.SetDataSource(&source_);
        link_.Take();
    }

    void OpenSmall(const QString& statement = u"SELECT id, name, val, flag FROM t ORDER BY id"_qs)
    {
        query_.SQL() = QStringList{statement};
        query_.Open();
    }

    void OpenCatalogue(const QString& statement)
    {
        connection_.SetEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
        query_.SQL() = QStringList{statement};
        query_.Open();
    }

    int Id() { return int(query_.FieldByName(u"id"_qs).AsInteger()); }

    QTemporaryDir dir_;
    DbConnection connection_;
    DbQuery query_;
    TDataSource source_;
    RecordingLink link_;
};
