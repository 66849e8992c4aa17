// The column grid's definitions as a byte stream of the grid's own format:
// the mark "EXCOLS", a 16-bit version, the definition count, then every
// definition's settings in a fixed order, little-endian. A stream is read
// whole into definitions of its own before any of them reaches the grid, so a
// stream that is cut short, foreign or of another version changes nothing.

#include "grid/cells/columns/ExColumnGrid.h"

#include "platform/core/StringList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QtEndian>

namespace {

constexpr char StreamMark[] = "EXCOLS";
constexpr int StreamMarkLength = 6;
constexpr quint16 StreamVersion = 1;

[[noreturn]] void invalidStream() { throw EExGridError(QStringLiteral("Invalid column stream")); }

class ColumnWriter {
public:
    explicit ColumnWriter(QByteArray& out) : out_(out) {}
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        out_.append(b, 4);
    }
    void i32(qint32 v) { u32(static_cast<quint32>(v)); }
    void flag(bool v) { out_.append(char(v ? 1 : 0)); }
    void text(const QString& s)
    {
        u32(static_cast<quint32>(s.size()));
        for (const QChar c : s) {
            char b[2];
            qToLittleEndian(c.unicode(), b);
            out_.append(b, 2);
        }
    }
    void list(const TStringList& l)
    {
        u32(static_cast<quint32>(l.Count()));
        for (int i = 0; i < l.Count(); ++i)
            text(l.Strings(i));
    }
    void font(const TFont& f)
    {
        text(f.Name());
        i32(f.Size());
        u32(static_cast<quint32>(f.Style().toInt()));
        u32(f.Color());
    }
    void pen(const TPen& p)
    {
        u32(p.Color());
        i32(p.Width());
        i32(p.Style());
    }

private:
    QByteArray& out_;
};

class ColumnReader {
public:
    explicit ColumnReader(const QByteArray& in) : in_(in) {}
    void need(qsizetype n)
    {
        if (n < 0 || in_.size() - pos_ < n)
            invalidStream();
    }
    quint32 u32()
    {
        need(4);
        const quint32 v = qFromLittleEndian<quint32>(in_.constData() + pos_);
        pos_ += 4;
        return v;
    }
    quint16 u16()
    {
        need(2);
        const quint16 v = qFromLittleEndian<quint16>(in_.constData() + pos_);
        pos_ += 2;
        return v;
    }
    qint32 i32() { return static_cast<qint32>(u32()); }
    bool flag()
    {
        need(1);
        const char v = in_.at(pos_++);
        if (v != 0 && v != 1)
            invalidStream();
        return v == 1;
    }
    // An enumeration value below Count.
    int choice(int Count)
    {
        const qint32 v = i32();
        if (v < 0 || v >= Count)
            invalidStream();
        return v;
    }
    QString text()
    {
        const quint32 length = u32();
        need(qsizetype(length) * 2);
        QString s(qsizetype(length), Qt::Uninitialized);
        for (quint32 i = 0; i < length; ++i) {
            s[qsizetype(i)] = QChar(qFromLittleEndian<quint16>(in_.constData() + pos_));
            pos_ += 2;
        }
        return s;
    }
    void list(TStringList& l)
    {
        const quint32 count = u32();
        // every entry takes at least its four length bytes
        need(qsizetype(count) * 4);
        l.Clear();
        for (quint32 i = 0; i < count; ++i)
            l.Add(text());
    }
    void font(TFont& f)
    {
        TFont read;
        read.SetName(text());
        read.SetSize(i32());
        read.SetStyle(TFontStyles::fromInt(static_cast<int>(u32() & 0xF)));
        read.SetColor(u32());
        f.Assign(read);
    }
    void pen(TPen& p)
    {
        TPen read;
        read.SetColor(u32());
        read.SetWidth(i32());
        read.SetStyle(static_cast<TPenStyle>(choice(psInsideFrame + 1)));
        p.Assign(read);
    }
    bool atEnd() const { return pos_ == in_.size(); }

private:
    const QByteArray& in_;
    qsizetype pos_ = 0;
};

constexpr int AlignmentCount = taCenter + 1;
constexpr int PopupTypeCount = cpAllCellsLClick + 1;
constexpr int SortStyleCount = static_cast<int>(TSortStyle::ssAlphaNumericNoCase) + 1;

