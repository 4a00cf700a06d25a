#include "MessageBox.h"

#include "ServiceSlot.h"

#include <cstdio>

namespace {

// Without a screen (command-line tools) a message goes to standard error.
class StandardErrorMessages : public MessageBoxService {
public:
    void Show(const QString& text, const QString& caption, MessageIcon) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    }
};

StandardErrorMessages standardError;
ServiceSlot<MessageBoxService> slot(standardError);

} // namespace

MessageBoxService& MessageBoxes()
{
    return slot.Get();
}

void SetMessageBoxes(MessageBoxService* service)
{
    slot.Set(service);
}
