#pragma once

#include "platform/Desktop.h"
#include "platform/MessageBox.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for the message boxes: records each box instead of showing it.
class RecordingMessageBoxes : public MessageBoxService {
public:
    struct Box {
        QString text;
        QString caption;
        MessageIcon icon;
        bool operator==(const Box&) const = default;
    };

    RecordingMessageBoxes() { setMessageBoxes(this); }
    ~RecordingMessageBoxes() override { setMessageBoxes(nullptr); }
    void show(const QString& text, const QString& caption, MessageIcon icon) override
    {
        boxes.append({text, caption, icon});
    }

    QList<Box> boxes;
};

// Stands in for the desktop: records what it is asked to open.
class RecordingDesktop : public DesktopService {
public:
    RecordingDesktop() { setDesktop(this); }
    ~RecordingDesktop() override { setDesktop(nullptr); }
    void open(const QString& fileOrAddress) override { opened.append(fileOrAddress); }

    QStringList opened;
};