void writeItem(ColumnWriter& w, const TGridColumnItem& c)
{
    w.i32(c.AutoMinSize());
    w.i32(c.AutoMaxSize());
    w.i32(c.Alignment());
    w.u32(c.Borders().Bits());
    w.pen(*c.BorderPen());
    w.text(c.CheckFalse());
    w.text(c.CheckTrue());
    w.u32(c.Color());
    w.i32(c.ColumnPopupType());
    w.list(*c.ComboItems());
    w.i32(c.DropDownCount());
    w.i32(c.EditLength());
    w.text(c.EditMask());
    w.i32(c.Editor());
    w.list(*c.Filter());
    w.flag(c.FilterCaseSensitive());
    w.flag(c.Fixed());
    w.text(c.FloatFormat());
    w.font(*c.Font());
    w.text(c.Header());
    w.i32(c.HeaderAlignment());
    w.font(*c.HeaderFont());
    w.i32(c.MinSize());
    w.i32(c.MaxSize());
    w.text(c.Name());
    w.flag(c.Password());
    w.flag(c.PrintBorderCustom());
    w.u32(c.PrintBorders().Bits());
    w.pen(*c.PrintBorderPen());
    w.u32(c.PrintColor());
    w.flag(c.PrintFontCustom());
    w.font(*c.PrintFont());
    w.flag(c.ReadOnly());
    w.flag(c.ShowBands());
    w.i32(static_cast<int>(c.SortStyle()));
    w.text(c.SortPrefix());
    w.text(c.SortSuffix());
    w.i32(c.SpinMax());
    w.i32(c.SpinMin());
    w.i32(c.SpinStep());
    w.i32(c.Tag());
    w.i32(c.Width());
    w.i32(c.DefIdx());
}

TCellBorders readBorders(ColumnReader& r)
{
    const quint32 bits = r.u32();
    if (bits & ~0xFu)
        invalidStream();
    return TCellBorders::FromBits(bits);
}

void readItem(ColumnReader& r, TGridColumnItem& c)
{
    c.SetAutoMinSize(r.i32());
    c.SetAutoMaxSize(r.i32());
    c.SetAlignment(static_cast<TAlignment>(r.choice(AlignmentCount)));
    c.SetBorders(readBorders(r));
    r.pen(*c.BorderPen());
    c.SetCheckFalse(r.text());
    c.SetCheckTrue(r.text());
    c.SetColor(r.u32());
    c.SetColumnPopupType(static_cast<TColumnPopupType>(r.choice(PopupTypeCount)));
    r.list(*c.ComboItems());
    c.SetDropDownCount(r.i32());
    c.SetEditLength(r.i32());
    c.SetEditMask(r.text());
    c.SetEditor(static_cast<TEditorType>(r.choice(EditorTypeCount)));
    r.list(*c.Filter());
    c.SetFilterCaseSensitive(r.flag());
    c.SetFixed(r.flag());
    c.SetFloatFormat(r.text());
    r.font(*c.Font());
    c.SetHeaderField(r.text());
    c.SetHeaderAlignment(static_cast<TAlignment>(r.choice(AlignmentCount)));
    r.font(*c.HeaderFont());
    c.SetMinSize(r.i32());
    c.SetMaxSize(r.i32());
    c.SetName(r.text());
    c.SetPassword(r.flag());
    c.SetPrintBorderCustom(r.flag());
    c.SetPrintBorders(readBorders(r));
    r.pen(*c.PrintBorderPen());
    c.SetPrintColor(r.u32());
    c.SetPrintFontCustom(r.flag());
    r.font(*c.PrintFont());
    c.SetReadOnly(r.flag());
    c.SetShowBands(r.flag());
    c.SetSortStyle(static_cast<TSortStyle>(r.choice(SortStyleCount)));
    c.SetSortPrefix(r.text());
    c.SetSortSuffix(r.text());
    c.SetSpinMax(r.i32());
    c.SetSpinMin(r.i32());
    c.SetSpinStep(r.i32());
    c.SetTag(r.i32());
    c.SetStoredWidth(r.i32());
    c.SetDefIdx(r.i32());
}

}  // namespace

QByteArray TExColumnGrid::SaveColumnsToStream() const
{
    QByteArray out;
    ColumnWriter w(out);
    out.append(StreamMark, StreamMarkLength);
    char version[2];
    qToLittleEndian(StreamVersion, version);
    out.append(version, 2);
    w.u32(static_cast<quint32>(Columns()->Count()));
    for (int i = 0; i < Columns()->Count(); ++i)
        writeItem(w, *Columns()->Items(i));
    return out;
}

void TExColumnGrid::LoadColumnsFromStream(const QByteArray& Stream)
{
    if (!Stream.startsWith(QByteArray(StreamMark, StreamMarkLength)))
        invalidStream();
    ColumnReader r(Stream);
    r.need(StreamMarkLength);
    for (int i = 0; i < StreamMarkLength / 2; ++i)
        r.u16();
    if (r.u16() != StreamVersion)
        invalidStream();
    const quint32 count = r.u32();
    TGridColumnCollection carrier;
    for (quint32 i = 0; i < count; ++i)
        readItem(r, *carrier.Add());
    if (!r.atEnd())
        invalidStream();
    TGridColumnCollection& columns = *Columns();
    const bool old = columns.NoRecursiveUpdate();
    columns.SetNoRecursiveUpdate(true);
    columns.Assign(carrier);
    columns.SetNoRecursiveUpdate(old);
    Invalidate();
}
