// Measuring a cell's text as the cell draws it: in the cell's visual font,
// several lines with Multilinecells, the wrapped height through DrawText, and
// markup through the markup renderer in measure-only mode.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/layout/ExGridMeasureCanvas.h"
#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <algorithm>
#include <cmath>

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow, bool WordWrap, bool ReserveButton)
{
    return MeasureCellText(ACol, RealToDisplayCol(ACol), ARow, WordWrap, ReserveButton);
}

TSize TExStringGrid::MeasureCellText(int ARealCol, int ADisplCol, int ARow, bool WordWrap, bool ReserveButton)
{
    QString text = GetFormattedCell(ARealCol, ARow);
    const int kind = ClassifyCellText(text, p->enableHTML);

    TMeasureCanvas::Lease lease(p->measureCanvas);
    TCanvas& canvas = *lease;
    TGridDrawState state;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ADisplCol, ARow, state, false, false, true, canvas.Brush(), colorTo, mirror, mirrorTo,
                        canvas.Font(), ha, va, ww, gd);
    const bool fixedArea = ADisplCol < FixedCols() || ARow < FixedRows();
    if (fixedArea && p->activeCellShow && p->activeCellFont->Style().testFlag(fsBold))
        canvas.Font()->SetStyle(canvas.Font()->Style() | fsBold);
    canvas.Font()->SetSize(canvas.Font()->Size() + p->zoomFactor);
    if (kind == ctFormula)
        GetCellValueText(ARealCol, ARow, text);

    // A single line of plain text measures without its cell's rectangle.
    const bool plainLines = kind != ctMarkup && !(kind == ctRichText && !QueryDesignMode()) && !WordWrap;
    if (plainLines)
        return measurePlainLines(canvas, ARealCol, ARow, text);

    TRect r = CellRect(ADisplCol, ARow);
    r.Left += p->xyOffset.X;
    r.Top += p->xyOffset.Y;
    if (!XYOffsetTopLeftOnly()) {
        r.Right -= p->xyOffset.X;
        r.Bottom -= p->xyOffset.Y;
    }
    if (ReserveButton)
        r.Right -= 17;

    if (kind == ctMarkup) {
        if (!WordWrap)
            r.Right = 65535;
        r.Bottom = 65535;
        QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
        int width = 0, height = 0, anchors = 0, hitIndex = 0;
        TRect hitRect, controlRect;
        RenderMarkupText(&canvas, text, r, nullptr, 0, 0, -1, -1, 1, false, true, false, false, true, false,
                         WordWrap, false, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focusAnchor, title,
                         width, height, anchors, hitIndex, hitRect, controlRect, controlID, controlValue,
                         controlType, p->imageCache.get(), nullptr, this, bdLeftToRight);
        return TSize{width + 2, height + 2};
    }

    if (kind == ctRichText && !QueryDesignMode())
        return measureRichTextCell(ARealCol, ARow, r, WordWrap);

    r.Left += 2;
    r.Top += 2;
    r.Right -= 2;
    r.Bottom -= 2;
    // a line break just typed opens a new line that counts
    const bool editing = EditorMode() && ADisplCol == Col() && ARow == Row();
    if (editing && text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('w');
    TRect calc = r;
    const unsigned lines = GetCellType(ARealCol, ARow) == ctRotated ? DT_SINGLELINE : DT_WORDBREAK;
    DrawText(canvas, text, calc, DT_CALCRECT | lines | DT_EXPANDTABS | DT_NOPREFIX);
    return rotatedIfAsked(ARealCol, ARow, TSize{r.Right - r.Left, calc.Bottom - calc.Top});
}

// The widest of the text's lines, each line a font height; all lines with
// multi-line cells, else the first.
TSize TExStringGrid::measurePlainLines(const TCanvas& Canvas, int ARealCol, int ARow, const QString& Text)
{
    const auto lineWidth = [&](QString line) {
        line.remove(QLatin1Char('\n'));
        if (URLShow() && !URLFull())
            StripUrlScheme(line);
        return Canvas.TextWidth(line);
    };
    const qsizetype firstBreak = Text.indexOf(QLatin1Char('\r'));
    int width = 0;
    int count = 1;
    if (firstBreak < 0 || !Multilinecells()) {
        width = lineWidth(firstBreak < 0 ? Text : Text.left(firstBreak));
    } else {
        const QStringList lines = Text.split(QLatin1Char('\r'));
        for (const QString& line : lines)
            width = std::max(width, lineWidth(line));
        count = static_cast<int>(lines.size());
    }
    return rotatedIfAsked(ARealCol, ARow, TSize{width, Canvas.TextHeight(QStringLiteral("gh")) * count});
}

TSize TExStringGrid::rotatedIfAsked(int ARealCol, int ARow, TSize Size)
{
    int angle = 0;
    return IsRotated(ARealCol, ARow, angle) ? RotatedTextSize(Size, angle) : Size;
}

TSize TExStringGrid::RotatedTextSize(TSize Size, int Angle)
{
    const double a = Angle * M_PI / 180.0;
    const double s = std::sin(a);
    const double c = std::cos(a);
    // whole pixels, rounded as the platform rounds (halves to even), made positive
    const auto whole = [](double x) { return std::abs(static_cast<int>(std::nearbyint(x))); };
    return TSize{std::abs(whole(Size.cy * s) - whole(Size.cx * c)) + 12,
                 std::abs(whole(Size.cy * c) - whole(Size.cx * s)) + 12};
}
