#pragma once

// Column definitions of the column grid: one TGridColumnItem per grid column
// (its index is the grid's real column), held in the grid's
// TGridColumnCollection. A definition answers the grid's questions on editor,
// items, check texts, read-only, looks, printing, sorting, filtering and sizes
// for its column.

#include "grid/foundation/objects/ExObj.h"
#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/controls/Control.h"

#include <QtCore/QString>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class TEditLink;
class TExColumnGrid;
class TFont;
class TGridColumnCollection;
class TPen;
class TStringList;

// Which click on a cell of the column shows its pop-up menu.
enum TColumnPopupType : int {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick
};

class TGridColumnItem : public TObject {
public:
    // Inside a collection the definition takes the grid's font and colour and
    // reports its changes; without one it has no links.
    explicit TGridColumnItem(TGridColumnCollection* Collection = nullptr);
    ~TGridColumnItem() override;
    TGridColumnItem(const TGridColumnItem&) = delete;
    TGridColumnItem& operator=(const TGridColumnItem&) = delete;

    TGridColumnCollection* Collection() const;
    int Index() const;
    // The caption of the definition in a list of columns.
    QString DisplayName() const;

    // Copies every setting; the width is stored without being applied.
    void Assign(const TGridColumnItem& Source);
    // As Assign without the items, drop-down count, header, name and tag; the
    // colour and font come from this definition's grid, the header font stays.
    void AssignVisuals(const TGridColumnItem& Source);

    int AutoMinSize() const;
    void SetAutoMinSize(int Value);
    int AutoMaxSize() const;
    void SetAutoMaxSize(int Value);
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    TCellBorders Borders() const;
    void SetBorders(TCellBorders Value);
    TPen* BorderPen() const;
    void SetBorderPen(const TPen& Value);
    QString CheckFalse() const;
    void SetCheckFalse(const QString& Value);
    QString CheckTrue() const;
    void SetCheckTrue(const QString& Value);
    TColor Color() const;
    void SetColor(TColor Value);
    // Not owned; forgotten when the menu is destroyed.
    QMenu* ColumnPopup() const;
    void SetColumnPopup(QMenu* Value);
    TColumnPopupType ColumnPopupType() const;
    void SetColumnPopupType(TColumnPopupType Value);
    TStringList* ComboItems() const;
    void SetComboItems(const TStringList& Value);
    int DropDownCount() const;
    void SetDropDownCount(int Value);
    int EditLength() const;
    void SetEditLength(int Value);
    // Not owned; forgotten when the link is destroyed.
    TEditLink* EditLink() const;
    void SetEditLink(TEditLink* Value);
    QString EditMask() const;
    void SetEditMask(const QString& Value);
    TEditorType Editor() const;
    void SetEditor(TEditorType Value);
    TStringList* Filter() const;
    void SetFilter(const TStringList& Value);
    bool FilterCaseSensitive() const;
    void SetFilterCaseSensitive(bool Value);
    bool Fixed() const;
    void SetFixed(bool Value);
    QString FloatFormat() const;
    void SetFloatFormat(const QString& Value);
    TFont* Font() const;
    void SetFont(const TFont& Value);
    QString Header() const;
    void SetHeader(const QString& Value);
    TAlignment HeaderAlignment() const;
    void SetHeaderAlignment(TAlignment Value);
    TFont* HeaderFont() const;
    void SetHeaderFont(const TFont& Value);
    int MinSize() const;
    void SetMinSize(int Value);
    int MaxSize() const;
    void SetMaxSize(int Value);
    QString Name() const;
    void SetName(const QString& Value);
    bool Password() const;
    void SetPassword(bool Value);
    bool PrintBorderCustom() const;
    void SetPrintBorderCustom(bool Value);
    TCellBorders PrintBorders() const;
    void SetPrintBorders(TCellBorders Value);
    TPen* PrintBorderPen() const;
    void SetPrintBorderPen(const TPen& Value);
    TColor PrintColor() const;
    void SetPrintColor(TColor Value);
    bool PrintFontCustom() const;
    void SetPrintFontCustom(bool Value);
    TFont* PrintFont() const;
    void SetPrintFont(const TFont& Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    bool ShowBands() const;
    void SetShowBands(bool Value);
    TSortStyle SortStyle() const;
    void SetSortStyle(TSortStyle Value);
    QString SortPrefix() const;
    void SetSortPrefix(const QString& Value);
    QString SortSuffix() const;
    void SetSortSuffix(const QString& Value);
    int SpinMax() const;
    void SetSpinMax(int Value);
    int SpinMin() const;
    void SetSpinMin(int Value);
    int SpinStep() const;
    void SetSpinStep(int Value);
    int Tag() const;
    void SetTag(int Value);
    // The grid's width of the column (hidden columns keep theirs); writing
    // applies it to the grid.
    int Width() const;
    void SetWidth(int Value);
    // The width as stored, without asking the grid.
    int StoredWidth() const;
    void SetStoredWidth(int Value);
    // The column's first position, by which the column order is restored.
    int DefIdx() const;
    void SetDefIdx(int Value);
    // The header text without writing it into the grid.
    void SetHeaderField(const QString& Value);

    // Typed access to the column's cells.
    QString Rows(int ARow) const;
    void SetRows(int ARow, const QString& Value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int Value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double Value);
    double Dates(int ARow) const;
    void SetDates(int ARow, double Value);
    double Times(int ARow) const;
    void SetTimes(int ARow, double Value);

private:
    friend class TGridColumnCollection;
    struct Data;
    std::unique_ptr<Data> d;
    TExColumnGrid* grid() const;
    void changed();
    void repaint();
    void linkOwnedObjects();
};

// The column definitions of one column grid, in column order; it owns them.
class TGridColumnCollection {
public:
    explicit TGridColumnCollection(TExColumnGrid* AOwner = nullptr);
    ~TGridColumnCollection();
    TGridColumnCollection(const TGridColumnCollection&) = delete;
    TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

