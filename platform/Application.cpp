#include "Application.h"

#include "MessageBox.h"

Application& Application::Instance()
{
    static Application application;
    return application;
}

void Application::HandleEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const SilentAbort&) {
    } catch (const Exception& error) {
        ShowException(error.Message());
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    }
}

void Application::ShowException(const QString& message)
{
    ShowMessage(ErrorDisplayText(message), title_, MessageIcon::Error);
}

QString Application::ErrorDisplayText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}
