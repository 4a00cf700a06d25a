#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kSettings = u"Config.Ini"_s;

QString WithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QStringList DataFolders(const QString& programFolder)
{
    const QString beside = WithSlash(programFolder);
    return {beside, WithSlash(QDir::cleanPath(beside + u"../share/vorlak"_s))};
}

QString DataFile(const QString& programFolder, const QString& name)
{
    const QStringList folders = DataFolders(programFolder);
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + name))
            return folder + name;
    return folders.first() + name;
}

QString SettingsFile(const QString& programFolder, const QString& systemFolder)
{
    const QStringList folders = DataFolders(programFolder);
    for (const QString& candidate : {folders.first() + kSettings, WithSlash(systemFolder) + kSettings})
        if (QFileInfo::exists(candidate))
            return candidate;
    return DataFile(programFolder, kSettings);
}
