#pragma once

#include "grid/DBGridEhColumns.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "support/QueryProgram.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

// A grid for the columns: its fonts and colours as the main window sets them,
// a result set over the shipped catalogue, and a record of what reached it.
class FakeGrid : public TColumnsOwnerEh {
public:
    FakeGrid() : defaults_(this) {}

    DbQuery* DataSet() const override { return dataSet; }
    bool Loading() const override { return loading; }
    bool LayoutChangeAnnounced() const override { return false; }
    bool HasWindow() const override { return true; }
    TFontEh Font() const override { return font; }
    TFontEh TitleFont() const override { return titleFont; }
    TFontEh FooterFont() const override { return titleFont; }
    QString Color() const override { return u"clWindow"_qs; }
    QString FixedColor() const override { return u"clBtnFace"_qs; }
    QString FooterColor() const override { return u"clInactiveBorder"_qs; }
    bool ReadOnly() const override { return readOnly; }
    bool UseMultiTitle() const override { return false; }
    int DefaultColWidth() const override { return 64; }
    TCanvas& MeasuringCanvas() override { return canvas; }
    TColumnDefValuesEh& ColumnDefValues() override { return defaults_; }
    TDBGridEhSumList* SumList() override { return &sumList; }
    void ColumnsChanged(TColumnEh* column) override
    {
        changes.append(column ? QString::number(column->Index()) : u"all"_qs);
    }
    void Repaint() override {}
    void RequestLayout() override {}

    DbQuery* dataSet = nullptr;
    bool loading = false;
    bool readOnly = true;
    TFontEh font{{u"宋体"_qs, -15}, u"clWindowText"_qs};
    TFontEh titleFont{{u"宋体"_qs, -15}, u"clWindowText"_qs};
    RecordingCanvas canvas;
    TDBGridEhSumList sumList;
    QStringList changes;

private:
    TColumnDefValuesEh defaults_;
};

// The main window's eight columns over a search of the shipped catalogue.
class Columns : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseOdbcIni(dir_.path(), QString());
        connection_.SetEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
        query_.SetConnection(&connection_);
        query_.SQL().append(u" SELECT A.id,index_id, name1,name2, name_eng, A.cas as CAS, dangtypes,  Iadmin_no, "
                            u"specialadmin, remarks, A.drugchem, A.exploidchem, B.html_file  FROM hazardous_chemicals A "
                            u"Left JOIN  hazardous_chemicals_msds B  ON A.cas = B.cas order by Id  LIMIT 200 "_qs);
        grid_.dataSet = &query_;
    }

    // The eight columns as the main window stores them.
    void AddMainWindowColumns()
    {
        const TFontEh small{{u"宋体"_qs, -13}, u"clWindowText"_qs};
        struct MainColumn {
            const char* field;
            const char* title;
            int width;
            bool centre;
            bool smallFont;
            bool titleLeft;
        };
        const MainColumn mainColumns[] = {
            {"index_id", "危化目录序号", 102, true, false, false}, {"name1", "品名", 188, false, false, false},
            {"name2", "别名", 134, false, false, false},        {"name_eng", "英文名", 87, false, false, false},
            {"cas", "CAS号", 110, true, false, false},          {"dangtypes", "危险性类别", 202, false, true, false},
            {"specialadmin", "其它特殊监管", 203, false, true, true}, {"remarks", "备注", 89, true, false, false},
        };
        columns_.BeginUpdate();
        for (const MainColumn& s : mainColumns) {
            TColumnEh& c = columns_.Add();
            c.SetFieldName(QString::fromLatin1(s.field));
            c.Title().SetCaption(QString::fromUtf8(s.title));
            c.SetWidth(s.width);
            if (s.centre)
                c.SetAlignment(taCenter);
            if (s.smallFont)
                c.SetFont(small);
            if (!s.titleLeft)
                c.Title().SetAlignment(taCenter);
        }
        TColumnFooterEh& footer = columns_.Item(0).Footer();
        footer.SetAlignment(taCenter);
        footer.SetValueType(fvtCount);
        footer.DisplayFormat = u"共#0条"_qs;
        columns_.EndUpdate();
    }

    QTemporaryDir dir_;
    DbConnection connection_;
    DbQuery query_;
    FakeGrid grid_;
    TDBGridColumnsEh columns_{&grid_};
};
