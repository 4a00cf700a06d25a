#include "AboutBox.h"

#include "platform/Layout.h"
#include "platform/WidgetComponents.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;

AboutBox* aboutBox = nullptr;

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    registerWidgetComponents();
    loadLayout(this, u":/layouts/AboutBox.json"_s);
}

void AboutBox::keyPressEvent(QKeyEvent* event)
{
    // The dialog has no cancel button, so Escape has nothing to press.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
