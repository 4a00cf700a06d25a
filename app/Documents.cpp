#include "Documents.h"

#include "platform/Desktop.h"

using namespace Qt::StringLiterals;

const QString kCatalogueDocument = u".\\doc\\01-危险化学品名录(2015).doc"_s;
const QString kCatalogueTableDocument = u".\\doc\\02-危险化学品名录(含2828类).xls"_s;
const QString kDrugPrecursorDocument = u".\\doc\\03-易制毒化学品(2018).pdf"_s;
const QString kExplosivePrecursorDocument = u".\\doc\\04-易制爆化学品名录(2017版).pdf"_s;
const QString kUsageDocument = u"软件安装及使用说明.doc"_s;

void OpenDocument(const QString& fileOrAddress)
{
    Desktop().Open(fileOrAddress);
}

QString MsdsPageAddress(const QString& baseAddress, const QString& htmlFile)
{
    return baseAddress + htmlFile + u".html"_s;
}
