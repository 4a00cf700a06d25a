#pragma once

#include <QString>

// The outside material the window opens through the desktop, never by itself.

// The four catalogue documents of the appendix page and the usage document,
// as stored: relative to the working folder, "\" as separator.
extern const QString kCatalogueDocument;       // Label10
extern const QString kCatalogueTableDocument;  // Label8
extern const QString kDrugPrecursorDocument;   // Label11
extern const QString kExplosivePrecursorDocument;  // Label12
extern const QString kUsageDocument;           // N3

// Hands a path or address to the desktop's "open" request.
void openDocument(const QString& fileOrAddress);

// Where a stored document is: as stored when the working folder holds it,
// else in the first data folder that does (an installed program started
// from anywhere), else as stored.
QString locatedDocument(const QString& stored, const QString& workingFolder, const QString& programFolder);

// Opens one of the documents the program ships, wherever it is.
void openShippedDocument(const QString& stored);

// The address of an MSDS page: base address, file name stem and ".html", run
// together with nothing inserted or escaped.
QString msdsPageAddress(const QString& baseAddress, const QString& htmlFile);
