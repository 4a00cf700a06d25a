#pragma once

#include "grid/GridFont.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class DataGrid;
class GridColumns;

// The stored form of a font: {"Name", "Height", "Color", "Style": ["bold", ...]}.
GridFont readGridFont(const QJsonObject& stored);
// Replaces the columns with a stored column list.
void readGridColumns(GridColumns& columns, const QJsonArray& stored);
// Applies one of the grid's settings as a stored layout gives it; false for
// a name that is not the grid's own.
bool applyGridSetting(DataGrid& grid, const QString& name, const QJsonValue& value);
