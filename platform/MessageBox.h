#pragma once

#include <QString>

enum class MessageIcon { None, Information, Error };

// Message boxes with no owner window and a single OK button. The program
// shows them through this service, so that tests can stand in for the screen.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text, const QString& caption, MessageIcon icon) = 0;
};

MessageBoxService& messageBoxes();
// Installs a service; null puts back the one that writes to standard error.
void setMessageBoxes(MessageBoxService* service);

// The boxes the program itself raises.
inline void showMessage(const QString& text, const QString& caption, MessageIcon icon = MessageIcon::None)
{
    messageBoxes().show(text, caption, icon);
}
