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
T* control(QObject* form, const char* name)
{
    auto* control = qobject_cast<T*>(findComponent(form, QString::fromLatin1(name)));
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
    registerWidgetComponents();
    loadLayout(this, u":/layouts/FindDialog.json"_s);
    findText_ = control<ComboBox>(this, "cbText");
    findIn_ = control<ComboBox>(this, "cbFindIn");
    matchKind_ = control<ComboBox>(this, "cbMatchinType");
    direction_ = control<ComboBox>(this, "cbFindDirection");
    matchCase_ = control<QCheckBox>(this, "cbCharCase");
    matchFormat_ = control<QCheckBox>(this, "cbUseFormat");
    treeLabel_ = control<QLabel>(this, "Label4");
    treeRange_ = control<ComboBox>(this, "dbcTreeFindRange");
    // The dialog sees Enter and Esc before its controls do.
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void FindDialog::prepare(DataGrid& grid, const QString& text)
{
    // The tree row is for result sets shown as trees, which this program has none of.
    treeLabel_->hide();
    treeRange_->hide();
    setFixedSize(width(), treeRange_->y());

    findText_->setText(text);
    grid_ = &grid;
    fillFindIn();
    firstSearch_ = true;
    findText_->setFocus();
}

void FindDialog::fillFindIn()
{
    findIn_->clear();
    findInColumns_.clear();
    const GridColumns& columns = grid_->columns();
    for (int i = 0; i < columns.count(); ++i) {
        findIn_->addItem(columns.item(i).title().caption());
        findInColumns_.push_back(&columns.item(i));
    }
    findIn_->addItem(u"<All>"_s);
    const GridColumn* current = grid_->currentColumn();
    const int preselected = current ? findIn_->findText(current->title().caption(), Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    findIn_->setItemIndex(preselected >= 0 ? preselected : findIn_->count() - 1);
}

void FindDialog::showOver(DataGrid& grid, const QString& text, bool modal)
{
    prepare(grid, text);
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

FindRequest FindDialog::request() const
{
    FindRequest request;
    request.text = findText_->text();
    const int column = findIn_->itemIndex();
    const bool all = column < 0 || column >= int(findInColumns_.size());
    if (!all)
        request.fieldName = findInColumns_[size_t(column)]->fieldName();
    request.flags = {};
    request.flags.set(FindFlag::CaseInsensitive, !matchCase_->isChecked());
    request.flags.set(FindFlag::UseDisplayText, matchFormat_->isChecked());
    request.flags.set(FindFlag::AllColumns, column == findIn_->count() - 1);
    const int way = direction_->itemIndex();
    request.direction = way >= 0 && way < 3 ? kDirections[way] : FindDirection::All;
    if (QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier))
        request.direction = request.direction == FindDirection::Up ? FindDirection::Down : FindDirection::Up;
    // Only the first search runs through all from the first record; the next ones go on down.
    if (!firstSearch_ && request.direction == FindDirection::All)
        request.direction = FindDirection::Down;
    const int kind = matchKind_->itemIndex();
    request.matchKind = kind >= 0 && kind < 3 ? kMatchKinds[kind] : FindMatch::AnyPart;
    return request;
}

void FindDialog::findNext()
{
    const FindRequest wanted = request();
    if (findText_->findText(wanted.text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        findText_->addItem(wanted.text);
        findText_->setText(wanted.text);
    }
    if (!grid_ || !grid_->dataSet() || !grid_->dataSet()->active())
        return;
    if (findCellText(*grid_, wanted))
        firstSearch_ = false;
}

void FindDialog::closeDialog()
{
    close();
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
        Application::instance().handleEvent([this] { findNext(); });
    return true;
}

void openFindDialog(DataGrid& grid, QWidget* owner, const QString& text, bool modal)
{
    static QPointer<FindDialog> dialog;
    if (!dialog)
        dialog = new FindDialog(owner);
    dialog->showOver(grid, text, modal);
}
