// The binary cell stream: a header record, then per cell of the rectangle a
// cell record, its properties, its graphic and the graphic's payload, in the
// component-stream layout (ExGridStreamRecords). The clipboard and cell drag
// and drop carry it byte for byte. FullGrid is set only for the whole grid, so
// that dropping or pasting a part never clears the target; a three-state box
// keeps its value. A broken stream stops the load and keeps the cells placed
// before it; a header that promises more cells than the bytes left, or a grid
// past the load limits, is refused before the grid changes.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/pictures/ExObjFilePicture.h"
#include "grid/services/files/ExGridFileSupport.h"
#include "platform/core/SysUtils.h"
#include "grid/services/files/ExGridStreamRecords.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/picture/GIFImage.h"
#include "platform/picture/Icon.h"
#include "platform/picture/JPEGImage.h"
#include "platform/picture/Picture.h"
#include "platform/picture/PngImage.h"

#include <QtCore/QBuffer>
#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtWidgets/QWidget>

#include <atomic>
#include <memory>

using namespace gridstream;

namespace {

// Names of the enumerations as the stream writes them, in their order.
const QStringList CellTypeNames = QStringLiteral(
    "ctBitmap,ctIcon,ctNone,ctImageList,ctCheckBox,ctDataCheckBox,ctRotated,ctDataImage,ctNode,ctRadio,ctEmpty,"
    "ctImages,ctPicture,ctFilePicture,ctValue,ctProgress,ctComment,ctButton,ctBitButton,ctVirtCheckBox,"
    "ctRowCheckBox,ctProgressPie,ctSummary,ctRangeIndicator,ctXPProgress,ctInterface,ctScrollbar,ctRadioButton,"
    "ctBalloon,ctShape,ctRating,ctTriStateCheckBox,ctExpand").split(u',');
const QStringList VAlignNames = QStringLiteral("vaTop,vaBottom,vaCenter,vaUnderText,vaAboveText,vaFull").split(u',');
const QStringList HAlignNames = QStringLiteral("haLeft,haRight,haCenter,haBeforeText,haAfterText,haFull").split(u',');
const QStringList CheckStateNames = QStringLiteral("cbUnchecked,cbChecked,cbGrayed").split(u',');
const QStringList AlignmentNames = QStringLiteral("taLeftJustify,taRightJustify,taCenter").split(u',');
const QStringList BrushStyleNames =
    QStringLiteral("bsSolid,bsClear,bsHorizontal,bsVertical,bsFDiagonal,bsBDiagonal,bsCross,bsDiagCross").split(u',');
const QStringList VAlignmentNames = QStringLiteral("vtaTop,vtaCenter,vtaBottom").split(u',');
const QStringList GradientNames = QStringLiteral("GradientVertical,GradientHorizontal").split(u',');
const QStringList FontStyleNames = QStringLiteral("fsBold,fsItalic,fsUnderline,fsStrikeOut").split(u',');
const QStringList EditorNames = QStringLiteral(
    "edNormal,edSpinEdit,edComboEdit,edComboList,edEditBtn,edCheckBox,edDateEdit,edDateEditUpDown,edTimeEdit,"
    "edButton,edDataCheckBox,edNumeric,edPositiveNumeric,edFloat,edCapital,edMixedCase,edPassword,edUnitEditBtn,"
    "edLowerCase,edUpperCase,edFloatSpinEdit,edTimeSpinEdit,edDateSpinEdit,edNumericEditBtn,edFloatEditBtn,"
    "edCustom,edRichEdit,edNone,edDateTimeEdit,edValidChars,edTrackbarDropDown,edMemoDropDown,"
    "edCalculatorDropDown,edTimePickerDropDown,edDetailDropDown,edGridDropDown,edColorPickerDropDown,"
    "edImagePickerDropDown,edExGridDropDown,edPositiveFloat,edNumericUnitEditBtn,edFloatUnitEditBtn,edMaskEditBtn")
                                   .split(u',');

QString NameOf(const QStringList& Names, int Value) { return Value >= 0 && Value < Names.size() ? Names[Value] : QString(); }

// The index of an identifier among the names; a name outside them is a broken stream.
int IndexOf(const QStringList& Names, const Value& V)
{
    const int index = int(Names.indexOf(AsIdent(V)));
    if (index < 0)
        throw EReadError(QStringLiteral("Invalid property value"));
    return index;
}

// The kinds whose payload is an object the grid must have created to write it.
bool CarriesObject(TCellType Kind)
{
    return Kind == ctBitmap || Kind == ctIcon || Kind == ctRadio || Kind == ctImages || Kind == ctPicture ||
           Kind == ctFilePicture || Kind == ctBitButton;
}

QString JoinNumbers(int From, int To, const std::function<int(int)>& Value)
{
    QStringList parts;
    for (int i = From; i <= To; ++i)
        parts.append(QString::number(Value(i)));
    return parts.join(u',');
}

// ---- payloads ------------------------------------------------------------------------------------

QByteArray BitmapData(const TGraphic& Graphic)
{
    TBitmap bitmap;
    bitmap.Assign(&Graphic);
    QByteArray bmp;
    bitmap.SaveToStream(bmp);
    QByteArray data;
    const quint32 size = quint32(bmp.size());
    for (int i = 0; i < 4; ++i)
        data.append(char((size >> (8 * i)) & 0xFF));
    return data + bmp;
}

std::unique_ptr<TBitmap> BitmapFromData(const QByteArray& Data)
{
    if (Data.size() < 4)
        throw EReadError(QStringLiteral("Invalid stream format"));
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromStream(Data.mid(4));
    return bitmap;
}

QString PictureClass(const TGraphic* Graphic)
{
    if (dynamic_cast<const TBitmap*>(Graphic))
        return QStringLiteral("TBitmap");
    if (dynamic_cast<const TIcon*>(Graphic))
        return QStringLiteral("TIcon");
    if (dynamic_cast<const TPngImage*>(Graphic))
        return QStringLiteral("TPngImage");
    if (dynamic_cast<const TJPEGImage*>(Graphic))
        return QStringLiteral("TJPEGImage");
    if (dynamic_cast<const TGIFImage*>(Graphic))
        return QStringLiteral("TGIFImage");
    return {};
}

std::unique_ptr<TGraphic> GraphicOfClass(const QString& Name)
{
    if (Name == QLatin1String("TBitmap"))
        return std::make_unique<TBitmap>();
    if (Name == QLatin1String("TIcon"))
        return std::make_unique<TIcon>();
    if (Name == QLatin1String("TPngImage"))
        return std::make_unique<TPngImage>();
    if (Name == QLatin1String("TJPEGImage"))
        return std::make_unique<TJPEGImage>();
    if (Name == QLatin1String("TGIFImage"))
        return std::make_unique<TGIFImage>();
    throw EReadError(QStringLiteral("Invalid stream format"));
}

QByteArray PictureData(const TPicture& Picture)
{
    const TGraphic* graphic = Picture.Graphic();
    const QString name = PictureClass(graphic);
    if (name.isEmpty())
        return {};
    QByteArray data;
    if (name == QLatin1String("TBitmap"))
        data = BitmapData(*graphic);
    else
        graphic->SaveToStream(data);
    const QByteArray utf8 = name.toUtf8();
    return char(utf8.size()) + utf8 + data;
}

std::unique_ptr<TPicture> PictureFromData(const QByteArray& Data)
{
    const int length = Data.isEmpty() ? 0 : quint8(Data[0]);
    if (Data.size() < 1 + length)
        throw EReadError(QStringLiteral("Invalid stream format"));
    const QString name = QString::fromUtf8(Data.mid(1, length));
    const QByteArray payload = Data.mid(1 + length);
    std::unique_ptr<TGraphic> graphic;
    if (name == QLatin1String("TBitmap"))
        graphic = BitmapFromData(payload);
    else {
        graphic = GraphicOfClass(name);
        graphic->LoadFromStream(payload);
    }
    auto picture = std::make_unique<TPicture>();
    picture->SetGraphic(graphic.get());
    return picture;
}

template <typename T>
T* Referenced(const TCellRef& Ref)
{
    if (auto* object = std::get_if<TObject*>(&Ref))
        return dynamic_cast<T*>(*object);
    return nullptr;
}

const TGraphic* ReferencedGraphic(const TCellRef& Ref)
{
    if (auto* graphic = std::get_if<TGraphic*>(&Ref))
        return *graphic;
    return nullptr;
}

// ---- writing records ----------------------------------------------------------------------------

void WriteCellProperties(RecordWriter& w, const TCellProperties& cp, bool HasGraphic)
{
    w.Begin("TGridCellPropIO");
    w.Bool("CellProperties.IsBaseCell", cp.IsBaseCell());
    w.Int("CellProperties.CellSpanX", cp.CellSpanX());
    w.Int("CellProperties.CellSpanY", cp.CellSpanY());
    w.Ident("CellProperties.Alignment", NameOf(AlignmentNames, cp.Alignment()));
    w.Color("CellProperties.BorderColor", cp.BorderColor());
    w.Int("CellProperties.BorderWidth", cp.BorderWidth());
    w.Color("CellProperties.BrushColor", cp.BrushColor());
    w.Color("CellProperties.BrushColorTo", cp.BrushColorTo());
    w.Ident("CellProperties.BrushStyle", NameOf(BrushStyleNames, cp.BrushStyle()));
    // Only an object's identity travels, as a number of its low 32 bits.
    w.Int("CellProperties.CellObject", qint32(quintptr(cp.CellObject())));
    w.Color("CellProperties.FontColor", cp.FontColor());
    if (!cp.FontName().isEmpty())
        w.Text("CellProperties.FontName", cp.FontName());
    w.Int("CellProperties.FontSize", cp.FontSize());
    QStringList styles;
    for (int i = 0; i < 4; ++i)
        if (cp.FontStyle().testFlag(TFontStyle(1u << i)))
            styles.append(FontStyleNames[i]);
    w.Set("CellProperties.FontStyle", styles);
    w.Ident("CellProperties.Editor", NameOf(EditorNames, cp.Editor()));
    w.Ident("CellProperties.GradientDirection", NameOf(GradientNames, cp.GradientDirection()));
    w.Bool("CellProperties.ReadOnly", cp.ReadOnly());
    w.Ident("CellProperties.VAlignment", NameOf(VAlignmentNames, cp.VAlignment()));
    w.Bool("CellProperties.WordWrap", cp.WordWrap());
    w.Int("CellProperties.NodeLevel", cp.NodeLevel());
    if (cp.Control() && !cp.Control()->objectName().isEmpty())
        w.Ident("CellProperties.Control", cp.Control()->objectName());
    w.Bool("HasGraphic", HasGraphic);
    w.End();
}

void WriteGraphic(RecordWriter& w, const TCellGraphic& g)
{
    w.Begin("TGridGraphicIO");
    w.Ident("CellGraphic.CellType", NameOf(CellTypeNames, g.CellType));
    w.Ident("CellGraphic.CellVAlign", NameOf(VAlignNames, g.CellVAlign));
    w.Ident("CellGraphic.CellHAlign", NameOf(HAlignNames, g.CellHAlign));
    w.Int("CellGraphic.CellIndex", g.CellIndex);
    w.Bool("CellGraphic.CellTransparent", g.CellTransparent);
    w.Bool("CellGraphic.CellCreated", g.CellCreated);
    w.Bool("CellGraphic.CellBoolean", g.CellBoolean);
    w.Ident("CellGraphic.CellCheckBoxState", NameOf(CheckStateNames, g.CellCheckBoxState));
    w.Int("CellGraphic.CellAngle", g.CellAngle);
    if (g.CellValue != 0)
        w.Extended("CellGraphic.CellValue", g.CellValue);
    w.Int("CellGraphic.CellErrFrom", g.CellErrFrom);
    w.Int("CellGraphic.CellErrLen", g.CellErrLen);
    if (!g.CellText.isEmpty())
        w.Text("CellGraphic.CellText", g.CellText);
    w.End();
}

void WritePayload(RecordWriter& w, const TCellGraphic& g)
{
    switch (g.CellType) {
    case ctBitmap:
    case ctBitButton:
        w.Begin("TGridBMPIO");
        if (const TGraphic* graphic = ReferencedGraphic(g.CellBitmap); graphic && !graphic->Empty())
            w.Binary("Bitmap.Data", BitmapData(*graphic));
        break;
    case ctIcon:
        w.Begin("TGridIconIO");
        if (const TGraphic* graphic = ReferencedGraphic(g.CellIcon); graphic && !graphic->Empty()) {
            TIcon icon;
            icon.Assign(graphic);
            QByteArray data;
            icon.SaveToStream(data);
            w.Binary("Icon.Data", data);
        }
        break;
    case ctPicture: {
        w.Begin("TGridPicIO");
        const auto* picture = std::get_if<TPicture*>(&g.CellBitmap);
        if (picture && *picture && (*picture)->Graphic()) {
            const QByteArray data = PictureData(**picture);
            if (!data.isEmpty())
                w.Binary("Picture.Data", data);
        }
        break;
    }
    case ctFilePicture:
        w.Begin("TGridFilePicIO");
        if (const auto* file = Referenced<TFilePicture>(g.CellBitmap); file && !file->Filename().isEmpty())
            w.Text("Picture.Filename", file->Filename());
        break;
    case ctRadio:
    case ctImages: {
        w.Begin("TGridSLIO");
        QStringList items;
        if (const auto* list = Referenced<TStringList>(g.CellBitmap))
            for (int i = 0; i < list->Count(); ++i)
                items.append(list->Strings(i));
        if (const auto* list = Referenced<TIntList>(g.CellBitmap); list && list->Count() > 0)
            items = list->StrValue().split(u',');
        if (!items.isEmpty())
            w.List("Strings.Strings", items);
        break;
    }
    default: return;
    }
    w.End();
}

} // namespace

