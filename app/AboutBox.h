#pragma once

#include <QDialog>

// The About box: title, version, authorship and a word on the data. Shown
// modally; Enter presses "确定", Escape does nothing, the close box closes.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

extern AboutBox* aboutBox;
