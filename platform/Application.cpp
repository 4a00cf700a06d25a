#include "Application.h"

#include "MessageBox.h"

TApplication& Application()
{
    static TApplication application;
    return application;
}

void TApplication::HandleEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const EAbort&) {
    } catch (const Exception& error) {
        ShowException(error.Message());
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    }
}

void TApplication::ShowException(const QString& message)
{
    ShowMessage(ErrorDisplayText(message), title_, TMessageIcon::Error);
}

QString TApplication::ErrorDisplayText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}
