#include "Desktop.h"

#include "ServiceSlot.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool hasScheme(const QString& text)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]+:"_s);
    return scheme.match(text).hasMatch();
}

class SystemDesktop : public DesktopService {
public:
    void open(const QString& fileOrAddress) override
    {
        const QString target = desktopTarget(fileOrAddress, QDir::currentPath());
        QDesktopServices::openUrl(hasScheme(fileOrAddress) ? QUrl(target) : QUrl::fromLocalFile(target));
    }
};

SystemDesktop systemDesktop;
ServiceSlot<DesktopService> slot(systemDesktop);

} // namespace

DesktopService& desktop()
{
    return slot.get();
}

void setDesktop(DesktopService* service)
{
    slot.set(service);
}

QString desktopTarget(const QString& fileOrAddress, const QString& workingFolder)
{
    if (hasScheme(fileOrAddress))
        return fileOrAddress;
    const QString path = QString(fileOrAddress).replace(u'\\', u'/');
    return QDir::cleanPath(QDir(workingFolder).filePath(path));
}
