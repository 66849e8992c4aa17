// The floating footer: its settings' effect on the grid, the strip that paints
// it, the footer cells' calculations and the custom preview's template.
// Shown as the fixed last row, the footer hides the last row from the normal
// rows and sets FixedFooters. The column functions of the footer cells come from
// the one calculator the data services install (SetColumnCalculator); without
// one they give 0.

#include "grid/engine/hints/ExGridFooter.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLE.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <QtGui/QHelpEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QToolTip>

// ---- the template of the custom preview -------------------------------------------

QString ExpandFooterTemplate(const QString& Template, int ColumnCount, const std::function<QString(int)>& CellText)
{
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype tag = Template.indexOf(QStringLiteral("<#"), from);
        if (tag < 0)
            break;
        result += Template.mid(from, tag - from);
        const qsizetype close = Template.indexOf(u'>', tag);
        if (close < 0)
            return result;
        bool ok = false;
        const int column = Template.mid(tag + 2, close - tag - 2).toInt(&ok);
        if (ok && column >= 0 && column < ColumnCount)
            result += CellText(column);
        from = close + 1;
    }
    return result + Template.mid(from);
}

QString TExStringGrid::ExpandFooterTemplate(const QString& Template)
{
    return ::ExpandFooterTemplate(Template, TotalColCount(), [this](int c) { return GetCellEx(c, Row()); });
}

// ---- the settings' effect on the grid ------------------------------------------------

void TFloatingFooter::SetVisible(bool Value)
{
    m_visible = Value;
    if (m_owner) {
        TFooterPanel* panel = m_owner->FooterPanel();
        panel->SetPanelHeight(Value ? m_height - 1 : 0);
        panel->setVisible(Value);
        m_owner->SetFixedFooters(Value && m_footerStyle == fsFixedLastRow ? 1 : 0);
        m_owner->SetHideLastRow(Value && m_footerStyle == fsFixedLastRow);
    }
    if (OnChange)
        OnChange(this);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    m_footerStyle = Value;
    if (m_owner)
        m_owner->SetHideLastRow(m_visible && Value == fsFixedLastRow);
    if (OnChange)
        OnChange(this);
    Invalidate();
}

void TFloatingFooter::SetHeight(int Value)
{
    m_height = Value;
    if (m_owner && Value > 0 && m_visible)
        m_owner->FooterPanel()->SetPanelHeight(Value - 1);
}

void TFloatingFooter::Invalidate()
{
    if (m_owner)
        m_owner->UpdateFooter();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int ACol) const
{
    if (!m_owner || ACol < 0 || m_owner->RowCount() < 1)
        return acNONE;
    const int last = m_owner->RowCount() - 1;
    if (!m_owner->HasCellProperties(ACol, last))
        return acNONE;
    return m_owner->CellProperties(ACol, last)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value)
{
    if (!m_owner || ACol < 0 || m_owner->RowCount() < 1)
        return;
    m_owner->CellProperties(ACol, m_owner->RowCount() - 1)->SetCalcType(Value);
    m_owner->RecalcFooterColumn(ACol);
}

// ---- the grid's footer operations -----------------------------------------------------

TFooterPanel* TExStringGrid::FooterPanel()
{
    if (!p->footer.panel)
        p->footer.panel = new TFooterPanel(this);
    return p->footer.panel;
}

void TExStringGrid::UpdateFooter()
{
    if (p->footer.panel)
        p->footer.panel->update();
}

void TExStringGrid::CalcFooter(int ACol) { ComputeFooterCells(ACol); }

void TExStringGrid::RecalcFooterColumn(int ACol) { CalcFooter(ACol); }

void TExStringGrid::FooterRowChanged()
{
    TBaseGrid::FooterRowChanged();
    UpdateFooter();
}

void TExStringGrid::SetColumnCalculator(TFooterColumnCalculator Calculator)
{
    p->footer.calculator = std::move(Calculator);
}

void TExStringGrid::ComputeFooterCells(int ACol)
{
    const TFloatingFooter& footer = *p->floatingFooter;
    if (!footer.Visible() || footer.FooterStyle() != fsFixedLastRow || !footer.EnableCalculation())
        return;
    const int first = ACol == -1 ? 0 : ACol;
    const int last = ACol == -1 ? TotalColCount() - 1 : ACol;
    for (int c = first; c <= last; ++c)
        computeFooterCell(c);
}

