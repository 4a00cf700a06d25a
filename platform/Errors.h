#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Every error the program reports carries the exact text the user sees.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// Ends the current action quietly: an action that has already told the user
// what went wrong raises it, and the event wrapper swallows it.
class SilentAbort : public Exception {
public:
    SilentAbort() : Exception(QString()) {}
};
