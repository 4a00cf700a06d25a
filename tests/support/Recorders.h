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
        QString Text;
        QString Caption;
        MessageIcon Icon;
        bool operator==(const Box&) const = default;
    };

    RecordingMessageBoxes() { SetMessageBoxes(this); }
    ~RecordingMessageBoxes() override { SetMessageBoxes(nullptr); }
    void Show(const QString& text, const QString& caption, MessageIcon icon) override
    {
        Boxes.append({text, caption, icon});
    }

    QList<Box> Boxes;
};

// Stands in for the desktop: records what it is asked to open.
class RecordingDesktop : public DesktopService {
public:
    RecordingDesktop() { SetDesktop(this); }
    ~RecordingDesktop() override { SetDesktop(nullptr); }
    void Open(const QString& fileOrAddress) override { Opened.append(fileOrAddress); }

    QStringList Opened;
};
