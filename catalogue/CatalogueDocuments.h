#pragma once

#include "rules/CatalogueRow.h"
#include "DocumentModel.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <vector>

// The documents the program ships beside itself, made from its catalogue:
// each one's first lines say so, name the sources and the date, and none
// passes for the official publication.

// The 2015 catalogue: catalogue number, 品名, 别名, CAS号 (for the .doc).
Document catalogueDocument(const std::vector<CatalogueRow>& rows, const QDate& made);

// The 2015 catalogue as spreadsheet rows: the opening lines, a title row,
// then one row per catalogue row with the English name and hazard
// categories too (for the .xls).
QList<QStringList> catalogueSheet(const std::vector<CatalogueRow>& rows, const QDate& made);

// The drug precursors by class, and the explosive precursors numbered (for the PDFs).
Document drugPrecursorDocument(const std::vector<CatalogueRow>& rows, const QDate& made);
Document explosivePrecursorDocument(const std::vector<CatalogueRow>& rows, const QDate& made);

// How to use the program, in Chinese (for the usage .doc).
Document usageDocument(const QDate& made, const QByteArray& inventoryPagePng);