int TExStringGrid::StreamID() const
{
    static std::atomic<int> counter{0};
    if (p->streamId == 0)
        p->streamId = int((quint32(QCoreApplication::applicationPid()) << 12) ^ quint32(++counter)) & 0x7FFFFFFF;
    return p->streamId;
}

void TExStringGrid::SaveRectToBinStream(const TRect& Rect, QIODevice& Stream)
{
    if (Rect.Right > 65535 || Rect.Bottom > 65535 || Rect.Left < 0 || Rect.Top < 0)
        throw EExGridError(QStringLiteral("Cell rectangle beyond the stream's 65535 columns and rows"));
    RecordWriter w(Stream);
    w.Begin("TGridPropIO");
    w.Int("ColCount", Rect.Right - Rect.Left + 1);
    w.Int("RowCount", Rect.Bottom - Rect.Top + 1);
    const QString widths = JoinNumbers(Rect.Left, Rect.Right, [this](int c) { return ColWidths(c); });
    const QString heights = JoinNumbers(Rect.Top, Rect.Bottom, [this](int r) { return RowHeights(r); });
    if (!widths.isEmpty())
        w.Text("ColWidths", widths);
    if (!heights.isEmpty())
        w.Text("RowHeights", heights);
    w.Bool("FullGrid", Rect.Left == 0 && Rect.Top == 0 && Rect.Right == ColCount() - 1 && Rect.Bottom == RowCount() - 1);
    w.Int("ID", StreamID());
    w.End();
    gridfiles::Progress progress(*this);
    ExportNotification(esExportStart, Rect.Top);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            const bool hasProp = HasCellProperties(c, r);
            w.Begin("TGridCellIO");
            w.Int("Col", c);
            w.Int("Row", r);
            const QString text = Cells(c, r);
            if (!text.isEmpty())
                w.Text("Cell", text);
            w.Bool("HasProp", hasProp);
            w.End();
            if (!hasProp)
                continue;
            const TCellProperties& cp = *CellProperties(c, r);
            const auto* g = dynamic_cast<const TCellGraphic*>(cp.GraphicObject());
            const bool hasGraphic = g && (CarriesObject(g->CellType) ? g->CellCreated : true);
            WriteCellProperties(w, cp, hasGraphic);
            if (hasGraphic) {
                WriteGraphic(w, *g);
                WritePayload(w, *g);
            }
        }
        progress.Report(r - Rect.Top, Rect.Bottom - Rect.Top);
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::SaveToBinStream(QIODevice& Stream)
{
    SaveRectToBinStream(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TExStringGrid::SaveToBinFile(const QString& FileName)
{
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    SaveToBinStream(stream);
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(stream.data()) != stream.data().size())
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

// ---- reading ---------------------------------------------------------------------------------------

namespace {

struct CellRecord {
    int col = 0;
    int row = 0;
    QString text;
    bool hasProp = false;
};

CellRecord ReadCell(QIODevice& Stream)
{
    CellRecord cell;
    for (const Property& prop : ReadRecord(Stream)) {
        if (prop.name == QLatin1String("Col"))
            cell.col = int(quint16(AsInt(prop.value)));
        else if (prop.name == QLatin1String("Row"))
            cell.row = int(quint16(AsInt(prop.value)));
        else if (prop.name == QLatin1String("Cell"))
            cell.text = AsText(prop.value);
        else if (prop.name == QLatin1String("HasProp"))
            cell.hasProp = AsBool(prop.value);
        else
            UnknownProperty(prop.name);
    }
    return cell;
}

QWidget* NamedControl(QWidget* Grid, const QString& Name)
{
    for (QWidget* w = Grid; w; w = w->parentWidget())
        if (QWidget* found = w->findChild<QWidget*>(Name))
            return found;
    return nullptr;
}

// Reads a cell-properties record over Target; tells whether a graphic follows.
bool ReadCellProperties(QIODevice& Stream, TCellProperties& Target, QWidget* Grid)
{
    bool hasGraphic = false;
    for (const Property& prop : ReadRecord(Stream)) {
        const QString name = prop.name.startsWith(QLatin1String("CellProperties."))
                                 ? prop.name.mid(15)
                                 : QStringLiteral("\n") + prop.name;
        const Value& v = prop.value;
        if (name == QLatin1String("IsBaseCell"))
            Target.SetIsBaseCell(AsBool(v));
        else if (name == QLatin1String("CellSpanX"))
            Target.SetCellSpanX(int(AsInt(v)));
        else if (name == QLatin1String("CellSpanY"))
            Target.SetCellSpanY(int(AsInt(v)));
        else if (name == QLatin1String("Alignment"))
            Target.SetAlignment(TAlignment(IndexOf(AlignmentNames, v)));
        else if (name == QLatin1String("BorderColor"))
            Target.SetBorderColor(AsColor(v));
        else if (name == QLatin1String("BorderWidth"))
            Target.SetBorderWidth(int(AsInt(v)));
        else if (name == QLatin1String("BrushColor"))
            Target.SetBrushColor(AsColor(v));
        else if (name == QLatin1String("BrushColorTo"))
            Target.SetBrushColorTo(AsColor(v));
        else if (name == QLatin1String("BrushStyle"))
            Target.SetBrushStyle(TBrushStyle(IndexOf(BrushStyleNames, v)));
        else if (name == QLatin1String("CellObject"))
            AsInt(v); // an object of the writing process means nothing here
        else if (name == QLatin1String("FontColor"))
            Target.SetFontColor(AsColor(v));
        else if (name == QLatin1String("FontName"))
            Target.SetFontName(AsText(v));
        else if (name == QLatin1String("FontSize"))
            Target.SetFontSize(int(AsInt(v)));
        else if (name == QLatin1String("FontStyle")) {
            if (v.type != vaSet)
                throw EReadError(QStringLiteral("Invalid property value"));
            TFontStyles styles;
            for (const QString& element : v.items) {
                const int i = int(FontStyleNames.indexOf(element));
                if (i < 0)
                    throw EReadError(QStringLiteral("Invalid property value"));
                styles |= TFontStyle(1u << i);
            }
            Target.SetFontStyle(styles);
        } else if (name == QLatin1String("Editor"))
            Target.SetEditor(TEditorType(IndexOf(EditorNames, v)));
        else if (name == QLatin1String("GradientDirection"))
            Target.SetGradientDirection(TCellGradientDirection(IndexOf(GradientNames, v)));
        else if (name == QLatin1String("ReadOnly"))
            Target.SetReadOnly(AsBool(v));
        else if (name == QLatin1String("VAlignment"))
            Target.SetVAlignment(TVAlignment(IndexOf(VAlignmentNames, v)));
        else if (name == QLatin1String("WordWrap"))
            Target.SetWordWrap(AsBool(v));
        else if (name == QLatin1String("NodeLevel"))
            Target.SetNodeLevel(int(AsInt(v)));
        else if (name == QLatin1String("Control"))
            Target.SetControl(NamedControl(Grid, AsIdent(v)));
        else if (name == QLatin1String("\nHasGraphic"))
            hasGraphic = AsBool(v);
        else
            UnknownProperty(prop.name);
    }
    return hasGraphic;
}

void ReadGraphic(QIODevice& Stream, TCellGraphic& g)
{
    for (const Property& prop : ReadRecord(Stream)) {
        if (!prop.name.startsWith(QLatin1String("CellGraphic.")))
            UnknownProperty(prop.name);
        const QString name = prop.name.mid(12);
        const Value& v = prop.value;
        if (name == QLatin1String("CellType"))
            g.CellType = TCellType(IndexOf(CellTypeNames, v));
        else if (name == QLatin1String("CellVAlign"))
            g.CellVAlign = TCellVAlign(IndexOf(VAlignNames, v));
        else if (name == QLatin1String("CellHAlign"))
            g.CellHAlign = TCellHAlign(IndexOf(HAlignNames, v));
        else if (name == QLatin1String("CellIndex"))
            g.CellIndex = qint32(AsInt(v));
        else if (name == QLatin1String("CellTransparent"))
            g.CellTransparent = AsBool(v);
        else if (name == QLatin1String("CellCreated"))
            g.CellCreated = AsBool(v);
        else if (name == QLatin1String("CellBoolean"))
            g.CellBoolean = AsBool(v);
        else if (name == QLatin1String("CellCheckBoxState"))
            g.CellCheckBoxState = TCheckBoxState(IndexOf(CheckStateNames, v));
        else if (name == QLatin1String("CellAngle"))
            g.CellAngle = qint32(AsInt(v));
        else if (name == QLatin1String("CellValue"))
            g.CellValue = AsReal(v);
        else if (name == QLatin1String("CellErrFrom"))
            g.CellErrFrom = qint32(AsInt(v));
        else if (name == QLatin1String("CellErrLen"))
            g.CellErrLen = qint32(AsInt(v));
        else if (name == QLatin1String("CellText"))
            g.CellText = AsText(v);
        else
            UnknownProperty(prop.name);
    }
}

// The payload's one property, or nothing when it was not written.
const Value* PayloadValue(const std::vector<Property>& Props, const char* Name)
{
    const Value* found = nullptr;
    for (const Property& prop : Props) {
        if (prop.name != QLatin1String(Name))
            UnknownProperty(prop.name);
        found = &prop.value;
    }
    return found;
}

} // namespace

void TExStringGrid::LoadAtPointFromBinStream(const TPoint& Point, QIODevice& Stream)
{
    int cols = 0, rows = 0;
    QString widths, heights;
    bool fullGrid = false;
    for (const Property& prop : ReadRecord(Stream)) {
        if (prop.name == QLatin1String("ColCount"))
            cols = int(AsInt(prop.value));
        else if (prop.name == QLatin1String("RowCount"))
            rows = int(AsInt(prop.value));
        else if (prop.name == QLatin1String("ColWidths"))
            widths = AsText(prop.value);
        else if (prop.name == QLatin1String("RowHeights"))
            heights = AsText(prop.value);
        else if (prop.name == QLatin1String("FullGrid"))
            fullGrid = AsBool(prop.value);
        else if (prop.name == QLatin1String("ID"))
            AsInt(prop.value);
        else
            UnknownProperty(prop.name);
    }
    int oc = 0, orow = 0;
    if (fullGrid) {
        gridfiles::CheckLoadSize(cols, rows);
        // A cell record takes at least eight bytes.
        if (qint64(std::max(cols, 0)) * std::max(rows, 0) * 8 > Stream.bytesAvailable())
            throw EReadError(QStringLiteral("Invalid stream format"));
        Clear();
        SetRowCount(std::max(1, rows));
        SetColCount(std::max(1, cols));
        const QStringList w = widths.split(u',', Qt::SkipEmptyParts);
        const QStringList h = heights.split(u',', Qt::SkipEmptyParts);
        for (int i = 0; i < cols; ++i) {
            if (i >= w.size())
                throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(i));
            SetColWidths(i, std::clamp(StrToInt(w[i]), 0, 32767));
        }
        for (int i = 0; i < rows; ++i) {
            if (i >= h.size())
                throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(i));
            SetRowHeights(i, std::clamp(StrToInt(h[i]), 0, 32767));
        }
    }
    gridfiles::Progress progress(*this);
    bool first = true;
    int previousRow = -1;
    while (Stream.bytesAvailable() >= 2) {
        const CellRecord cell = ReadCell(Stream);
        if (first && !fullGrid) {
            oc = cell.col;
            orow = cell.row;
        }
        first = false;
        const int c = cell.col + Point.X - oc;
        const int r = cell.row + Point.Y - orow;
        const bool inside = c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount();
        if (inside)
            SetCells(c, r, cell.text);
        if (r != previousRow) {
            progress.Report(r, RowCount());
            previousRow = r;
        }
        if (!cell.hasProp)
            continue;
        TCellProperties scratch(this, c, r);
        if (inside)
            scratch.Assign(*CellProperties(c, r));
        const bool hasGraphic = ReadCellProperties(Stream, scratch, this);
        if (inside)
            CellProperties(c, r)->Assign(scratch);
        if (!hasGraphic)
            continue;
        TCellGraphic read;
        ReadGraphic(Stream, read);
        const std::vector<Property> payload =
            CarriesObject(read.CellType) ? ReadRecord(Stream) : std::vector<Property>{};
        TCellGraphic* g = inside ? CreateCellGraphic(c, r) : &read;
        if (inside) {
            g->Assign(read);
            g->CellCheckBoxState = read.CellCheckBoxState;
        }
        attachBinPayload(*g, payload, c, r, inside);
    }
    FireCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AfterBulkCellChange();
}