    TExColumnGrid* GetOwner() const;
    int Count() const;
    TGridColumnItem* Items(int Index) const;
    void SetItems(int Index, const TGridColumnItem& Value);
    // A new definition at the end, looking like its left neighbour.
    TGridColumnItem* Add();
    // A new definition at Index, with the defaults.
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // Replaces the definitions by copies of Source's.
    void Assign(const TGridColumnCollection& Source);
    int IndexOf(const TGridColumnItem* Item) const;

    // Changes between BeginUpdate and the last EndUpdate are reported once.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const;
    // Set while the grid changes the collection itself: changes are not
    // passed back to the grid.
    bool NoRecursiveUpdate() const;
    void SetNoRecursiveUpdate(bool Value);

    // The current order becomes the first order.
    void SetOrganization();
    // Moves the columns back into their first order.
    void ResetOrganization();

    // Reports a change of the collection or of a definition.
    void Changed();
    // Called for every reported change outside an update.
    std::function<void(TGridColumnCollection* Sender)> OnUpdate;

private:
    TExColumnGrid* owner_;
    std::vector<std::unique_ptr<TGridColumnItem>> items_;
    int updateCount_ = 0;
    bool noRecursiveUpdate_ = false;
    bool pendingChange_ = false;
};

// Holds the changes of a collection back while it lives and reports them once
// when it goes, so that setting up many columns refreshes the grid once.
class TGridColumnsUpdate {
public:
    explicit TGridColumnsUpdate(TGridColumnCollection& columns)
        : columns_(columns)
    {
        columns_.BeginUpdate();
    }
    ~TGridColumnsUpdate() { columns_.EndUpdate(); }
    TGridColumnsUpdate(const TGridColumnsUpdate&) = delete;
    TGridColumnsUpdate& operator=(const TGridColumnsUpdate&) = delete;

private:
    TGridColumnCollection& columns_;
};
