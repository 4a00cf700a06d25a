#include "MainWindowGrid.h"

#include "app/GridLayoutReader.h"
#include "app/SearchSql.h"
#include "grid/DataGrid.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QJsonObject FindComponent(const QJsonObject& component, const QString& name)
{
    if (component.value(u"name").toString() == name)
        return component;
    for (const QJsonValue& child : component.value(u"children").toArray())
        if (const QJsonObject found = FindComponent(child.toObject(), name); !found.isEmpty())
            return found;
    return {};
}

} // namespace

QJsonObject MainWindowGridSettings()
{
    QFile file(QStringLiteral(VORLAK_SOURCE_DIR "/resources/MainWindow.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject grid = FindComponent(QJsonDocument::fromJson(file.readAll()).object(), u"DataGrid1"_s);
    EXPECT_FALSE(grid.isEmpty());
    return grid.value(u"properties").toObject();
}

void ApplyMainWindowGrid(DataGrid& grid)
{
    const QJsonObject settings = MainWindowGridSettings();
    grid.LayoutBatch().Lock();
    for (auto it = settings.begin(); it != settings.end(); ++it)
        ApplyGridSetting(grid, it.key(), it.value());
    grid.LayoutBatch().Unlock();
}

QString FirstSearchStatement()
{
    return BuildSearchSql(SearchCriteria()).Text;
}

void SetUpFirstSearch(Connection& connection, Query& query, const QString& odbcIniFolder)
{
    UseOdbcIni(odbcIniFolder, QString());
    connection.SetEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
    query.SetConnection(&connection);
    query.SQL().append(FirstSearchStatement());
}