// Builds the object a payload record describes and gives it to the graphic
// (only when it landed in the grid; otherwise the record is only checked).
void TExStringGrid::attachBinPayload(TCellGraphic& g, const std::vector<gridstream::Property>& Payload, int ACol,
                                     int ARow, bool Inside)
{
    switch (g.CellType) {
    case ctBitmap:
    case ctBitButton:
        if (const Value* v = PayloadValue(Payload, "Bitmap.Data")) {
            if (v->type != vaBinary)
                throw EReadError(QStringLiteral("Invalid property value"));
            auto bitmap = BitmapFromData(v->bytes);
            if (Inside) {
                g.CellBitmap = static_cast<TGraphic*>(bitmap.release());
                g.CellCreated = true;
            }
        }
        break;
    case ctIcon:
        if (const Value* v = PayloadValue(Payload, "Icon.Data")) {
            if (v->type != vaBinary)
                throw EReadError(QStringLiteral("Invalid property value"));
            auto icon = std::make_unique<TIcon>();
            icon->LoadFromStream(v->bytes);
            if (Inside) {
                g.CellIcon = static_cast<TGraphic*>(icon.release());
                g.CellCreated = true;
            }
        }
        break;
    case ctPicture:
        if (const Value* v = PayloadValue(Payload, "Picture.Data")) {
            if (v->type != vaBinary)
                throw EReadError(QStringLiteral("Invalid property value"));
            auto picture = PictureFromData(v->bytes);
            if (Inside) {
                g.CellBitmap = picture.release();
                g.CellCreated = true;
            }
        }
        break;
    case ctFilePicture:
        if (const Value* v = PayloadValue(Payload, "Picture.Filename")) {
            auto file = std::make_unique<TFilePicture>();
            const QString name = AsText(*v);
            if (Inside) {
                try {
                    file->SetFilename(name);
                } catch (const Exception&) {
                    // The name is what travels; a file missing here is drawn as nothing.
                }
                g.CellBitmap = static_cast<TObject*>(file.release());
                g.CellCreated = true;
            }
        }
        break;
    case ctRadio:
    case ctImages: {
        const Value* v = PayloadValue(Payload, "Strings.Strings");
        if (v && v->type != vaList)
            throw EReadError(QStringLiteral("Invalid property value"));
        const QStringList items = v ? v->items : QStringList();
        if (!Inside)
            break;
        if (g.CellType == ctRadio) {
            auto list = std::make_unique<TStringList>();
            for (const QString& item : items)
                list->Add(item);
            g.CellBitmap = static_cast<TObject*>(list.release());
            g.CellCreated = true;
        } else {
            auto list = std::make_unique<TIntList>(ACol, ARow);
            try {
                list->SetStrValue(items.join(u','));
            } catch (const EConvertError&) {
                throw EReadError(QStringLiteral("Invalid property value"));
            }
            list->OnChange = [this](TObject* Sender, int c, int r) { MultiImageChanged(Sender, c, r); };
            g.CellBitmap = static_cast<TObject*>(list.release());
        }
        break;
    }
    default: break;
    }
}

void TExStringGrid::LoadFromBinStream(QIODevice& Stream)
{
    LoadAtPointFromBinStream(TPoint{0, 0}, Stream);
    int nodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(0, r) == ctNode)
            ++nodes;
    p->numNodes = nodes;
    if (nodes > 0)
        RepaintCol(0);
}

void TExStringGrid::LoadFromBinFile(const QString& FileName)
{
    QBuffer stream;
    stream.setData(gridfiles::ReadFile(FileName));
    stream.open(QIODevice::ReadOnly);
    LoadFromBinStream(stream);
}
