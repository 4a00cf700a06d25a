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

QJsonObject findComponent(const QJsonObject& component, const QString& name)
{
    if (component.value(u"name").toString() == name)
        return component;
    for (const QJsonValue& child : component.value(u"children").toArray())
        if (const QJsonObject found = findComponent(child.toObject(), name); !found.isEmpty())
            return found;
    return {};
}

} // namespace

QJsonObject mainWindowGridSettings()
{
    QFile file(QStringLiteral(VORLAK_SOURCE_DIR "/resources/MainWindow.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject grid = findComponent(QJsonDocument::fromJson(file.readAll()).object(), u"DataGrid1"_s);
    EXPECT_FALSE(grid.isEmpty());
    return grid.value(u"properties").toObject();
}

void applyMainWindowGrid(DataGrid& grid)
{
    const QJsonObject settings = mainWindowGridSettings();
    grid.layoutBatch().lock();
    for (auto it = settings.begin(); it != settings.end(); ++it)
        applyGridSetting(grid, it.key(), it.value());
    grid.layoutBatch().unlock();
}

QString firstSearchStatement()
{
    return buildSearchSql(SearchCriteria()).text;
}

void setUpFirstSearch(Connection& connection, Query& query, const QString& odbcIniFolder)
{
    useOdbcIni(odbcIniFolder, QString());
    connection.setEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
    query.setConnection(&connection);
    query.sql().append(firstSearchStatement());
}
