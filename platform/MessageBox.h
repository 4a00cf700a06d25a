#pragma once

#include <QString>

enum class TMessageIcon { None, Information, Error };

// Message boxes with no owner window and a single OK button. The program
// shows them through this service, so that tests can stand in for the screen.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const QString& text, const QString& caption, TMessageIcon icon) = 0;
};

MessageBoxService& MessageBoxes();
// Installs a service; null puts back the one that writes to standard error.
void SetMessageBoxes(MessageBoxService* service);

// The boxes the program itself raises.
inline void ShowMessage(const QString& text, const QString& caption, TMessageIcon icon = TMessageIcon::None)
{
    MessageBoxes().Show(text, caption, icon);
}
