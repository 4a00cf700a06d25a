#pragma once

#include <QTest>

// Types a text key by key, each key carrying its character, as an input
// method hands over Chinese characters.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
