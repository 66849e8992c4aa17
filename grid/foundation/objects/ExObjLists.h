#pragma once

// The small containers the grid keeps its state in: integer lists that report
// changes with the cell they belong to, the multi-column sort state, and the
// controls placed in cells.

#include "grid/foundation/objects/ExObj.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TObject.h"

#include <QtCore/QList>
#include <QtCore/QString>

#include <functional>

class QWidget;

// An index outside a list of the grid family.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A list of 32-bit integers belonging to one cell (-1, -1 for none). Add,
// Delete and a write of an item raise OnChange with that cell; Insert and
// Clear do not.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row);

    int Count() const;
    int GetInteger(int Index) const;
    // Replaces an item and raises OnChange.
    void SetInteger(int Index, int Value);
    int Add(int Value);
    void Insert(int Index, int Value);
    void Delete(int Index);
    void Clear();
    bool HasValue(int Value) const;
    // Deletes the first item equal to Value (raising OnChange); nothing when absent.
    void DeleteValue(int Value);
    int IndexOf(int Value) const;
    // Sorts by a comparison that answers <0, 0 or >0; raises no event.
    void Sort(const std::function<int(int, int)>& Compare);

    // The items in decimal joined by ","; writing clears the list and adds each
    // item of the comma text, raising EConvertError at the first one that is no
    // whole number (the items before it stay).
    QString StrValue() const;
    void SetStrValue(const QString& Value);

    int Col() const { return m_col; }
    int Row() const { return m_row; }

    TImageChangeEvent OnChange;

private:
    void changed();
    void checkIndex(int Index, int Count) const;
    QList<int> m_items;
    int m_col;
    int m_row;
};

// The sort state of a grid: one item per sort column in priority order, the
// column in the low 31 bits and the top bit set for descending order. Its text
// form is "u2;d5" (ascending column 2, then descending column 5).
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(-1, -1) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    // Position of the first item for that column, the direction ignored; -1 when absent.
    int FindIndex(int ColumnIndex) const;
    void ToggleIndex(int ColumnIndex);

    int SortColumns(int Index) const;
    void SetSortColumns(int Index, int Value);
    // True for ascending.
    bool SortDirections(int Index) const;
    void SetSortDirections(int Index, bool Value);

    QString SaveToString() const;
    // Never fails: entries shorter than two characters are skipped, the column
    // is the number at the start of the rest (ReadLeadingInt; none reads as 0),
    // and only a leading "u" means ascending.
    void LoadFromString(const QString& s);
};

// A control placed in cell (X, Y). The item does not own the control.
class TControlItem : public TObject {
public:
    TControlItem(int AX, int AY, QWidget* AObject) : X(AX), Y(AY), Control(AObject) {}
    int X;
    int Y;
    QWidget* Control;
};

// The controls placed in cells. The list owns its items (freed on removal,
// on Clear and with the list) but not their controls.
class TControlList {
public:
    TControlList() = default;
    ~TControlList();
    TControlList(const TControlList&) = delete;
    TControlList& operator=(const TControlList&) = delete;

    int Count() const;
    void AddControl(int X, int Y, QWidget* AObject);
    // Position of the first item for cell (X, Y), -1 when none.
    int ControlIndex(int X, int Y) const;
    TControlItem* Control(int Index) const;
    TControlItem* GetControl(int Index) const { return Control(Index); }
    void RemoveControl(int Index);
    void Clear();
    // Whether one of the items holds that control window.
    bool HasHandle(const QWidget* Handle) const;

private:
    QList<TControlItem*> m_items;
};
