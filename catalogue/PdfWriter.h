#pragma once

#include "DocumentModel.h"

#include <QString>

// Writes the document as a PDF on A4 pages with its fonts embedded, through
// Qt's PDF writer; needs a QGuiApplication. Raises Exception when the file
// cannot be written.
void writePdf(const Document& document, const QString& path);
