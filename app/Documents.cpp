#include "Documents.h"

#include "DataFolders.h"

#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

const QString kCatalogueDocument = u".\\doc\\01-危险化学品名录(2015).doc"_s;
const QString kCatalogueTableDocument = u".\\doc\\02-危险化学品名录(含2828类).xls"_s;
const QString kDrugPrecursorDocument = u".\\doc\\03-易制毒化学品(2018).pdf"_s;
const QString kExplosivePrecursorDocument = u".\\doc\\04-易制爆化学品名录(2017版).pdf"_s;
const QString kUsageDocument = u"软件安装及使用说明.doc"_s;

void openDocument(const QString& fileOrAddress)
{
    desktop().open(fileOrAddress);
}

QString locatedDocument(const QString& stored, const QString& workingFolder, const QString& programFolder)
{
    const QString relative = QString(stored).replace(u'\\', u'/');
    if (QFileInfo::exists(desktopTarget(stored, workingFolder)))
        return stored;
    for (const QString& folder : dataFolders(programFolder))
        if (QFileInfo::exists(folder + relative))
            return QDir::cleanPath(folder + relative);
    return stored;
}

void openShippedDocument(const QString& stored)
{
    openDocument(locatedDocument(stored, QDir::currentPath(), QCoreApplication::applicationDirPath()));
}

QString msdsPageAddress(const QString& baseAddress, const QString& htmlFile)
{
    return baseAddress + htmlFile + u".html"_s;
}
