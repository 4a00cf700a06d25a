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
    QStringList heard;

    void activeChanged() override { heard.append(QStringLiteral("active %1").arg(active() ? 1 : 0)); }
    void dataSetChanged() override { heard.append(QStringLiteral("changed first %1").arg(firstRecord())); }
    void dataSetScrolled(int distance) override
    {
        heard.append(QStringLiteral("scrolled %1 first %2 slot %3").arg(distance).arg(firstRecord()).arg(activeRecord()));
    }
    QStringList take() { return std::exchange(heard, {}); }
};

// A result set over a small database of ten records (id 1..10), or over the
// shipped catalogue, with a recording link attached.
class ResultSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        useOdbcIni(dir_.path(), QString());
        const QString path = dir_.filePath(QStringLiteral("small.db"));
        QString script = QStringLiteral("CREATE TABLE t (id INTEGER, name VARCHAR(40), val REAL, flag INTEGER);");
        for (int i = 1; i <= 10; ++i)
            script += QStringLiteral("INSERT INTO t VALUES (%1, 'n%1', %2, %3);").arg(i).arg(i * 1.5).arg(i % 3 == 0 ? QStringLiteral("NULL") : QString::number(i % 2));
        ASSERT_EQ(runProgram(QStringLiteral("sqlite3"), {path, script}).exitCode, 0);
        connection_.setEmbeddedDatabase(path);
        query_.setConnection(&connection_);
        source_.setDataSet(&query_);
        link_.setDataSource(&source_);
        link_.take();
    }

    void openSmall(const QString& statement = QStringLiteral("SELECT id, name, val, flag FROM t ORDER BY id"))
    {
        query_.sql() = QStringList{statement};
        query_.open();
    }

    void openCatalogue(const QString& statement)
    {
        connection_.setEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
        query_.sql() = QStringList{statement};
        query_.open();
    }

    int id() { return int(query_.fieldByName(QStringLiteral("id")).asInteger()); }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    DataSource source_;
    RecordingLink link_;
};
