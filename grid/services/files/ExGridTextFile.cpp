// The grid text file and the grid text stream: a header with the counts, a
// width line per column and a line per non-empty cell, its line breaks
// encoded so that a cell stays one line. The file holds absolute positions and
// reads its numbers leniently; the stream holds positions relative to the save
// range, reads strictly, and stops at the first line that is no grid data so
// that whatever follows it in the stream stays for the caller. Cells through
// AssignCells travel in the stream. Loads process no window events: nothing
// may change or free the grid in the middle of one.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilClipboard.h"
#include "grid/services/files/ExGridFileSupport.h"
#include "platform/core/SysUtils.h"
#include "platform/core/StringList.h"

#include <QtCore/QBuffer>

#include <algorithm>

namespace {

// Widths from a file are kept to what a column can sensibly be.
constexpr int MaxColumnWidth = 32767;

// The text before the first Sep, which leaves Rest together with the Sep;
// without a Sep the part is empty and Rest stays whole.
QString TakePart(QString& Rest, QChar Sep)
{
    const qsizetype at = Rest.indexOf(Sep);
    if (at < 0)
        return {};
    const QString part = Rest.left(at);
    Rest.remove(0, at + 1);
    return part;
}

void WriteStreamLine(QIODevice& Stream, const QString& Line)
{
    QByteArray bytes = gridfiles::Utf16Bytes(Line);
    bytes.append("\r\0\n\0", 4);
    Stream.write(bytes);
}

// UTF-16 units up to a CR; the unit after the CR is dropped.
QString ReadStreamLine(QIODevice& Stream)
{
    QString line;
    char unit[2];
    while (Stream.read(unit, 2) == 2) {
        const char16_t ch = char16_t(quint8(unit[0]) | quint8(unit[1]) << 8);
        if (ch == u'\r') {
            Stream.read(unit, 2);
            break;
        }
        line.append(QChar(ch));
    }
    return line;
}

} // namespace

// ---- the grid text file ---------------------------------------------------------------

void TExStringGrid::SaveToFile(const QString& FileName, bool Unicode)
{
    const int hidden = gridfiles::HiddenWidening(*this);
    const int lastCol = SaveEndCol() + hidden;
    TStringList lines;
    lines.Add(QStringLiteral("%1,%2").arg(SaveColCount() + hidden).arg(SaveRowCount()));
    for (int c = SaveStartCol(); c <= lastCol; ++c)
        lines.Add(QStringLiteral("cw %1,%2").arg(c).arg(c < ColCount() ? ColWidths(c) : DefaultColWidth()));
    gridfiles::Progress progress(*this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            const QString text = gridfiles::SaveText(*this, c, r);
            if (!text.isEmpty())
                lines.Add(QStringLiteral("%1,%2,").arg(c).arg(r) + EncodeBreaksForFile(text));
        }
        progress.Report(r - SaveStartRow(), SaveRowCount() - 1);
    }
    ExportNotification(esExportDone, -1);
    lines.SaveToFile(FileName, Unicode ? TEncoding::Unicode : TEncoding::ANSI);
}

void TExStringGrid::LoadFromFile(const QString& FileName)
{
    TStringList lines;
    lines.LoadFromFile(FileName);
    const int a = p->saveFixedCells || p->saveFixedCols ? 0 : FixedCols();
    const int b = p->saveFixedCells || p->saveFixedRows ? 0 : FixedRows();
    if (lines.Count() > 0 && !lines[0].isEmpty()) {
        QString header = lines[0];
        const qsizetype comma = header.indexOf(u',');
        const int cols = a + ReadLeadingInt(comma < 0 ? QString() : header.left(comma));
        const int rows = b + ReadLeadingInt(comma < 0 ? header : header.mid(comma + 1));
        gridfiles::CheckLoadSize(cols, rows);
        SetColCount(std::max(1, cols));
        SetRowCount(std::max(1, rows));
    }
    gridfiles::Progress progress(*this);
    for (int i = 1; i < lines.Count(); ++i) {
        QString line = lines[i];
        if (line.startsWith(QLatin1String("cw"))) {
            QString rest = line.mid(3);
            const int index = ReadLeadingInt(TakePart(rest, u','));
            const int width = ReadLeadingInt(rest.left(255));
            if (index >= 0 && index < ColCount())
                SetColWidths(index, std::clamp(width, 0, MaxColumnWidth));
            continue;
        }
        const int col = ReadLeadingInt(TakePart(line, u','));
        const int row = ReadLeadingInt(TakePart(line, u','));
        if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount())
            SetCellLoadText(col, row, DecodeBreaksFromFile(line, Multilinecells()));
        progress.Report(row, RowCount() - 1);
    }
    FireCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AfterBulkCellChange();
}

// ---- the grid text stream --------------------------------------------------------------

void TExStringGrid::SaveToStream(QIODevice& Stream)
{
    WriteStreamLine(Stream, QStringLiteral("%1,%2").arg(SaveColCount()).arg(SaveRowCount()));
    for (int c = 0; c < ColCount(); ++c)
        WriteStreamLine(Stream, QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c)));
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            QString text;
            GetCellSaveText(DisplayToRealCol(c), r, text);
            if (!text.isEmpty())
                WriteStreamLine(Stream, QStringLiteral("%1,%2,").arg(c - SaveStartCol()).arg(r - SaveStartRow()) +
                                            EncodeBreaksForFile(text));
        }
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::LoadFromStream(QIODevice& Stream)
{
    if (!Stream.atEnd()) {
        QString header = ReadStreamLine(Stream);
        if (!header.isEmpty()) {
            const int cols = StrToInt(TakePart(header, u',')) + SaveStartCol();
            const int rows = StrToInt(header) + SaveStartRow();
            gridfiles::CheckLoadSize(cols, rows);
            SetColCount(std::max(1, cols));
            SetRowCount(std::max(1, rows));
        }
    }
    while (!Stream.atEnd()) {
        const qint64 position = Stream.pos();
        QString line = ReadStreamLine(Stream);
        if (line.startsWith(QLatin1String("cw"))) {
            line.remove(0, 3);
            const int index = StrToInt(TakePart(line, u','));
            const int width = StrToInt(line);
            if (index < 0 || index >= ColCount())
                throw EExGridError(QStringLiteral("Column index out of bounds (%1)").arg(index));
            SetColWidths(index, std::clamp(width, 0, MaxColumnWidth));
            continue;
        }
        const QString colText = TakePart(line, u',');
        const QString rowText = TakePart(line, u',');
        if (colText.isEmpty() || rowText.isEmpty()) {
            Stream.seek(position);
            break;
        }
        const int col = StrToInt(colText) + SaveStartCol();
        const int row = StrToInt(rowText) + SaveStartRow();
        if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount())
            SetCellLoadText(col, row, DecodeBreaksFromFile(line, Multilinecells()));
    }
    FireCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AfterBulkCellChange();
}

void TExStringGrid::AssignCells(const TObject* Source)
{
    auto* source = const_cast<TExStringGrid*>(dynamic_cast<const TExStringGrid*>(Source));
    if (!source)
        return;
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    source->SaveToStream(stream);
    stream.seek(0);
    LoadFromStream(stream);
}
