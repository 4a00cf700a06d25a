#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <functional>

// Binds a control's event of a stored layout (OnClick, OnKeyPress, OnChange,
// OnTimer, OnClose) to a call; false when the control has no such event.
bool bindWidgetEvent(QObject* control, const QString& event,
                     const std::function<void(QObject* sender, QChar* key)>& call);
