#pragma once

#include <QJsonObject>
#include <QString>

class Connection;
class DataGrid;
class Query;

// The result grid's stored settings in the main window's layout, the one
// place they are defined.
QJsonObject mainWindowGridSettings();

// Gives a grid the main window's settings: its eight columns, four frozen,
// the footer row, its colours and fonts; not its data source.
void applyMainWindowGrid(DataGrid& grid);

// The statement of the program's first search: every criterion at its start value.
QString firstSearchStatement();

// Sets a query up for the first search over the shipped catalogue, through
// the embedded catalogue (no data sources defined in odbcIniFolder).
void setUpFirstSearch(Connection& connection, Query& query, const QString& odbcIniFolder);
