#pragma once

#include "ColumnsOwner.h"

#include "db/DataSetTypes.h"
#include "db/Field.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TDBGridColumnsEh;
class TColumnFootersEh;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TFooterValueType { fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText };
enum TSortMarkerEh { smNoneEh, smDownEh, smUpEh };
enum TTextOrientationEh { tohHorizontal, tohVertical };
enum TColumnButtonStyleEh { cbsAuto, cbsEllipsis, cbsNone, cbsUpDown, cbsDropDown };
enum TColumnKindEh { ckPlain, ckPickList, ckLookup, ckKeyPickList, ckImage, ckCheckBox, ckGraphic };

// The properties that follow a default until they are set, as bits of the
// column's assigned set (the title's live in the column's set too).
enum TColumnEhValue : unsigned {
    cvColor = 1u << 0,
    cvWidth = 1u << 1,
    cvFont = 1u << 2,
    cvAlignment = 1u << 3,
    cvReadOnly = 1u << 4,
    cvTitleColor = 1u << 5,
    cvTitleCaption = 1u << 6,
    cvTitleAlignment = 1u << 7,
    cvTitleFont = 1u << 8,
    cvTitleButton = 1u << 9,
    cvTitleEndEllipsis = 1u << 10,
    cvTitleToolTips = 1u << 11,
    cvTitleOrientation = 1u << 12,
    cvImeMode = 1u << 13,
    cvImeName = 1u << 14,
    cvWordWrap = 1u << 15,
    cvLookupDisplayFields = 1u << 16,
    cvCheckboxes = 1u << 17,
    cvAlwaysShowEditButton = 1u << 18,
    cvEndEllipsis = 1u << 19,
    cvAutoDropDown = 1u << 20,
    cvDblClickNextVal = 1u << 21,
    cvToolTips = 1u << 22,
    cvDropDownSizing = 1u << 23,
    cvDropDownShowTitles = 1u << 24,
    cvLayout = 1u << 25,
    cvHighlightRequired = 1u << 26,
    cvBiDiMode = 1u << 27,
};
enum TFooterEhValue : unsigned { fvAlignment = 1, fvFont = 2, fvColor = 4, fvToolTips = 8 };

// The setter rule of a value that follows a default: nothing when it is set
// already to the same value; otherwise store it and mark it set. True when
// it was stored, so that the caller sends its notification.
template <typename T>
bool StoreAssigned(T& stored, const T& value, unsigned& assigned, unsigned flag)
{
    if ((assigned & flag) && stored == value)
        return false;
    stored = value;
    assigned |= flag;
    return true;
}

// Grid-wide defaults of titles and footers, and of columns.
class TColumnTitleDefValuesEh {
public:
    explicit TColumnTitleDefValuesEh(TColumnsOwnerEh* grid) : grid_(grid) {}
    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    QString Color() const;
    void SetColor(const QString& colour);
    bool EndEllipsis = false;
    TTextOrientationEh Orientation = tohHorizontal;
    bool TitleButton = false;
    bool ToolTips = false;

private:
    TColumnsOwnerEh* grid_;
    int alignment_ = -1;  // -1: not assigned
    QString colour_;      // empty: not assigned
};

class TColumnDefValuesEh {
public:
    explicit TColumnDefValuesEh(TColumnsOwnerEh* grid) : Title(grid) {}
    bool AlwaysShowEditButton = false;
    bool AutoDropDown = false;
    bool DblClickNextVal = false;
    bool DropDownShowTitles = false;
    bool DropDownSizing = false;
    bool EndEllipsis = false;
    bool HighlightRequired = false;
    bool ToolTips = false;
    TTextLayout Layout = tlTop;
    TColumnTitleDefValuesEh Title;
    struct {
        bool ToolTips = false;
    } Footer;
};

// A column's title.
class TColumnTitleEh {
public:
    explicit TColumnTitleEh(TColumnEh& column) : column_(column) {}

    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    // Set, else the bound field's display name, else the column's FieldName.
    QString Caption() const;
    void SetCaption(const QString& caption);
    QString Color() const;
    void SetColor(const QString& colour);
    TFontEh Font() const;
    void SetFont(const TFontEh& font);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool on);
    bool TitleButton() const;
    void SetTitleButton(bool on);
    bool ToolTips() const;
    void SetToolTips(bool on);
    TTextOrientationEh Orientation() const;
    void SetOrientation(TTextOrientationEh orientation);

    QString Hint;
    int ImageIndex = -1;
    int SortIndex() const { return sortIndex_; }
    void SetSortIndex(int index) { sortIndex_ = qMax(0, index); }
    TSortMarkerEh SortMarker = smNoneEh;

    void ClearAssignedValues();
    void Assign(const TColumnTitleEh& source);

private:
    friend class TColumnEh;
    TColumnEh& column_;
    TAlignment alignment_ = taLeftJustify;
    QString caption_;
    QString colour_;
    TFontEh font_;
    int sortIndex_ = 0;
    bool endEllipsis_ = false;
    bool titleButton_ = false;
    bool toolTips_ = false;
    TTextOrientationEh orientation_ = tohHorizontal;
};

