#include "Desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace {

bool HasScheme(const QString& text)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]+:"_qs);
    return scheme.match(text).hasMatch();
}

class SystemDesktop : public DesktopService {
public:
    void Open(const QString& fileOrAddress) override
    {
        const QString target = DesktopTarget(fileOrAddress, QDir::currentPath());
        QDesktopServices::openUrl(HasScheme(fileOrAddress) ? QUrl(target) : QUrl::fromLocalFile(target));
    }
};

SystemDesktop systemDesktop;
DesktopService* current = &systemDesktop;

} // namespace

DesktopService& Desktop()
{
    return *current;
}

void SetDesktop(DesktopService* service)
{
    current = service ? service : &systemDesktop;
}

QString DesktopTarget(const QString& fileOrAddress, const QString& workingFolder)
{
    if (HasScheme(fileOrAddress))
        return fileOrAddress;
    const QString path = QString(fileOrAddress).replace(u'\\', u'/');
    return QDir::cleanPath(QDir(workingFolder).filePath(path));
}
