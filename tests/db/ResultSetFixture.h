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
class RecordingLink : public DataLink {
public:
    QStringList Heard;

    void ActiveChanged() override { Heard.append(QStringLiteral("active %1").arg(Active() ? 1 : 0)); }
    void DataSetChanged() override { Heard.append(QStringLiteral("changed first %1").arg(FirstRecord())); }
    void DataSetScrolled(int distance) override
    {
        Heard.append(QStringLiteral("scrolled %1 first %2 slot %3").arg(distance).arg(FirstRecord()).arg(ActiveRecord()));
    }
    void LayoutChanged() override { Heard.append(QStringLiteral("layout")); }
    QStringList Take() { return std::exchange(Heard, {}); }
};

// A result set over a small database of ten records (id 1..10), or over the
// shipped catalogue, with a recording link attached.
class ResultSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseOdbcIni(dir_.path(), QString());
        const QString path = dir_.filePath(QStringLiteral("small.db"));
        QString script = QStringLiteral("CREATE TABLE t (id INTEGER, name VARCHAR(40), val REAL, flag INTEGER);");
        for (int i = 1; i <= 10; ++i)
            script += QStringLiteral("INSERT INTO t VALUES (%1, 'n%1', %2, %3);").arg(i).arg(i * 1.5).arg(i % 3 == 0 ? QStringLiteral("NULL") : QString::number(i % 2));
        ASSERT_EQ(RunProgram(QStringLiteral("sqlite3"), {path, script}).ExitCode, 0);
        connection_.SetEmbeddedDatabase(path);
        query_.SetConnection(&connection_);
        source_.SetDataSet(&query_);
        link_.SetDataSource(&source_);
        link_.Take();
    }

    void OpenSmall(const QString& statement = QStringLiteral("SELECT id, name, val, flag FROM t ORDER BY id"))
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

    int Id() { return int(query_.FieldByName(QStringLiteral("id")).AsInteger()); }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    DataSource source_;
    RecordingLink link_;
};
