#include "ComboBox.h"

#include <QLineEdit>

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] { typed_ = false; });
}

void ComboBox::setItemIndex(int index)
{
    if (index < 0) {
        const QString text = currentText();
        setCurrentIndex(-1);
        setEditText(text);
        typed_ = false;
        return;
    }
    setCurrentIndex(index);
    typed_ = false;
}

void ComboBox::setText(const QString& text)
{
    const QString was = currentText();
    setEditText(text);
    if (text != was && currentIndex() >= 0 && itemText(currentIndex()) != text)
        typed_ = true;
}
