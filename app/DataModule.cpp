#include "DataModule.h"

#include "DataComponents.h"
#include "DataFolders.h"

#include "platform/IniFile.h"
#include "platform/Layout.h"

using namespace Qt::StringLiterals;

DataModule* dataModule = nullptr;

const QString DataModule::kDefaultMsdsUrl = u"http://localhost/msds/"_s;

QString applicationFolderOf(const QString& programFilePath)
{
    const int separator = programFilePath.lastIndexOf(u'/');
    return programFilePath.left(separator + 1);
}

DataModule::DataModule(const QString& programFilePath, QObject* parent)
    : QObject(parent), programFilePath_(programFilePath)
{
    registerDataComponents();
    loadLayout(this, u":/layouts/DataModule.json"_s);
}

void DataModule::readSettings()
{
    connection = qobject_cast<Connection*>(findComponent(this, u"ADOConnection1"_s));
    applicationFolder_ = applicationFolderOf(programFilePath_);
    connection->setEmbeddedDatabase(dataFile(applicationFolder_, u"vorlak.db"_s));
    msdsUrl_ = kDefaultMsdsUrl;
    msdsUrl_ = readIniString(settingsFile(applicationFolder_), u"HTTP"_s, u"MsdsURL"_s, msdsUrl_, kIniBufferSize);
}
