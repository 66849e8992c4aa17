// The check boxes and radio buttons of cells in their seven control styles,
// and the sort indicator of sorted column headers. Without visual styles the
// themed style draws the classic frame controls; the pictures of the bitmap
// styles come from the program's own resources (ExUtilPaintResources).

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridRenderContext.h"
#include "grid/foundation/styles/ExUtilPaintBitmaps.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/FrameControls.h"

#include <algorithm>

namespace {

// The picture of a check box or radio button of the bitmap styles, in the
// order checked, unchecked, checked disabled, unchecked disabled.
QString stylePicture(const char* prefix, int first, bool checked, bool enabled)
{
    const int index = first + (checked ? 0 : 1) + (enabled ? 0 : 2);
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(index, 2, 10, QLatin1Char('0'));
}

void drawGlyph(TCanvas* canvas, const TBitmap* glyph, int x, int y)
{
    if (glyph && !glyph->Empty())
        DrawTransparentPicture(canvas, *glyph, x, y);
}

void line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

}  // namespace

void TExStringGrid::DrawCellCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, int TriState, bool IsTriState,
                                     TControlStyle Style, bool Grayed, bool Enabled)
{
    const TControlLook& look = *p->controlLook;
    if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive())
        Enabled = true;
    if (IsTriState) {
        Checked = TriState == int(cbChecked);
        Grayed = TriState == int(cbGrayed);
    }
    const TColor background = Canvas->Brush()->Color();
    switch (Style) {
    case csWinXP:
        DrawResourceBitmapTransparent(Canvas, background, R, stylePicture("ESGCHK", 5, Checked || Grayed, Enabled));
        return;
    case csStudio:
        DrawResourceBitmapTransparent(Canvas, background, R, stylePicture("ESGCHK", 1, Checked || Grayed, Enabled));
        return;
    case csGlyph:
        drawGlyph(Canvas, Checked ? look.CheckedGlyph() : look.UnCheckedGlyph(), R.Left, R.Top);
        return;
    case csBorland:
        drawBorlandCheck(Canvas, R, Checked || Grayed, Enabled);
        return;
    default:
        break;
    }
    // the classic frame control; themes are not active here, so csTheme draws
    // classic as well
    const int size = look.CheckSize();
    const int x = R.Left + (R.Width() - size) / 2;
    const int y = R.Top + (R.Height() - size) / 2;
    platform::FrameStates states;
    if (Checked || Grayed)
        states |= platform::fsChecked;
    if (Style == csFlat)
        states |= platform::fsFlat;
    if (!Enabled || Grayed)
        states |= platform::fsInactive;
    platform::DrawFrameControl(Canvas, Rect(x, y, x + size, y + size), platform::FrameKind::CheckBox, states);
}

void TExStringGrid::drawBorlandCheck(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled)
{
    const int size = p->controlLook->CheckSize();
    const TRect box = Rect(R.Left, R.Top, R.Left + size, R.Top + size);
    Canvas->Brush()->SetColor(Enabled ? clBtnFace : clBtnShadow);
    Canvas->FillRect(box);
    Canvas->Pen()->SetColor(clBtnHighlight);
    line(Canvas, box.Left, box.Bottom - 1, box.Left, box.Top);
    Canvas->LineTo(box.Right - 1, box.Top);
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->LineTo(box.Right - 1, box.Bottom - 1);
    Canvas->LineTo(box.Left - 1, box.Bottom - 1);
    if (!Checked)
        return;
    Canvas->Pen()->SetColor(Enabled ? p->controlLook->Color() : clGray);
    const int mid = box.Top + size / 2;
    line(Canvas, box.Left + 2, mid, box.Left + 2, box.Bottom - 2);
    line(Canvas, box.Left + 3, mid, box.Left + 3, box.Bottom - 2);
    line(Canvas, box.Left + 2, box.Bottom - 3, box.Right - 2, box.Top + 3);
    line(Canvas, box.Left + 3, box.Bottom - 3, box.Right - 1, box.Top + 3);
}

void TExStringGrid::DrawCellRadioGroup(TCanvas* Canvas, const TRect& R, bool Upward, double Scale,
                                       TControlStyle Style, int ARow, int ACol, bool Selected,
                                       const TStringList* Items, bool Disabled, bool Horizontal, int CheckedIndex,
                                       int Count)
{
    const TControlLook& look = *p->controlLook;
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive())
        Disabled = false;
    if (Count <= 0)
        return;
    if (Style == csTheme)
        Style = csClassic;
    const bool classic = Style == csClassic || Style == csFlat;
    const int radio = static_cast<int>(look.RadioSize() * Scale);
    const int button = classic ? radio + (Style == csFlat ? 2 : 0) : 16;
    const int spacing = classic ? radio : 16;
    const int itemCount = Items ? Items->Count() : 0;
    if (itemCount > 0 && Selected && ShowSelection() && p->selectionTextColor != clNone)
        Canvas->Font()->SetColor(p->selectionTextColor);
    int lineHeight = Canvas->TextHeight(QStringLiteral("gh"));
    if (!classic)
        lineHeight = std::max(lineHeight, 16);
    const QString cellText = Cells(ACol, ARow);
    int x = R.Left + 2;
    Canvas->SetBkMode(TRANSPARENT);
    for (int i = 1; i <= Count; ++i) {
        // items past the end of the list are drawn without text
        const QString text = i - 1 < itemCount ? Items->Strings(i - 1) : QString();
        const bool checked = i == CheckedIndex + 1 || (CheckedIndex == -1 && i - 1 < itemCount && text == cellText);
        int bx = 0, by = 0, tx = 0, ty = 0;
        if (Horizontal) {
            bx = x;
            by = R.Top + (R.Height() - button) / 2;
            tx = bx + (classic ? button + 2 : 16);
            ty = R.Top + (R.Height() - Canvas->TextHeight(QStringLiteral("gh"))) / 2;
            x += spacing + Canvas->TextWidth(text) + (classic ? 2 : 0);
        } else {
            const int top = Upward ? R.Bottom - i * lineHeight - 2 : R.Top + (i - 1) * lineHeight + 2;
            by = top + (lineHeight - button) / 2;
            bx = text.isEmpty() ? R.Left + (R.Width() - button) / 2 : R.Left + 2;
            tx = classic ? bx + button + 4 : Style == csBorland ? R.Left + 20 : R.Left + 18;
            ty = top;
        }
        drawRadioButton(Canvas, Rect(bx, by, bx + button, by + button), Style, checked, !Disabled);
        if (!text.isEmpty())
            Canvas->TextOut(tx, ty, text);
    }
}

