#pragma once

#include "GridSearch.h"

#include <QDialog>
#include <vector>

class ComboBox;
class DataGrid;
class GridColumn;
class QCheckBox;
class QLabel;

// The grid's find dialog: what to look for, in which column or in all, how
// the cell must match, which way to go. The texts searched before stay in
// the drop-down of "Find What", and the match, direction, case and format
// choices stay as the user left them; the text and the column are set anew
// at each opening. Enter anywhere in it runs "Find next"; Esc closes it.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);

    // Sets the dialog up over a grid with the text to find, then shows it:
    // modally (returning when it closes) or staying on top.
    void showOver(DataGrid& grid, const QString& text, bool modal);
    // The dialog's choices as a search request.
    FindRequest request() const;
    // Whether the next search is the first since the dialog opened or a choice changed.
    bool firstSearch() const { return firstSearch_; }

    Q_INVOKABLE void findNext();
    Q_INVOKABLE void closeDialog();
    // The text, the column or a choice changed: the next search is a first one.
    Q_INVOKABLE void choiceChanged() { firstSearch_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare(DataGrid& grid, const QString& text);
    void fillFindIn();

    ComboBox* findText_;
    ComboBox* findIn_;
    ComboBox* matchKind_;
    ComboBox* direction_;
    QCheckBox* matchCase_;
    QCheckBox* matchFormat_;
    QLabel* treeLabel_;
    ComboBox* treeRange_;
    DataGrid* grid_ = nullptr;
    std::vector<GridColumn*> findInColumns_;  // one per item of "Find in" but "<All>"
    bool firstSearch_ = true;
};

// Opens the program's one find dialog over a grid, made on first use as a
// window of the owner's, which keeps it.
void openFindDialog(DataGrid& grid, QWidget* owner, const QString& text, bool modal);
