#pragma once

#include "SearchSql.h"

#include <QMainWindow>

class DbQuery;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class TComboBox;
class TDataSource;

// The main window: the search page, the appendix page, the help menu. Its
// components come from its stored layout; these are its handlers.
class TFormVorlak : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormVorlak(QWidget* parent = nullptr);

    // The search controls as search criteria.
    TSearchCriteria Criteria() const;

    Q_INVOKABLE void FormCreate();
    Q_INVOKABLE void FormClose();
    Q_INVOKABLE void EditName1KeyPress(QObject* Sender, QChar* Key);
    Q_INVOKABLE void ButtonSearchClick();
    Q_INVOKABLE void Button1Click();
    Q_INVOKABLE void Timer1Timer();
    Q_INVOKABLE void MSDS1Click();
    Q_INVOKABLE void Label10Click();
    Q_INVOKABLE void Label8Click();
    Q_INVOKABLE void Label11Click();
    Q_INVOKABLE void Label12Click();
    Q_INVOKABLE void N2Click();
    Q_INVOKABLE void N3Click();

    QTabWidget* PageControl1 = nullptr;
    QLineEdit* EditName1 = nullptr;
    QLineEdit* EditName2 = nullptr;
    QLineEdit* EditCAS = nullptr;
    QLineEdit* EditEngName = nullptr;
    QLineEdit* EditIndexNo = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    TComboBox* ComboBoxPici = nullptr;
    TComboBox* ComboBoxDangTypes = nullptr;
    TComboBox* ComboBoxQt = nullptr;
    QPushButton* ButtonSearch = nullptr;
    QTimer* Timer1 = nullptr;
    DbQuery* ADOQuery1 = nullptr;
    TDataSource* DataSource1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    template <typename T>
    T* Component(const char* name);
    bool sizedOnce_ = false;
};

extern TFormVorlak* FormVorlak;