void TExStringGrid::drawRadioButton(TCanvas* Canvas, const TRect& r, TControlStyle Style, bool Checked, bool Enabled)
{
    const TControlLook& look = *p->controlLook;
    const TColor background = Canvas->Brush()->Color();
    switch (Style) {
    case csWinXP:
        DrawResourceBitmapTransparent(Canvas, background, r, stylePicture("ESGRAD", 5, Checked, Enabled));
        return;
    case csStudio:
        DrawResourceBitmapTransparent(Canvas, background, r, stylePicture("ESGRAD", 1, Checked, Enabled));
        return;
    case csGlyph:
        drawGlyph(Canvas, Checked ? look.RadioOnGlyph() : look.RadioOffGlyph(), r.Left, r.Top);
        return;
    case csBorland: {
        const int cx = r.Left + 8, cy = r.Top + 8;
        Canvas->Pen()->SetColor(Checked ? clGray : clWhite);
        line(Canvas, cx - 8, cy, cx, cy - 8);
        Canvas->LineTo(cx + 8, cy);
        Canvas->Pen()->SetColor(Checked ? clWhite : clGray);
        Canvas->LineTo(cx, cy + 8);
        Canvas->LineTo(cx - 8, cy);
        if (Checked) {
            Canvas->Pen()->SetColor(look.Color());
            Canvas->Brush()->SetColor(look.Color());
            Canvas->Polygon({{cx - 4, cy}, {cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}});
            Canvas->Brush()->SetColor(background);
        }
        return;
    }
    default:
        break;
    }
    platform::FrameStates states;
    if (Checked)
        states |= platform::fsChecked;
    if (Style == csFlat)
        states |= platform::fsFlat;
    if (!Enabled)
        states |= platform::fsInactive;
    platform::DrawFrameControl(Canvas, r, platform::FrameKind::RadioButton, states);
}

void TExStringGrid::DrawSortIndicator(TCanvas* Canvas, int ACol, int X, int Y, int)
{
    const TSortSettings& sort = *p->sortSettings;
    if (isRightToLeft()) {
        const TBitmap* up = sort.UpGlyph();
        X = ClientWidth() - X - 4 - (up && !up->Empty() ? 7 + up->Width() : 7);
    }
    if (sort.IndexShow()) {
        drawSortIndex(Canvas, ACol, X, Y);
        return;
    }
    const bool descending = sort.Direction() == sdDescending;
    const TBitmap* up = sort.UpGlyph();
    const TBitmap* down = sort.DownGlyph();
    if (up && !up->Empty() && down && !down->Empty()) {
        DrawTransparentPicture(Canvas, descending ? *down : *up, X - 4, Y - 4);
        Canvas->Brush()->SetColor(FixedColor());
        return;
    }
    if (descending) {
        Canvas->Pen()->SetColor(clWhite);
        line(Canvas, X + 4, Y - 4, X, Y + 4);
        Canvas->Pen()->SetColor(clGray);
        Canvas->LineTo(X - 4, Y - 4);
        Canvas->LineTo(X + 4, Y - 4);
    } else {
        Canvas->Pen()->SetColor(clWhite);
        line(Canvas, X - 4, Y + 4, X + 4, Y + 4);
        Canvas->LineTo(X, Y - 4);
        Canvas->Pen()->SetColor(clGray);
        Canvas->LineTo(X - 4, Y + 4);
    }
}

// The column's place in a sort by several columns, written over a triangle.
void TExStringGrid::drawSortIndex(TCanvas* Canvas, int ACol, int X, int Y)
{
    const TSortSettings& sort = *p->sortSettings;
    const TSortIndexList& indexes = *p->sortIndexes;
    int position = -1;
    for (int i = 0; i < indexes.Count() && position < 0; ++i)
        if (indexes.SortColumns(i) == ACol)
            position = i;
    if (position < 0)
        return;
    const bool descending = !indexes.SortDirections(position);
    const TBitmap* glyph = descending ? sort.IndexUpGlyph() : sort.IndexDownGlyph();
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Brush()->SetColor(sort.IndexColor());
    int tx = X - 2, ty = Y - 2;
    if (glyph && !glyph->Empty()) {
        DrawTransparentPicture(Canvas, *glyph, X - 7, Y - 7);
        ty = descending ? Y - 4 : Y - 2;
    } else if (descending) {
        Canvas->Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        ty = Y - 4;
    } else {
        Canvas->Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
    }
    const int oldSize = Canvas->Font()->Size();
    const TColor oldColor = Canvas->Font()->Color();
    Canvas->Font()->SetSize(6);
    Canvas->Font()->SetColor(clBlack);
    Canvas->SetBkMode(TRANSPARENT);
    Canvas->TextOut(tx, ty, QString::number(position + 1));
    Canvas->Font()->SetSize(oldSize);
    Canvas->Font()->SetColor(oldColor);
}
