#include "MessageBoxWidget.h"

#include <QMessageBox>

void WidgetMessageBoxes::Show(const QString& text, const QString& caption, TMessageIcon icon)
{
    QMessageBox box(icon == TMessageIcon::Error         ? QMessageBox::Critical
                    : icon == TMessageIcon::Information ? QMessageBox::Information
                                                        : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok);
    box.exec();
}
