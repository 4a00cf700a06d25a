#include "AboutBox.h"

#include "platform/Layout.h"
#include "platform/WidgetComponents.h"

#include <QKeyEvent>
#include <QScreen>

using namespace Qt::StringLiterals;

AboutBox* aboutBox = nullptr;

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    RegisterWidgetComponents();
    LoadLayout(this, u":/layouts/AboutBox.json"_s);
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

void AboutBox::showEvent(QShowEvent* event)
{
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
