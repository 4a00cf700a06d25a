#pragma once

#include "InventoryCheck.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class Query;

// The inventory page: a list opened from a file or pasted, checked against
// the catalogue (read once, over the data module's connection), its rows shown in the page's grid (through its query) with
// the summary under them, and saved as a workbook or CSV. What goes wrong
// is told in a message box and changes nothing on the page.
class InventoryPage {
public:
    struct Components {
        QWidget* page;
        QLineEdit* exposedEdit;
        QLabel* listLabel;
        QPlainTextEdit* summaryMemo;
        Query* rows;
    };
    explicit InventoryPage(const Components& components);

    // Reads an inventory file and shows its check.
    void openFile(const QString& path);
    // Checks a list pasted as text (a line each, or cells copied from a spreadsheet).
    void paste(const QString& text);
    // Checks the list again, with the number of people exposed as it stands now.
    void check();
    // Saves the shown check: as CSV when the name ends in .csv, else as a workbook.
    void exportTo(const QString& path);
    // The MSDS page of the current row's chemical, without the extension; null when there is none.
    QVariant currentMsdsPage() const;

    // Whether there is a check to save; when not, says so.
    bool readyToExport() const;
    // Reading or checking a list: the window must not go meanwhile.
    bool busy() const { return busy_; }
    const InventoryReport& report() const { return *report_; }

private:
    // Checks a list and shows the outcome; false, with a message, when nothing was shown.
    bool show(const std::vector<InventoryItem>& items, const QString& listName);
    // Shows a new list's check and keeps the list for checking again.
    void keepIfShown(std::vector<InventoryItem> items, const QString& listName);
    // The people exposed as the field gives them; false, with a message, when the field is not a number in range.
    bool readExposed(std::optional<int>& people) const;
    const InventoryCatalogue& catalogue();
    // Runs work away from the window, which stays responsive; a busy
    // progress dialog shows when it takes longer than half a second. An
    // exception the work raises is raised again here.
    void runBusy(const QString& label, const std::function<void()>& work);

    Components ui_;
    std::optional<InventoryCatalogue> catalogue_;
    QHash<QString, QString> msdsPages_;  // by CAS number
    std::vector<InventoryItem> items_;
    QString listName_;
    std::optional<InventoryReport> report_;
    bool busy_ = false;
};
