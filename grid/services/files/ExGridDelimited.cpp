// Delimited (CSV), fixed-width and aligned plain text files. The CSV loader
// guesses the delimiter from the first two lines when none is set, for this
// load only, grows the grid in steps of 1000 rows and sets the final count
// once. A CR or LF inside a fixed-width field is written as a blank, so that a
// grid row stays one line of the file.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilClipboard.h"
#include "grid/services/files/ExGridFileSupport.h"
#include "platform/core/SysUtils.h"
#include "platform/core/CodePages.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"
#include "platform/core/TextEncoding.h"

#include <QtCore/QFileInfo>

#include <algorithm>
#include <vector>

namespace {

const QString DelimiterCandidates = QStringLiteral(",;#\t|@*-+&");

bool IsBlank(QChar ch) { return ch == u' '; }

// Leading blanks go, at least one character stays.
void DropLeadingBlanks(QString& Text)
{
    qsizetype n = 0;
    while (n + 1 < Text.size() && IsBlank(Text[n]))
        ++n;
    Text.remove(0, n);
}

QString Wrapped(const QString& Text) { return u'"' + Text + u'"'; }

// Picks the delimiter the first two lines agree on: odd runs first, then
// plain counts, then the larger count of either line; a null character when
// no candidate occurs.
QChar GuessDelimiter(const QString& L1, const QString& L2)
{
    QChar chosen;
    int best = 0;
    for (QChar ch : DelimiterCandidates) {
        const int n = CountClosingQuotes(ch, L1);
        if (n == CountClosingQuotes(ch, L2) && n > best) {
            best = n;
            chosen = ch;
        }
    }
    if (best == 0)
        for (QChar ch : DelimiterCandidates) {
            const int n = int(L1.count(ch));
            if (n == int(L2.count(ch)) && n > best) {
                best = n;
                chosen = ch;
            }
        }
    if (best == 0)
        for (QChar ch : DelimiterCandidates) {
            const int n = int(std::max(L1.count(ch), L2.count(ch)));
            if (n > best) {
                best = n;
                chosen = ch;
            }
        }
    return chosen;
}

// The text of a field that began with a double quote: up to the closing
// quote, doubled quotes made single; Rest keeps what follows the quote.
QString TakeQuotedField(QString& Rest)
{
    Rest.remove(0, 1);
    int index = 0;
    if (FindClosingQuote(u'"', Rest, index) == 0) {
        Rest.clear();
        return {};
    }
    const QString field = CollapseDoubledChar(u'"', Rest.left(index - 1));
    Rest.remove(0, index);
    return field;
}

// The cell texts of one line of a delimited file.
std::vector<QString> SplitDelimitedLine(QString Rest, QChar Delim)
{
    std::vector<QString> fields;
    while (!Delim.isNull() && Rest.contains(Delim)) {
        DropLeadingBlanks(Rest);
        if (Rest.startsWith(u'"')) {
            fields.push_back(TakeQuotedField(Rest));
            const qsizetype at = Rest.indexOf(Delim);
            if (at < 0) {
                Rest.clear();
                break;
            }
            Rest.remove(0, at + 1);
            continue;
        }
        const qsizetype at = Rest.indexOf(Delim);
        fields.push_back(Rest.left(at));
        Rest.remove(0, at + 1);
    }
    if (!Rest.isEmpty()) {
        DropLeadingBlanks(Rest);
        if (Rest.startsWith(u'"')) {
            Rest.remove(0, 1);
            if (Rest.endsWith(u'"'))
                Rest.chop(1);
            Rest = CollapseDoubledChar(u'"', Rest);
        }
        fields.push_back(Rest);
    }
    return fields;
}

// The first line of a text, or with MultiLine the longest line, in characters.
int LongestLine(const QString& Text, bool MultiLine)
{
    int longest = 0;
    qsizetype start = 0;
    while (true) {
        qsizetype end = Text.indexOf(u'\r', start);
        if (end < 0)
            end = Text.size();
        longest = std::max(longest, int(end - start));
        if (!MultiLine || end >= Text.size())
            return longest;
        start = end + 1;
        if (start < Text.size() && Text[start] == u'\n')
            ++start;
    }
}

QString Padded(const QString& Text, int Width)
{
    return Text.size() >= Width ? Text : Text + QString(Width - Text.size(), u' ');
}

QString Aligned(const QString& Text, int Width, TAlignment Align)
{
    QString t = Text;
    if (Align == taRightJustify)
        t = QString(std::max<qsizetype>(0, Width - t.size()), u' ') + t;
    else if (Align == taCenter)
        while (t.size() < Width)
            t = u' ' + t + u' ';
    return t;
}

} // namespace