void TExStringGrid::computeFooterCell(int ACol)
{
    const int footerRow = RowCount() - 1;
    if (ACol < 0 || footerRow < 0 || !HasCellProperties(ACol, footerRow))
        return;
    const int hidden = p->floatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
    const int toRow = RowCount() - 2 + hidden;
    const auto kind = TColumnCalcType(int(CellProperties(ACol, footerRow)->CalcType()) & 0x7F);
    switch (kind) {
    case acNONE:
    case acSPREAD:
        return;
    case acCOUNT:
        SetInts(ACol, footerRow, RowCount() - FixedRows() - 1 + hidden);
        return;
    case acCUSTOM: {
        QString value;
        if (OnFooterCalc)
            OnFooterCalc(this, ACol, RowCount() - 1 + hidden, value);
        else if (p->floatingFooter->OnCalcFooter)
            p->floatingFooter->OnCalcFooter(this, ACol, RowCount() - 1 + hidden, value);
        SetCells(ACol, footerRow, value);
        return;
    }
    default: {
        const double value = p->footer.calculator ? p->footer.calculator(kind, ACol, FixedRows(), toRow) : 0.0;
        SetFloats(ACol, footerRow, value);
    }
    }
}

// ---- the strip ---------------------------------------------------------------------------

namespace {

constexpr TColor FrameGrey = TColor(0x808080);

// The columns the strip shows, with the left edge each has in the grid, in
// painting order: the fixed columns, then those from LeftCol on, up to Limit.
template <typename Visit>
void ForShownColumns(TExStringGrid& grid, int Limit, Visit visit)
{
    const int row = std::max(0, grid.TopRow());
    for (int c = 0; c < grid.ColCount(); ++c) {
        if (c >= grid.FixedCols() && c < grid.LeftCol())
            continue;
        const TRect r = grid.TCustomGrid::CellRect(c, row);
        if (IsRectEmpty(r) || r.Left > Limit)
            return;
        visit(c, r.Left);
    }
}

// The width of the part of the grid that shows cells: the fixed columns and
// the columns from LeftCol on.
int ShownColumnsWidth(TExStringGrid& grid)
{
    int width = 0;
    ForShownColumns(grid, grid.ClientWidth(),
                    [&](int c, int left) { width = left + grid.ColWidths(c) + grid.GridLineWidth(); });
    return width;
}

void DrawPreviewFrame(TCanvas& canvas, const TRect& area)
{
    canvas.Pen()->SetColor(clWhite);
    canvas.MoveTo(area.Left, area.Bottom - 1);
    canvas.LineTo(area.Left, area.Top);
    canvas.LineTo(area.Right - 1, area.Top);
    canvas.Pen()->SetColor(FrameGrey);
    canvas.LineTo(area.Right - 1, area.Bottom - 1);
    canvas.LineTo(area.Left, area.Bottom - 1);
}

} // namespace

TFooterPanel::TFooterPanel(TExStringGrid* AGrid) : QWidget(AGrid->viewport()), m_grid(AGrid)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    hide();
    parentWidget()->installEventFilter(this);
    place();
}

void TFooterPanel::SetPanelHeight(int Value)
{
    m_height = std::max(0, Value);
    place();
}

void TFooterPanel::place()
{
    const QWidget* area = parentWidget();
    setGeometry(0, area->height() - m_height, area->width(), m_height);
}

bool TFooterPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == parentWidget() && e->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, e);
}

int TFooterPanel::ColumnAt(int X) const
{
    int found = -1;
    ForShownColumns(*m_grid, X, [&](int c, int left) {
        if (left <= X && X < left + m_grid->ColWidths(c) + m_grid->GridLineWidth())
            found = c;
    });
    return found;
}

void TFooterPanel::paintEvent(QPaintEvent*)
{
    TCanvas canvas(this);
    canvas.Font()->Assign(m_grid->Font());
    const TFloatingFooter& footer = *m_grid->FloatingFooter();
    const TRect client = Rect(0, 0, width(), height());
    int painted = ShownColumnsWidth(*m_grid);
    if (footer.FooterStyle() == fsCustomPaint)
        painted = width();
    canvas.Brush()->SetColor(m_grid->Color());
    canvas.FillRect(client);
    canvas.Brush()->SetColor(footer.Color());
    const TRect area = Rect(0, 0, std::min(painted, width()), height());
    canvas.FillRect(area);
    switch (footer.FooterStyle()) {
    case fsFixedLastRow:
        m_grid->paintFooterCells(canvas, area);
        break;
    case fsColumnPreview:
        DrawPreviewFrame(canvas, area);
        m_grid->paintFooterPreview(canvas, area);
        break;
    case fsCustomPreview:
        DrawPreviewFrame(canvas, area);
        m_grid->paintFooterTemplate(canvas, area);
        break;
    case fsCustomPaint:
        if (m_grid->OnFooterPaint)
            m_grid->OnFooterPaint(m_grid, footer.Column(), &canvas, client);
        break;
    }
    if (footer.BorderColor() != clNone) {
        canvas.Pen()->SetColor(footer.BorderColor());
        canvas.MoveTo(0, 0);
        canvas.LineTo(painted, 0);
    }
}

