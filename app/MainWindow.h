#pragma once

#include "SearchSql.h"

#include <QMainWindow>

class Query;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class ComboBox;
class DataSource;

// The main window: the search page, the appendix page, the help menu. Its
// components come from its stored layout; these are its handlers.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The search controls as search criteria.
    SearchCriteria criteria() const;

    Q_INVOKABLE void initialise();
    Q_INVOKABLE void deleteOnClose();
    Q_INVOKABLE void searchOnEnter(QObject* sender, QChar* key);
    Q_INVOKABLE void search();
    Q_INVOKABLE void clearCriteria();
    Q_INVOKABLE void firstSearch();
    Q_INVOKABLE void openMsdsPage();
    Q_INVOKABLE void openCatalogueDocument();
    Q_INVOKABLE void openCatalogueTable();
    Q_INVOKABLE void openDrugPrecursorList();
    Q_INVOKABLE void openExplosivePrecursorList();
    Q_INVOKABLE void showAbout();
    Q_INVOKABLE void openUsageDocument();

    QTabWidget* pages = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* aliasEdit = nullptr;
    QLineEdit* casEdit = nullptr;
    QLineEdit* englishNameEdit = nullptr;
    QLineEdit* indexNoEdit = nullptr;
    QCheckBox* exactMatchBox = nullptr;
    QCheckBox* rowLimitBox = nullptr;
    ComboBox* batchCombo = nullptr;
    ComboBox* hazardCombo = nullptr;
    ComboBox* precursorCombo = nullptr;
    QPushButton* searchButton = nullptr;
    QTimer* firstSearchTimer = nullptr;
    Query* query = nullptr;
    DataSource* dataSource = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    template <typename T>
    T* component(const char* name);
    // Sizes the window to its stored outer size with the frame it has now.
    void fitOuterSize();

    bool sizedOnce_ = false;
    bool framed_ = false;
};

extern MainWindow* mainWindow;
