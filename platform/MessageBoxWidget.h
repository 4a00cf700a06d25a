#pragma once

#include "MessageBox.h"

// Message boxes on the screen: no owner window, one OK button.
class WidgetMessageBoxes : public MessageBoxService {
public:
    void show(const QString& text, const QString& caption, MessageIcon icon) override;
};
