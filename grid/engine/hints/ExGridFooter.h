#pragma once

// The floating footer's strip: a panel at the bottom of the grid's cell area
// that stays in place while the grid scrolls, and the template of its custom
// preview.

#include "grid/engine/ExGrid.h"
#include "platform/core/TObject.h"

#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtWidgets/QWidget>

#include <functional>

class TExStringGrid;

// Expands "<#n>" tags in Template with CellText(n) for n in 0 .. ColumnCount - 1
// and with nothing for any other number; a tag whose inside is no number is
// dropped, and so is an unclosed tag with everything after it.
QString ExpandFooterTemplate(const QString& Template, int ColumnCount, const std::function<QString(int)>& CellText);

// A child of the grid's viewport, aligned to its bottom edge, that paints the
// footer in the grid's FloatingFooter style. Releasing a mouse button on it
// clicks the grid and the footer cell; its hints come from OnGridHint for the
// last row.
class TFooterPanel : public QWidget, public TObject {
public:
    explicit TFooterPanel(TExStringGrid* AGrid);

    TExStringGrid* Grid() const { return m_grid; }
    // The strip's height; 0 hides it from the cell area.
    int PanelHeight() const { return m_height; }
    void SetPanelHeight(int Value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value) { m_borderWidth = Value; }
    // The column under x, walking the fixed columns and then those from
    // LeftCol; -1 right of the last column.
    int ColumnAt(int X) const;
    // The column whose hint was shown last, -1 when none.
    int HintColumn() const { return m_hintColumn; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void place();
    void showColumnHint(const QPoint& Pos, const QPoint& GlobalPos);

    TExStringGrid* m_grid;
    int m_height = 0;
    int m_borderWidth = 0;
    int m_hintColumn = -1;
};

// The grid's footer state: its strip and the installed column functions.
struct TExGridFooterState {
    QPointer<TFooterPanel> panel;
    TExStringGrid::TFooterColumnCalculator calculator;
};
