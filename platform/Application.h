#pragma once

#include "Errors.h"

#include <QString>
#include <functional>

// The application object: its title, and the frame every event handler runs in.
class Application {
public:
    // The program's one application object.
    static Application& instance();

    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    // Runs a handler: a silent abort ends it quietly; any other error goes to
    // the default error display; either way the program goes on.
    void handleEvent(const std::function<void()>& handler);

    // The default error display: the error's text in a box captioned with the
    // title, with the error icon.
    void showException(const QString& message);

    // A full stop is appended when the text's last character sorts after ".".
    static QString errorDisplayText(const QString& message);

private:
    QString title_;
};