// ---- delimited files ----------------------------------------------------------------------

namespace {

// One cell text as a field of a delimited line.
QString EncodeField(QString t, QChar Delim, const TExStringGrid& Grid)
{
    t = DoubleEmbeddedQuotes(t);
    if (Grid.OemConvert())
        AnsiToOemText(t);
    bool quoted = false;
    if (Grid.AlwaysQuotes() || (!t.contains(Delim) && t.contains(u'"'))) {
        t = Wrapped(t);
        quoted = true;
    }
    if (t.isEmpty()) {
        if (Grid.JavaCSV())
            t = QStringLiteral("^");
        else if (Grid.QuoteEmptyCells())
            t = QStringLiteral("\"\"");
    }
    if (t.contains(Delim) || t.contains(u'\r')) {
        if (Grid.JavaCSV())
            CrToTilde(t);
        else if (quoted)
            CrLfToLf(t);
        else
            QuoteCellForExport(t);
    }
    return t;
}

void WriteCSVFile(TExStringGrid& Grid, const QString& FileName, bool Append, bool Unicode)
{
    TStringList lines;
    if (Append)
        lines.LoadFromFile(FileName);
    const QChar delim = Grid.Delimiter().isNull() ? QChar(u',') : Grid.Delimiter();
    const int lastCol = Grid.SaveEndCol() + gridfiles::HiddenWidening(Grid);
    gridfiles::Progress progress(Grid);
    Grid.ExportNotification(esExportStart, Grid.SaveStartRow());
    for (int r = Grid.SaveStartRow(); r <= Grid.SaveEndRow(); ++r) {
        Grid.ExportNotification(esExportNextRow, r);
        QString line;
        for (int c = Grid.SaveStartCol(); c <= lastCol; ++c) {
            if (c > Grid.SaveStartCol())
                line += delim;
            line += EncodeField(gridfiles::SaveText(Grid, c, r), delim, Grid);
        }
        lines.Add(line);
        progress.Report(r - Grid.SaveStartRow(), Grid.SaveRowCount() - 1);
    }
    Grid.ExportNotification(esExportDone, -1);
    lines.SaveToFile(FileName, Unicode ? TEncoding::UTF8 : TEncoding::ANSI);
}

} // namespace

void TExStringGrid::SaveToCSV(const QString& FileName, bool Unicode) { WriteCSVFile(*this, FileName, false, Unicode); }

void TExStringGrid::AppendToCSV(const QString& FileName, bool Unicode) { WriteCSVFile(*this, FileName, true, Unicode); }

namespace {

// What a CSV load sets aside of a shown floating footer while it inserts.
struct FooterRow {
    std::vector<QString> texts;
    std::vector<TObject*> objects;
};

} // namespace

