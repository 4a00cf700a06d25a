#pragma once

// A data grid over the first search of the shipped catalogue, with the main
// window's columns when asked, a fake window and fixed text metrics.
#include "grid/DBGridEh.h"

#include "db/Connection.h"
#include "support/FakeWindow.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

inline const QString kCatalogueSearch =
    u" SELECT A.id,index_id, name1,name2, name_eng, A.cas as CAS, dangtypes,  Iadmin_no, specialadmin, remarks, "
    u"A.drugchem, A.exploidchem, B.html_file  FROM hazardous_chemicals A Left JOIN  hazardous_chemicals_msds B  "
    u"ON A.cas = B.cas order by Id  LIMIT 200 "_qs;

class CatalogueGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseOdbcIni(dir_.path(), QString());
        connection_.SetEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
        query_.SetConnection(&connection_);
        query_.SQL().append(kCatalogueSearch);
        source_.SetDataSet(&query_);
        grid_.SetMeasuringCanvas(&canvas_);
        grid_.SetWindow(&window_);
    }

    // The main window's eight columns, four frozen, one footer row.
    void MainWindowColumns()
    {
        grid_.LockLayout();
        const char* fields[] = {"index_id", "name1", "name2", "name_eng", "cas", "dangtypes", "specialadmin", "remarks"};
        const int widths[] = {102, 188, 134, 87, 110, 202, 203, 89};
        for (int i = 0; i < 8; ++i) {
            TColumnEh& c = grid_.Columns().Add();
            c.SetFieldName(QString::fromLatin1(fields[i]));
            c.SetWidth(widths[i]);
        }
        grid_.SetFrozenCols(4);
        grid_.SetFooterRowCount(1);
        grid_.UnlockLayout();
        grid_.SetDataSource(&source_);
    }

    QTemporaryDir dir_;
    DbConnection connection_;
    DbQuery query_;
    TDataSource source_;
    RecordingCanvas canvas_;
    FakeWindow window_{QSize(1120, 288)};  // (288 - 19 - 1 - 20 - 1) div 20 = 12 data rows
    TCustomDBGridEh grid_;
};
