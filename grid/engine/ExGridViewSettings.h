#pragma once

// Settings of what a grid shows around its cells: scrolling while something is
// dragged over it and the floating footer strip.

#include "grid/foundation/cellstore/BaseGridTypes.h"
#include "grid/foundation/util/EnumSet.h"
#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>

#include <functional>

class TExStringGrid;

enum TDragScrollDirection : int { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = EnumSet<TDragScrollDirection>;

struct TDragScrollDelays {
    int InitialDelay = 1000;
    int RepeatDelay = 250;
};

struct TDragScrollMargins {
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

// Whether and how fast the grid scrolls while a drag nears its edges.
class TDragScrollOptions : public TObject {
public:
    bool Active() const { return m_active; }
    void SetActive(bool Value) { m_active = Value; }
    TDragScrollDelays& Delays() { return m_delays; }
    const TDragScrollDelays& Delays() const { return m_delays; }
    TDragScrollMargins& Margins() { return m_margins; }
    const TDragScrollMargins& Margins() const { return m_margins; }

    // Copies everything from other options; any other source is ignored.
    void Assign(const TObject* Source);

private:
    bool m_active = false;
    TDragScrollDelays m_delays;
    TDragScrollMargins m_margins;
};

enum TFooterStyle : int { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;

// The strip at the bottom of the grid that stays while the grid scrolls.
// Changing what it shows repaints it (OnChange). Shown in fsFixedLastRow
// style it takes the grid's last row as one fixed footer row.
class TFloatingFooter : public TObject {
public:
    explicit TFloatingFooter(TExStringGrid* AOwner) : m_owner(AOwner) {}

    TExStringGrid* Owner() const { return m_owner; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    TFooterStyle FooterStyle() const { return m_footerStyle; }
    void SetFooterStyle(TFooterStyle Value);
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    int Column() const { return m_column; }
    void SetColumn(int Value);
    QString CustomTemplate() const { return m_customTemplate; }
    void SetCustomTemplate(const QString& Value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool Value) { m_showHint = Value; }
    bool CalculateHiddenRows() const { return m_calculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { m_calculateHiddenRows = Value; }
    int Height() const { return m_height; }
    // Sizes the shown strip to one pixel less than Value (above 0).
    void SetHeight(int Value);
    bool EnableCalculation() const { return m_enableCalculation; }
    void SetEnableCalculation(bool Value) { m_enableCalculation = Value; }

    // Copies CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle,
    // Visible (through its writer) and ShowHint from another TFloatingFooter;
    // any other source is ignored.
    void Assign(const TObject* Source);
    // Repaints the strip.
    void Invalidate();
    // The calculation of a column, kept in the cell properties of its last-row
    // cell; setting one calculates that column again.
    TColumnCalcType ColumnCalc(int ACol) const;
    void SetColumnCalc(int ACol, TColumnCalcType Value);

    TCalcFooterEvent OnCalcFooter;
    std::function<void(TObject* Sender)> OnChange;

private:
    TExStringGrid* m_owner;
    bool m_visible = false;
    TFooterStyle m_footerStyle = fsFixedLastRow;
    TColor m_color = clBtnFace;
    TColor m_borderColor = clNone;
    int m_column = 0;
    QString m_customTemplate;
    bool m_showHint = false;
    bool m_calculateHiddenRows = true;
    int m_height = 22;
    bool m_enableCalculation = true;
};