void TExStringGrid::paintFooterCells(TCanvas& Canvas, const TRect& Area)
{
    const int footerRow = RowCount() - 1;
    const TGridOptions options = Options();
    const bool whiteEdge = !Flat() && options.testFlag(goFixedVertLine) &&
                           (p->look == glSoft || p->look == glStudio || p->look == glXP || p->look == glVista);
    const int top = options.testFlag(goFixedHorzLine) ? 1 : 0;
    ForShownColumns(*this, Area.Right, [&](int c, int left) {
        const bool fixed = c < FixedCols();
        const TPoint span = CellSpan(c, footerRow);
        int right = left + ColWidths(c);
        for (int extra = 1; extra <= span.X && c + extra < ColCount(); ++extra)
            right += ColWidths(c + extra) + GridLineWidth();
        const TRect cell = Rect(left, top, right, Area.Bottom);
        if (!fixed) {
            TBrush brush;
            brush.SetColor(clNone);
            TFont font;
            if (OnGetCellColor) {
                OnGetCellColor(this, footerRow, c, TGridDrawState(), &brush, &font);
                if (brush.Color() != clNone) {
                    Canvas.Brush()->SetColor(brush.Color());
                    Canvas.FillRect(cell);
                }
            }
            const TColor own = Colors(DisplayToRealCol(c), footerRow);
            if (own != clNone) {
                Canvas.Brush()->SetColor(own);
                Canvas.FillRect(cell);
            }
        }
        if (whiteEdge) {
            Canvas.Pen()->SetColor(clWhite);
            Canvas.MoveTo(left, top);
            Canvas.LineTo(left, Area.Bottom);
        }
        if (options.testFlag(goFixedHorzLine)) {
            Canvas.Pen()->SetColor(GridLineColor());
            Canvas.MoveTo(left, 0);
            Canvas.LineTo(right + GridLineWidth(), 0);
        }
        if (options.testFlag(goFixedVertLine)) {
            Canvas.Pen()->SetColor(fixed || p->look == glVista ? GridLineColor() : FrameGrey);
            Canvas.MoveTo(right, 0);
            Canvas.LineTo(right, Area.Bottom);
        }
        if (!IsBaseCell(c, footerRow) && IsMergedCell(c, footerRow))
            return;
        if (!fixed && OnFooterPaint)
            OnFooterPaint(p->footer.panel, c, &Canvas, cell);
        else
            RenderCellContent(&Canvas, c, footerRow, cell, fixed ? TGridDrawState(gdFixed) : TGridDrawState());
    });
}

void TExStringGrid::paintFooterPreview(TCanvas& Canvas, const TRect& Area)
{
    const TFloatingFooter& footer = *p->floatingFooter;
    if (OnFooterPaint) {
        OnFooterPaint(p->footer.panel, footer.Column(), &Canvas, Area);
        return;
    }
    const TColor selectionText = SelectionTextColor();
    p->selectionTextColor = clBlack;
    RenderCellContent(&Canvas, footer.Column(), Row(), Area, TGridDrawState());
    p->selectionTextColor = selectionText;
}

void TExStringGrid::paintFooterTemplate(TCanvas& Canvas, const TRect& Area)
{
    TRect r = Area;
    r.Top += 2;
    QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int width = 0, height = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    RenderMarkupText(&Canvas, ExpandFooterTemplate(p->floatingFooter->CustomTemplate()), r, GridImages(), 0, 0, -1,
                     -1, 1, false, false, false, false, true, false, false, false, 1.0, p->urlColor, clNone, clNone,
                     clGray, anchor, plain, focusAnchor, title, width, height, anchors, hitIndex, hitRect,
                     controlRect, controlID, controlValue, controlType, p->imageCache.get(), nullptr, this,
                     bdLeftToRight);
}

void TFooterPanel::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (m_grid->OnClick)
        m_grid->OnClick(m_grid);
    const int column = ColumnAt(e->position().toPoint().x());
    if (column >= 0 && m_grid->OnClickCell)
        m_grid->OnClickCell(m_grid, m_grid->RowCount() - 1, column);
}

bool TFooterPanel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        showColumnHint(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(e);
}

void TFooterPanel::showColumnHint(const QPoint& Pos, const QPoint& GlobalPos)
{
    const int column = ColumnAt(Pos.x());
    QString hint;
    if (column >= 0 && m_grid->OnGridHint)
        m_grid->OnGridHint(m_grid, m_grid->RowCount() - 1, column, hint);
    m_hintColumn = column;
    if (m_grid->FloatingFooter()->ShowHint() && !hint.isEmpty())
        QToolTip::showText(GlobalPos, hint, this);
    else
        QToolTip::hideText();
}

void TFooterPanel::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    if (m_hintColumn != -1 && ColumnAt(e->position().toPoint().x()) != m_hintColumn) {
        QToolTip::hideText();
        m_hintColumn = -1;
    }
}

void TFooterPanel::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    m_hintColumn = -1;
}
