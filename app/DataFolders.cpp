#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kSettings = u"Config.Ini"_s;

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QStringList dataFolders(const QString& programFolder)
{
    const QString beside = withSlash(programFolder);
    return {beside, withSlash(QDir::cleanPath(beside + u"../share/vorlak"_s))};
}

QString dataFile(const QString& programFolder, const QString& name)
{
    const QStringList folders = dataFolders(programFolder);
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + name))
            return folder + name;
    return folders.first() + name;
}

QString settingsFile(const QString& programFolder, const QString& systemFolder)
{
    const QStringList folders = dataFolders(programFolder);
    for (const QString& candidate : {folders.first() + kSettings, withSlash(systemFolder) + kSettings})
        if (QFileInfo::exists(candidate))
            return candidate;
    return dataFile(programFolder, kSettings);
}
