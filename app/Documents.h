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
void OpenDocument(const QString& fileOrAddress);

// The address of an MSDS page: base address, file name stem and ".html", run
// together with nothing inserted or escaped.
QString MsdsPageAddress(const QString& baseAddress, const QString& htmlFile);