void TExStringGrid::readCSVBytes(const QByteArray& Bytes, bool Insert, int MaxRows)
{
    TExStringGrid& Grid = *this;
    TStringList lines;
    lines.SetText(platform::DecodeText(Bytes));
    if (lines.Count() == 0)
        throw Exception(QStringLiteral("File is empty"));
    const int hidden = gridfiles::HiddenWidening(Grid);
    int row = Insert ? Grid.RowCount() : Grid.SaveStartRow();
    std::unique_ptr<FooterRow> footer;
    if (Insert && Grid.FloatingFooter()->Visible() && Grid.RowCount() > 0) {
        footer = std::make_unique<FooterRow>();
        const int last = Grid.RowCount() - 1;
        for (int c = 0; c < Grid.TotalColCount(); ++c) {
            footer->texts.push_back(Grid.GridCells(c, last));
            footer->objects.push_back(Grid.GridObjects(c, last));
        }
        emptyStoredRow(last);
        row = last;
    }
    QChar delim = Grid.Delimiter();
    if (delim.isNull())
        delim = GuessDelimiter(lines[0], lines.Count() > 1 ? lines[1] : QString());
    int first = Grid.LoadFirstRow() ? 0 : 1;
    const int counted = lines.Count() - first;
    if (Grid.OnFileProgress) {
        const int rows = Insert ? Grid.RowCount() + lines.Count()
                                : Grid.SaveStartRow() + lines.Count() + Grid.FixedFooters();
        gridfiles::CheckLoadSize(Grid.ColCount(), rows);
        Grid.SetRowCount(rows);
    }
    gridfiles::Progress progress(Grid);
    int loaded = 0;
    for (int i = first; i < lines.Count() && (MaxRows <= 0 || loaded < MaxRows); ++i) {
        QString line = lines[i];
        if (Grid.OemConvert())
            OemToAnsiText(line);
        if (row >= Grid.RowCount() - Grid.FixedFooters()) {
            gridfiles::CheckLoadSize(Grid.ColCount(), row + 1);
            Grid.SetRowCount(row + 1000);
        }
        int c = Grid.SaveStartCol();
        for (QString field : SplitDelimitedLine(line, delim)) {
            if (Grid.JavaCSV())
                TildeToCrLf(field);
            else
                VerticalTabsToCrLf(field);
            gridfiles::CheckLoadSize(c + 1 - hidden, row + 1);
            Grid.SetCellLoadText(c, row, field);
            if (Grid.ColCount() < c + 1 - hidden)
                Grid.SetColCount(c + 1 - hidden);
            ++c;
        }
        ++row;
        ++loaded;
        if (counted > 0)
            progress.Report(loaded, counted);
    }
    Grid.SetRowCount(std::max(1, row + Grid.FixedFooters()));
    p->maxRowCount = RowCount();
    if (footer) {
        const int last = Grid.RowCount() - 1;
        for (int c = 0; c < int(footer->texts.size()); ++c) {
            Grid.SetGridCells(c, last, footer->texts[size_t(c)]);
            Grid.SetGridObjects(c, last, footer->objects[size_t(c)]);
        }
    }
    Grid.FireCellsChanged(TRect{0, 0, Grid.ColCount(), Grid.RowCount()});
    Grid.AfterBulkCellChange();
}

// A file without a byte loads nothing; one with only a mark has no line.
void TExStringGrid::LoadFromCSV(const QString& FileName, int MaxRows)
{
    const QByteArray bytes = gridfiles::ReadFile(FileName);
    if (!bytes.isEmpty())
        readCSVBytes(bytes, false, MaxRows);
}

void TExStringGrid::InsertFromCSV(const QString& FileName, int MaxRows)
{
    const QByteArray bytes = gridfiles::ReadFile(FileName);
    if (!bytes.isEmpty())
        readCSVBytes(bytes, true, MaxRows);
}

void TExStringGrid::LoadFromCSVStream(QIODevice& AStream, int MaxRows) { readCSVBytes(AStream.readAll(), false, MaxRows); }

// ---- fixed-width files ----------------------------------------------------------------------

namespace {

int ColumnCharWidth(TExStringGrid& Grid, int ACol)
{
    int width = 0;
    for (int r = 0; r < Grid.RowCount(); ++r) {
        QString text;
        Grid.GetCellSaveText(ACol, r, text);
        width = std::max(width, LongestLine(text, Grid.Multilinecells()));
    }
    return width;
}

void WriteAnsiLines(const TStringList& Lines, const QString& FileName, const QString& Error)
{
    if (!platform::WriteFileAtomic(FileName, platform::EncodeText(Lines.Text(), TEncoding::ANSI)))
        throw EExGridError(Error + FileName);
}

} // namespace

void TExStringGrid::SaveToFixed(const QString& FileName, TIntList& Positions)
{
    const int lastCol = SaveEndCol() + gridfiles::HiddenWidening(*this);
    for (int c = SaveStartCol(); c <= lastCol; ++c)
        if (c - SaveStartCol() >= Positions.Count())
            Positions.Add(ColumnCharWidth(*this, gridfiles::SavedRealCol(*this, c)) + 1);
    TStringList lines;
    gridfiles::Progress progress(*this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString line;
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            const int width = std::max(0, Positions.GetInteger(c - SaveStartCol()));
            QString t = gridfiles::SaveText(*this, c, r);
            t.replace(u'\r', u' ').replace(u'\n', u' ');
            line += Padded(t.left(width), width);
        }
        lines.Add(line);
        progress.Report(r - SaveStartRow(), SaveRowCount() - 1);
    }
    ExportNotification(esExportDone, -1);
    WriteAnsiLines(lines, FileName, QStringLiteral("Cannot Create file "));
}