// A column's footer: static text, a field value or an aggregate of the sum list.
class TColumnFooterEh {
public:
    explicit TColumnFooterEh(TColumnEh& column) : column_(column) {}
    ~TColumnFooterEh();
    TColumnFooterEh(const TColumnFooterEh&) = delete;
    TColumnFooterEh& operator=(const TColumnFooterEh&) = delete;

    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    QString Color() const;
    void SetColor(const QString& colour);
    TFontEh Font() const;
    void SetFont(const TFontEh& font);
    bool ToolTips() const;
    void SetToolTips(bool toolTips);
    unsigned AssignedValues() const { return assigned_; }

    const QString& FieldName() const { return fieldName_; }
    void SetFieldName(const QString& fieldName);
    TFooterValueType ValueType() const { return valueType_; }
    void SetValueType(TFooterValueType type);
    QString DisplayFormat;
    bool EndEllipsis = false;
    QString Value;
    bool WordWrap = false;

    // The sum-list item this footer owns, or null.
    TDBSum* Sum() const { return sum_; }
    // Keeps the sum-list item in step with the value type and field.
    void Relink();
    void ClearAssignedValues();
    void Assign(const TColumnFooterEh& source);

private:
    void FreeSum();

    TColumnEh& column_;
    unsigned assigned_ = 0;
    TAlignment alignment_ = taLeftJustify;
    QString colour_;
    TFontEh font_;
    bool toolTips_ = false;
    QString fieldName_;
    TFooterValueType valueType_ = fvtNon;
    TDBSum* sum_ = nullptr;
};

// What the painter and the find dialog need of a cell.
struct TColCellParamsEh {
    int Col = -1;
    int Row = -1;
    TFontEh Font;
    QString Background;
    TAlignment Alignment = taLeftJustify;
    int ImageIndex = -1;
    QString Text;
    bool ReadOnly = false;
};

// A grid column: the field it shows and how. A property that follows a
// default is read as its set value when assigned, else as the default worked
// out from the bound field, the grid or the grid's column defaults.
class TColumnEh {
public:
    TColumnEh(TDBGridColumnsEh& collection, bool stored);
    virtual ~TColumnEh();
    TColumnEh(const TColumnEh&) = delete;
    TColumnEh& operator=(const TColumnEh&) = delete;

    TDBGridColumnsEh& Collection() const { return collection_; }
    TColumnsOwnerEh* Grid() const;
    int Index() const;
    void SetIndex(int index);
    bool IsDefaultColumn() const { return !stored_; }
    unsigned AssignedValues() const { return assigned_; }
    bool IsAssigned(TColumnEhValue value) const { return assigned_ & value; }

    const QString& FieldName() const { return fieldName_; }
    void SetFieldName(const QString& fieldName);
    // The bound field, resolved by name when needed, or null.
    DbField* BoundField();
    void BindField(DbField* field);
    // Forgets the cached field; the next BoundField resolves it again.
    void DropField() { field_ = nullptr; }

    TAlignment Alignment();
    void SetAlignment(TAlignment alignment);
    QString Color() const;
    void SetColor(const QString& colour);
    TFontEh Font() const;
    void SetFont(const TFontEh& font);
    bool ReadOnly();
    void SetReadOnly(bool readOnly);
    int Width();
    void SetWidth(int width);
    // The width the column takes while Width is not assigned.
    int DefaultWidth();
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int width);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool WordWrap();
    void SetWordWrap(bool wordWrap);
    bool Checkboxes();
    void SetCheckboxes(bool on);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool endEllipsis);
    TTextLayout Layout() const;
    void SetLayout(TTextLayout layout);
    bool ToolTips() const;
    void SetToolTips(bool toolTips);
    // Editing and drop-down hints, kept for the configuration: each follows
    // the grid's column defaults until set.
    bool Hint(TColumnEhValue which) const;
    void SetHint(TColumnEhValue which, bool on);

    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString& format);
    // Input method and text direction, following the grid until set.
    const QString& ImeMode() const { return imeMode_; }
    void SetImeMode(const QString& mode);
    const QString& ImeName() const { return imeName_; }
    void SetImeName(const QString& name);
    QString BiDiMode() const { return IsAssigned(cvBiDiMode) ? biDiMode_ : u"bdLeftToRight"_qs; }
    void SetBiDiMode(const QString& mode);
    // A lookup field's result field, following the field until set.
    QString LookupDisplayFields() const { return lookupDisplayFields_; }
    void SetLookupDisplayFields(const QString& fields);

    // Kept for editing, drop-downs and images, which this grid never uses.
    QString EditMask;
    int DropDownWidth = 0;
    bool ShowImageAndText = false;
    QObject* ImageList = nullptr;
    QObject* PopupMenu = nullptr;

    QStringList KeyList;
    QStringList PickList;
    int NotInKeyListIndex = -1;
    bool HideDuplicates = false;
    bool AutoFitColWidth = true;
    TColumnButtonStyleEh ButtonStyle = cbsAuto;
    int DropDownRows = 7;
    double Increment = 1;
    int Tag = 0;

    TColumnTitleEh& Title() { return title_; }
    const TColumnTitleEh& Title() const { return title_; }
    TColumnFooterEh& Footer() { return footer_; }
    TColumnFootersEh& Footers() { return *footers_; }
    // The footer shown in footer row i.
    TColumnFooterEh& FooterForRow(int row);
    void RelinkFooters();

    TColumnKindEh Kind();
    // The bound field's text for the current record, after the key and pick
    // lists and the display format.
    QString CellText();
    TColCellParamsEh BuildCellParams();
    // Lets the column's OnGetCellParams handler adjust a cell about to be shown.
    void FillCellParams(TColCellParamsEh& params);
    using TGetCellParams = std::function<void(TColumnEh& column, TColCellParamsEh& params)>;
    const TGetCellParams& OnGetCellParams() const { return onGetCellParams_; }
    void SetOnGetCellParams(TGetCellParams handler);

    void ClearAssignedValues();
    void Assign(const TColumnEh& source);
    // The column changed: this one, or every column when a shared look changed.
    void Changed(bool allColumns = false);

