#include "Desktop.h"

#include "ServiceSlot.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool HasScheme(const QString& text)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]+:"_s);
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
ServiceSlot<DesktopService> slot(systemDesktop);

} // namespace

DesktopService& Desktop()
{
    return slot.Get();
}

void SetDesktop(DesktopService* service)
{
    slot.Set(service);
}

QString DesktopTarget(const QString& fileOrAddress, const QString& workingFolder)
{
    if (HasScheme(fileOrAddress))
        return fileOrAddress;
    const QString path = QString(fileOrAddress).replace(u'\\', u'/');
    return QDir::cleanPath(QDir(workingFolder).filePath(path));
}