void TExStringGrid::LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim, int MaxRows)
{
    QByteArray bytes;
    if (!platform::ReadWholeFile(FileName, bytes))
        throw EExGridError(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
    gridfiles::CheckLoadSize(FixedCols() + Positions.Count() - 1, 1);
    SetColCount(std::max(1, FixedCols() + Positions.Count() - 1));
    Positions.Sort([](int a, int b) { return a < b ? -1 : a > b ? 1 : 0; });
    TStringList lines;
    lines.SetText(StringFromAnsi(bytes));
    int row = SaveStartRow();
    for (int i = 0; i < lines.Count(); ++i) {
        const QString line = lines[i];
        for (int k = 0; k + 1 < Positions.Count(); ++k) {
            const int start = std::max(1, Positions.GetInteger(k));
            const int length = std::max(0, Positions.GetInteger(k + 1) - Positions.GetInteger(k));
            QString field = line.mid(start - 1, length);
            if (DoTrim)
                field = Trim(field);
            SetCellLoadText(SaveStartCol() + k, row, field);
        }
        if (MaxRows != -1 && i + 1 >= MaxRows)
            break;
        if (i + 1 < lines.Count() && row + 1 >= RowCount()) {
            gridfiles::CheckLoadSize(ColCount(), row + 2);
            SetRowCount(row + 2);
        }
        ++row;
    }
    FireCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AfterBulkCellChange();
}

// ---- aligned plain text -----------------------------------------------------------------------

namespace {

void WriteASCIIFile(TExStringGrid& Grid, const QString& FileName, bool Append, bool Unicode)
{
    TStringList lines;
    if (Append && FileExists(FileName))
        lines.LoadFromFile(FileName);
    const bool allCols = Grid.SaveFixedCells() || Grid.SaveFixedCols();
    const bool allRows = Grid.SaveFixedCells() || Grid.SaveFixedRows();
    const int fc = allCols ? 0 : Grid.FixedCols();
    const int fr = allRows ? 0 : Grid.FixedRows();
    const int lastCol = Grid.ColCount() - 1 + gridfiles::HiddenWidening(Grid);
    std::vector<int> real, width, offset;
    int start = 0;
    for (int c = fc; c <= lastCol; ++c) {
        real.push_back(gridfiles::SavedRealCol(Grid, c));
        width.push_back(ColumnCharWidth(Grid, real.back()));
        offset.push_back(start);
        start += width.back() + 1;
    }
    gridfiles::Progress progress(Grid);
    Grid.ExportNotification(esExportStart, fr);
    for (int r = fr; r < Grid.RowCount(); ++r) {
        Grid.ExportNotification(esExportNextRow, r);
        QString main;
        std::vector<QString> more;
        for (size_t i = 0; i < real.size(); ++i) {
            QString t;
            Grid.GetCellSaveText(real[i], r, t);
            TAlignment align = taLeftJustify;
            TVAlignment valign = vtaTop;
            Grid.ComputeCellAlignment(real[i], r, align, valign);
            const QStringList parts = t.split(QStringLiteral("\r\n"));
            if (Grid.Multilinecells())
                for (qsizetype k = 1; k < parts.size(); ++k) {
                    if (more.size() < size_t(k))
                        more.emplace_back();
                    QString& line = more[size_t(k - 1)];
                    line = Padded(line, offset[i]) + Aligned(parts[k], width[i], align);
                }
            const QString cell = Aligned(parts[0], width[i], align);
            main += cell.size() > width[i] ? cell : Padded(cell, width[i] + 1);
        }
        lines.Add(main);
        for (const QString& line : more)
            lines.Add(line);
        progress.Report(r - fr, Grid.RowCount() - 1 - fr);
    }
    Grid.ExportNotification(esExportDone, -1);
    lines.SaveToFile(FileName, Unicode ? TEncoding::Unicode : TEncoding::ANSI);
}

} // namespace

void TExStringGrid::SaveToASCII(const QString& FileName, bool Unicode) { WriteASCIIFile(*this, FileName, false, Unicode); }

void TExStringGrid::AppendToASCII(const QString& FileName, bool Unicode) { WriteASCIIFile(*this, FileName, true, Unicode); }
