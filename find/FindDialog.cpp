#include "FindDialog.h"

#include "db/Query.h"
#include "grid/DataGrid.h"
#include "platform/Application.h"
#include "platform/ComboBox.h"
#include "platform/Errors.h"
#include "platform/Layout.h"
#include "platform/WidgetComponents.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

template <typename T>
T* Control(QObject* form, const char* name)
{
    auto* control = qobject_cast<T*>(FindComponent(form, QString::fromLatin1(name)));
    if (!control)
        throw Exception(u"Layout: %1 missing from the find dialog"_s.arg(QString::fromLatin1(name)));
    return control;
}

// The item lists' orders.
constexpr FindDirection kDirections[] = {FindDirection::Up, FindDirection::Down, FindDirection::All};
constexpr FindMatch kMatchKinds[] = {FindMatch::AnyPart, FindMatch::WholeField, FindMatch::FromBeginning};

} // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent)
{
    RegisterWidgetComponents();
    LoadLayout(this, u":/layouts/FindDialog.json"_s);
    findText_ = Control<ComboBox>(this, "cbText");
    findIn_ = Control<ComboBox>(this, "cbFindIn");
    matchKind_ = Control<ComboBox>(this, "cbMatchinType");
    direction_ = Control<ComboBox>(this, "cbFindDirection");
    matchCase_ = Control<QCheckBox>(this, "cbCharCase");
    matchFormat_ = Control<QCheckBox>(this, "cbUseFormat");
    treeLabel_ = Control<QLabel>(this, "Label4");
    treeRange_ = Control<ComboBox>(this, "dbcTreeFindRange");
    // The dialog sees Enter and Esc before its controls do.
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void FindDialog::Prepare(DataGrid& grid, const QString& text)
{
    // The tree row is for result sets shown as trees, which this program has none of.
    treeLabel_->hide();
    treeRange_->hide();
    setFixedSize(width(), treeRange_->y());

    findText_->SetText(text);
    grid_ = &grid;
    FillFindIn();
    firstSearch_ = true;
    findText_->setFocus();
}

void FindDialog::FillFindIn()
{
    findIn_->clear();
    findInColumns_.clear();
    const ColumnList& visible = grid_->VisibleColumns();
    for (int i = 0; i < visible.Count(); ++i) {
        findIn_->addItem(visible.Item(i).Title().Caption());
        findInColumns_.push_back(&visible.Item(i));
    }
    findIn_->addItem(u"<All>"_s);
    const GridColumn* current = grid_->CurrentColumn();
    const int preselected = current ? findIn_->findText(current->Title().Caption(), Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    findIn_->SetItemIndex(preselected >= 0 ? preselected : findIn_->count() - 1);
}

void FindDialog::ShowOver(DataGrid& grid, const QString& text, bool modal)
{
    Prepare(grid, text);
    if (modal) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        exec();
        return;
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
    raise();
    activateWindow();
}

FindRequest FindDialog::Request() const
{
    FindRequest request;
    request.Text = findText_->Text();
    const int column = findIn_->ItemIndex();
    const bool all = column < 0 || column >= int(findInColumns_.size());
    if (!all)
        request.FieldName = findInColumns_[size_t(column)]->FieldName();
    request.Flags = {};
    request.Flags.Set(FindFlag::CaseInsensitive, !matchCase_->isChecked());
    request.Flags.Set(FindFlag::UseDisplayText, matchFormat_->isChecked());
    request.Flags.Set(FindFlag::AllColumns, column == findIn_->count() - 1);
    const int way = direction_->ItemIndex();
    request.Direction = way >= 0 && way < 3 ? kDirections[way] : FindDirection::All;
    if (QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier))
        request.Direction = request.Direction == FindDirection::Up ? FindDirection::Down : FindDirection::Up;
    // Only the first search runs through all from the first record; the next ones go on down.
    if (!firstSearch_ && request.Direction == FindDirection::All)
        request.Direction = FindDirection::Down;
    const int kind = matchKind_->ItemIndex();
    request.MatchKind = kind >= 0 && kind < 3 ? kMatchKinds[kind] : FindMatch::AnyPart;
    request.TreeRange = qMax(0, treeRange_->ItemIndex());
    return request;
}

void FindDialog::findNext()
{
    const FindRequest request = Request();
    if (findText_->findText(request.Text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        findText_->addItem(request.Text);
        findText_->SetText(request.Text);
    }
    if (!grid_ || !grid_->DataSet() || !grid_->DataSet()->Active())
        return;
    if (FindCellText(*grid_, request))
        firstSearch_ = false;
}

void FindDialog::closeDialog()
{
    close();
}

void FindDialog::findTextChanged()
{
    firstSearch_ = true;
}

void FindDialog::findInChanged()
{
    firstSearch_ = true;
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event)
{
    // An open drop-down list is a window of its own and keeps its keys.
    auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || !control || control->window() != this)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    if (QLineEdit* edit = findText_->lineEdit())
        edit->setModified(false);
    if (key == Qt::Key_Escape)
        close();
    else
        Application::Instance().HandleEvent([this] { findNext(); });
    return true;
}

void OpenFindDialog(DataGrid& grid, QWidget* owner, const QString& text, bool modal)
{
    static QPointer<FindDialog> dialog;
    if (!dialog)
        dialog = new FindDialog(owner);
    dialog->ShowOver(grid, text, modal);
}
