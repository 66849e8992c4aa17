#pragma once

// The small grid settings: mirroring to another grid, banded rows and the
// focus glow.

#include "grid/foundation/objects/ExObj.h"
#include "platform/core/TObject.h"

#include <functional>

class QObject;
class TStringGrid;

// Which moves of its owner a second grid follows.
class TSyncGrid : public TObject {
public:
    explicit TSyncGrid(TStringGrid* AOwner);

    TStringGrid* Owner() const { return m_owner; }

    TStringGrid* Grid() const { return m_grid; }
    // A grid cannot follow itself: the owner is refused.
    void SetGrid(TStringGrid* Value);

    bool ScrollVertical() const { return m_scrollVertical; }
    void SetScrollVertical(bool Value) { m_scrollVertical = Value; }
    bool ScrollHorizontal() const { return m_scrollHorizontal; }
    void SetScrollHorizontal(bool Value) { m_scrollHorizontal = Value; }
    bool SelectionColumn() const { return m_selectionColumn; }
    void SetSelectionColumn(bool Value) { m_selectionColumn = Value; }
    bool SelectionRow() const { return m_selectionRow; }
    void SetSelectionRow(bool Value) { m_selectionRow = Value; }
    bool MoveColumn() const { return m_moveColumn; }
    void SetMoveColumn(bool Value) { m_moveColumn = Value; }
    bool MoveRow() const { return m_moveRow; }
    void SetMoveRow(bool Value) { m_moveRow = Value; }

    // Copies all seven settings from another TSyncGrid, the grid through its
    // writer; any other source is ignored.
    void Assign(const TObject* Source);

private:
    TStringGrid* m_owner;
    TStringGrid* m_grid = nullptr;
    bool m_scrollVertical = false;
    bool m_scrollHorizontal = false;
    bool m_selectionColumn = false;
    bool m_selectionRow = false;
    bool m_moveColumn = false;
    bool m_moveRow = false;
};

// Alternating row colours: PrimaryLength rows in PrimaryColor, then
// SecondaryLength rows in SecondaryColor. Changes are reported only while the
// bands are active, except the switch itself.
class TBands : public TObject {
public:
    TBands() = default;

    bool Active() const { return m_active; }
    void SetActive(bool Value);
    TColor PrimaryColor() const { return m_primaryColor; }
    void SetPrimaryColor(TColor Value);
    int PrimaryLength() const { return m_primaryLength; }
    void SetPrimaryLength(int Value);
    TColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryColor(TColor Value);
    int SecondaryLength() const { return m_secondaryLength; }
    void SetSecondaryLength(int Value);
    bool Print() const { return m_print; }
    void SetPrint(bool Value) { m_print = Value; }
    // PrimaryLength + SecondaryLength.
    int TotalLength() const { return m_totalLength; }

    // Copies the six settings from another TBands; any other source is
    // ignored. Raises no event.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    void changedWhileActive();
    bool m_active = false;
    TColor m_primaryColor = clInfoBk;
    int m_primaryLength = 1;
    TColor m_secondaryColor = clWindow;
    int m_secondaryLength = 1;
    bool m_print = false;
    int m_totalLength = 2;
};

// Whether the grid shows a glow around itself while it has the focus.
class TFocusHelper : public TObject {
public:
    explicit TFocusHelper(QObject* AOwner) : m_owner(AOwner) {}

    QObject* Owner() const { return m_owner; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value) { m_enabled = Value; }

    // Copies Enabled from another TFocusHelper; any other source is ignored.
    void Assign(const TObject* Source);

private:
    QObject* m_owner;
    bool m_enabled = false;
};
