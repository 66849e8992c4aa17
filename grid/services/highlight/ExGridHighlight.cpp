// Highlighting ("hi") and marking ("e") of text occurrences inside the cell
// texts, and the highlight colours the markup renderer paints "hi" text in.
//
// A cell is either plain text or, while it holds a "hi" or "e" tag, its text
// escaped as markup with the tags in it. Tagging escapes a plain cell only when
// an occurrence is found, and a removal unescapes only once the cell's last tag
// is gone, so that tagging and untagging give every cell its text back exactly,
// and cells without an occurrence are never rewritten. Texts are read as
// stored: a display-text handler's text never gets into the cells.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"
#include "grid/foundation/markup/EsgHTMLEUtilSearch.h"

namespace {

const QString HighlightTag = QStringLiteral("hi");
const QString MarkTag = QStringLiteral("e");

bool holdsTag(const QString& Text, const QString& Tag)
{
    return Text.contains(u'<' + Tag + u'>', Qt::CaseInsensitive) ||
           Text.contains(QLatin1StringView("</") + Tag + u'>', Qt::CaseInsensitive);
}

bool holdsTextTag(const QString& Text) { return holdsTag(Text, HighlightTag) || holdsTag(Text, MarkTag); }

// Inclusive rectangles of real columns and display rows. Row and grid ranges
// run over every real column, so that a hidden column is tagged as it is
// untagged and the last shown column is never left out.
struct TagRange {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

TagRange columnRange(const TExStringGrid& grid, bool DoFixed, int Col)
{
    return {Col, DoFixed ? 0 : grid.FixedRows(), Col,
            DoFixed ? grid.RowCount() - 1 : grid.RowCount() - grid.FixedFooters() - 1};
}

TagRange rowRange(const TExStringGrid& grid, bool DoFixed, int Row)
{
    return {DoFixed ? 0 : grid.FixedCols(), Row,
            DoFixed ? grid.TotalColCount() - 1 : grid.TotalColCount() - grid.FixedRightCols() - 1, Row};
}

TagRange gridRange(const TExStringGrid& grid, bool DoFixed)
{
    const TagRange columns = rowRange(grid, DoFixed, 0);
    const TagRange rows = columnRange(grid, DoFixed, 0);
    return {columns.Left, rows.Top, columns.Right, rows.Bottom};
}

} // namespace

// ---- the colours -----------------------------------------------------------------------------

// The renderer keeps one pair for the whole program: the grid written last
// sets it for every grid.
TColor TExStringGrid::HighlightColor() const { return p->highlightColor; }

void TExStringGrid::SetHighlightColor(TColor Value)
{
    p->highlightColor = Value;
    SetMarkupHighlightColors(p->highlightColor, p->highlightTextColor);
    Invalidate();
}

TColor TExStringGrid::HighlightTextColor() const { return p->highlightTextColor; }

void TExStringGrid::SetHighlightTextColor(TColor Value)
{
    p->highlightTextColor = Value;
    SetMarkupHighlightColors(p->highlightColor, p->highlightTextColor);
    Invalidate();
}

// ---- single texts ----------------------------------------------------------------------------

QString TExStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text)
{
    return WrapMatchesInTag(S, Text, HighlightTag, DoCase);
}

QString TExStringGrid::UnHilightText(const QString& S) { return RemoveTagPairs(S, HighlightTag); }

QString TExStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text)
{
    return WrapMatchesInTag(S, Text, MarkTag, DoCase);
}

QString TExStringGrid::UnMarkText(const QString& S) { return RemoveTagPairs(S, MarkTag); }

// ---- the walks -------------------------------------------------------------------------------

// A merged range is tagged once, through its base cell. A cell already holding
// tags is markup and takes the new tags as it is. The search is matched
// against what the cell shows, never against the letters of an entity that
// escaping wrote.
void TExStringGrid::ApplyTextTagInRange(const QString& HiText, const QString& Tag, bool DoCase, int Left, int Top,
                                        int Right, int Bottom)
{
    for (int r = Top; r <= Bottom; ++r)
        for (int c = Left; c <= Right; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const QString stored = GridCells(c, r);
            const QString markup = holdsTextTag(stored) ? stored : EscapeMarkupText(stored, false);
            const QString tagged = WrapMatchesInEscapedMarkup(markup, HiText, Tag, DoCase);
            if (tagged != markup)
                SetCells(c, r, tagged);
        }
}

// The other tag's escaping stays while that tag is left, since its markup
// still needs it.
void TExStringGrid::RemoveTextTagInRange(const QString& Tag, int Left, int Top, int Right, int Bottom)
{
    for (int r = Top; r <= Bottom; ++r)
        for (int c = Left; c <= Right; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const QString stored = GridCells(c, r);
            if (!holdsTag(stored, Tag))
                continue;
            const QString rest = StripTagPairs(stored, Tag);
            SetCells(c, r, holdsTextTag(rest) ? rest : UnescapeMarkupText(rest, false));
        }
}

// ---- cells, columns, rows and the grid ---------------------------------------------------------

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    ApplyTextTagInRange(HiText, HighlightTag, DoCase, Col, Row, Col, Row);
}

void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    const TagRange g = columnRange(*this, DoFixed, Col);
    ApplyTextTagInRange(HiText, HighlightTag, DoCase, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    const TagRange g = rowRange(*this, DoFixed, Row);
    ApplyTextTagInRange(HiText, HighlightTag, DoCase, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    const TagRange g = gridRange(*this, DoFixed);
    ApplyTextTagInRange(HiText, HighlightTag, DoCase, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::UnHilightInCell(int Col, int Row) { RemoveTextTagInRange(HighlightTag, Col, Row, Col, Row); }

void TExStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    const TagRange g = columnRange(*this, DoFixed, Col);
    RemoveTextTagInRange(HighlightTag, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    const TagRange g = rowRange(*this, DoFixed, Row);
    RemoveTextTagInRange(HighlightTag, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::UnHilightInGrid(bool DoFixed)
{
    const TagRange g = gridRange(*this, DoFixed);
    RemoveTextTagInRange(HighlightTag, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    ApplyTextTagInRange(HiText, MarkTag, DoCase, Col, Row, Col, Row);
}

void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    const TagRange g = columnRange(*this, DoFixed, Col);
    ApplyTextTagInRange(HiText, MarkTag, DoCase, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    const TagRange g = rowRange(*this, DoFixed, Row);
    ApplyTextTagInRange(HiText, MarkTag, DoCase, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    const TagRange g = gridRange(*this, DoFixed);
    ApplyTextTagInRange(HiText, MarkTag, DoCase, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::UnMarkInCell(int Col, int Row) { RemoveTextTagInRange(MarkTag, Col, Row, Col, Row); }

void TExStringGrid::UnMarkInCol(bool DoFixed, int Col)
{
    const TagRange g = columnRange(*this, DoFixed, Col);
    RemoveTextTagInRange(MarkTag, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::UnMarkInRow(bool DoFixed, int Row)
{
    const TagRange g = rowRange(*this, DoFixed, Row);
    RemoveTextTagInRange(MarkTag, g.Left, g.Top, g.Right, g.Bottom);
}

void TExStringGrid::UnMarkInGrid(bool DoFixed)
{
    const TagRange g = gridRange(*this, DoFixed);
    RemoveTextTagInRange(MarkTag, g.Left, g.Top, g.Right, g.Bottom);
}
