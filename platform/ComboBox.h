#pragma once

#include <QComboBox>

// A drop-down combo box: the user picks an item or types free text, and
// typed text selects no item (ItemIndex -1) while it stays in the box.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    int itemIndex() const { return typed_ ? -1 : currentIndex(); }
    // Selects an item and shows its text; -1 selects none and keeps the text.
    void setItemIndex(int index);
    QString text() const { return currentText(); }
    void setText(const QString& text);

private:
    bool typed_ = false;
};
