#pragma once

#include <QString>

// The desktop's "open" request: a web address to the browser, a document to
// the program registered for its type. The result is not examined.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    virtual void open(const QString& fileOrAddress) = 0;
};

DesktopService& desktop();
// Installs a service; null puts back the desktop's own.
void setDesktop(DesktopService* service);

// What the desktop is handed for a stored path or address: an address with a
// scheme as it stands; a path with "/" for "\" and resolved against the
// working folder.
QString desktopTarget(const QString& fileOrAddress, const QString& workingFolder);
