#include "MessageBox.h"

#include "ServiceSlot.h"

#include <cstdio>

namespace {

// Without a screen (command-line tools) a message goes to standard error.
class StandardErrorMessages : public MessageBoxService {
public:
    void show(const QString& text, const QString& caption, MessageIcon) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    }
};

StandardErrorMessages standardError;
ServiceSlot<MessageBoxService> slot(standardError);

} // namespace

MessageBoxService& messageBoxes()
{
    return slot.get();
}

void setMessageBoxes(MessageBoxService* service)
{
    slot.set(service);
}
