#pragma once

#include "DocumentModel.h"

#include <QByteArray>

// The document as Rich Text Format, which word processors open as a .doc:
// A4 pages, Chinese text as Unicode escapes, tables with ruled cells.
QByteArray rtfOf(const Document& document);
