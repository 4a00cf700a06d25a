#pragma once

#include "SearchSql.h"

#include <QMainWindow>
#include <memory>

class Query;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class ComboBox;
class DataSource;
class InventoryPage;

// The main window: the search page, the appendix page, the help menu. Its
// components come from its stored layout; these are its handlers.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

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
    // The inventory page's: the list from a file or the clipboard, its check, its export.
    Q_INVOKABLE void openInventoryFile();
    Q_INVOKABLE void pasteInventory();
    Q_INVOKABLE void checkOnEnter(QObject* sender, QChar* key);
    Q_INVOKABLE void checkInventory();
    Q_INVOKABLE void exportInventory();
    Q_INVOKABLE void openInventoryMsdsPage();

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
    std::unique_ptr<InventoryPage> inventory;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    template <typename T>
    T* component(const char* name);
    // Opens the MSDS page a result row names, or says there is none.
    void openMsdsPageOf(const QVariant& htmlFile);
    // Sizes the window to its stored outer size with the frame it has now.
    void fitOuterSize();

    bool sizedOnce_ = false;
    bool framed_ = false;
};

extern MainWindow* mainWindow;