private:
    friend class TColumnTitleEh;
    void SetAssigned(unsigned value, bool on);

    TDBGridColumnsEh& collection_;
    bool stored_;
    unsigned assigned_ = 0;
    QString fieldName_;
    DbField* field_ = nullptr;
    TAlignment alignment_ = taLeftJustify;
    QString colour_;
    TFontEh font_;
    bool readOnly_ = false;
    int width_ = 64;
    int minWidth_ = 0;
    int maxWidth_ = 0;
    bool visible_ = true;
    bool wordWrap_ = false;
    bool checkboxes_ = false;
    bool endEllipsis_ = false;
    TTextLayout layout_ = tlTop;
    bool toolTips_ = false;
    unsigned hints_ = 0;  // the set values of the editing hints, by flag
    TGetCellParams onGetCellParams_;
    QString imeMode_ = u"imDontCare"_qs;
    QString imeName_;
    QString biDiMode_;
    QString lookupDisplayFields_;
    QString displayFormat_;
    int autoFitBaseWidth_ = 0;
    TColumnTitleEh title_;
    TColumnFooterEh footer_;
    std::unique_ptr<TColumnFootersEh> footers_;
};

// The column class the grid makes; it publishes TColumnEh's properties.
class TDBGridColumnEh : public TColumnEh {
public:
    using TColumnEh::TColumnEh;
};

// A list of columns that owns none of them (the visible and sort columns).
class TColumnsEhList {
public:
    int Count() const { return int(items_.size()); }
    TColumnEh& Item(int index) const { return *items_.at(size_t(index)); }
    void Clear() { items_.clear(); }
    void Add(TColumnEh& column) { items_.push_back(&column); }
    void Remove(const TColumnEh& column) { std::erase(items_, &column); }
    int IndexOf(const TColumnEh& column) const;

private:
    std::vector<TColumnEh*> items_;
};

// A column's extra footers, one per further footer row.
class TColumnFootersEh {
public:
    explicit TColumnFootersEh(TColumnEh& column) : column_(column) {}
    int Count() const { return int(items_.size()); }
    TColumnFooterEh& Item(int index) { return *items_.at(size_t(index)); }
    TColumnFooterEh& Add();
    void Clear();

private:
    TColumnEh& column_;
    std::vector<std::unique_ptr<TColumnFooterEh>> items_;
};

// The grid's columns. Persistent columns come from the configuration;
// default columns are made by the layout pass for the result set's fields.
class TDBGridColumnsEh {
public:
    explicit TDBGridColumnsEh(TColumnsOwnerEh* grid) : grid_(grid) {}
    ~TDBGridColumnsEh();

    TColumnsOwnerEh* Grid() const { return grid_; }
    int Count() const { return int(items_.size()); }
    TColumnEh& Item(int index) const { return *items_.at(size_t(index)); }
    int IndexOf(const TColumnEh* column) const;
    TColumnEh& Add();
    TColumnEh& AddDefault();
    void Delete(int index);
    void Clear();
    void Move(int from, int to);
    // Persistent when any column was added as a persistent one.
    bool PersistentState() const;
    // Every column forgets its cached field.
    void DropFields();

    // Changes inside the bracket reach the grid once, at its end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    // A column changed (null: all); held back while updating.
    void Update(TColumnEh* column);

    // The stored column list: written only in persistent state; each column's
    // written properties, sub-objects with dotted names ("Title.Caption").
    QJsonArray Write() const;
    void Read(const QJsonArray& columns);

private:
    TColumnsOwnerEh* grid_;
    std::vector<std::unique_ptr<TColumnEh>> items_;
    int updateCount_ = 0;
    bool pendingUpdate_ = false;
};
