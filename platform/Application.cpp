#include "Application.h"

#include "MessageBox.h"

Application& Application::instance()
{
    static Application application;
    return application;
}

void Application::handleEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const SilentAbort&) {
    } catch (const Exception& error) {
        showException(error.message());
    } catch (const std::exception& error) {
        showException(QString::fromLocal8Bit(error.what()));
    }
}

void Application::showException(const QString& message)
{
    showMessage(errorDisplayText(message), title_, MessageIcon::Error);
}

QString Application::errorDisplayText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}
