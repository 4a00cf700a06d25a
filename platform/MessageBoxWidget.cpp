#include "MessageBoxWidget.h"

#include <QMessageBox>

void WidgetMessageBoxes::show(const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error         ? QMessageBox::Critical
                    : icon == MessageIcon::Information ? QMessageBox::Information
                                                        : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok);
    box.exec();
}
