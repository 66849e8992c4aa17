#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/services/files/ExGridStreamRecords.h"
#include "platform/picture/Bitmap.h"

#include <QtCore/QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Save(TExStringGrid& grid, const TRect& rect)
{
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    grid.SaveRectToBinStream(rect, stream);
    return stream.data();
}

void Load(TExStringGrid& grid, const QByteArray& bytes, TPoint at)
{
    QBuffer stream;
    stream.setData(bytes);
    stream.open(QIODevice::ReadOnly);
    grid.LoadAtPointFromBinStream(at, stream);
}

// The bytes one text value is written with.
QByteArray TextValue(const QString& text)
{
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    gridstream::RecordWriter w(stream);
    w.Text("", text);
    return stream.data().mid(1);
}

} // namespace

TEST(ExGridBinStream, HeaderRecordsAndPlacementAtAPoint)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, "a");
    grid.SetCells(2, 2, "d");
    const QByteArray bytes = Save(grid, TRect{1, 1, 2, 2});
    const QByteArray head = QByteArray("TPF0\x0bTGridPropIO\x00\x08" "ColCount\x02\x02\x08" "RowCount\x02\x02", 39);
    EXPECT_TRUE(bytes.startsWith(head));
    EXPECT_EQ(bytes.count("TPF0"), 5) << "one header and four cell records, empty cells too";
    EXPECT_EQ(bytes.count("TGridCellIO"), 4);

    TExStringGrid target;
    target.SetColCount(8);
    target.SetRowCount(10);
    target.SetCells(0, 0, "mine");
    Load(target, bytes, TPoint{3, 5});
    EXPECT_EQ(target.Cells(3, 5), "a");
    EXPECT_EQ(target.Cells(4, 6), "d");
    EXPECT_EQ(target.Cells(1, 1), "");
    EXPECT_EQ(target.Cells(0, 0), "mine") << "a part is no full grid: nothing is cleared";
}

TEST(ExGridBinStream, OnlyTheWholeGridIsAFullGrid)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetColWidths(2, 90);
    grid.SetCells(2, 2, "x");
    grid.SetSaveFixedCells(false);
    TExStringGrid target;
    target.SetColCount(6);
    target.SetCells(5, 0, "gone?");
    Load(target, Save(grid, TRect{1, 1, 2, 2}), TPoint{1, 1});
    EXPECT_EQ(target.Cells(5, 0), "gone?") << "the normal cells alone do not clear the target";

    Load(target, Save(grid, TRect{0, 0, 2, 2}), TPoint{0, 0});
    EXPECT_EQ(target.ColCount(), 3);
    EXPECT_EQ(target.ColWidths(2), 90);
    EXPECT_EQ(target.Cells(5, 0), "") << "a full grid clears the target";
    EXPECT_EQ(target.Cells(2, 2), "x");
}

TEST(ExGridBinStream, TextsTakeTheirTags)
{
    const std::pair<QString, quint8> cases[] = {
        {QString(300, u'a'), 12}, {QString::fromUtf8("caf\u00e9"), 20}, {QString::fromUtf8("\u00e9"), 18},
        {QString::fromUtf8("\u4e2d\u6587"), 18}, {QString(), 18}, {QStringLiteral("abc"), 6}};
    for (const auto& [text, tag] : cases)
        EXPECT_EQ(quint8(TextValue(text)[0]), tag) << text.toStdString();
    EXPECT_EQ(TextValue(QString()), QByteArray("\x12\0\0\0\0", 5)) << "an empty item is a wide string of 0";
    EXPECT_EQ(gridstream::DoubleToExtended(1.0), QByteArray("\0\0\0\0\0\0\0\x80\xff\x3f", 10));
    for (double v : {1.0, -2.5, 1e-310, 3.141592653589793, 1e300})
        EXPECT_EQ(gridstream::ExtendedToDouble(gridstream::DoubleToExtended(v)), v);
}

TEST(ExGridBinStream, PropertiesGraphicsAndThreeStateBoxesTravel)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.CellProperties(1, 1)->SetBrushColor(0x123456);
    grid.CellProperties(1, 1)->SetFontStyle(fsBold | fsItalic);
    grid.CellProperties(1, 1)->SetAlignment(taCenter);
    TCellGraphic* g = grid.CreateCellGraphic(1, 1);
    g->CellType = ctTriStateCheckBox;
    g->CellCheckBoxState = cbGrayed;
    g->CellValue = 1.0;
    g->CellText = "note";
    TCellGraphic* made = grid.CreateCellGraphic(2, 1);
    auto* bitmap = new TBitmap();
    bitmap->SetSize(3, 2);
    made->SetBitmap(bitmap, false, haLeft, vaTop);
    made->CellCreated = true;
    TBitmap lent;
    lent.SetSize(2, 2);
    grid.CreateCellGraphic(2, 2)->SetBitmap(&lent, false, haLeft, vaTop);

    const QByteArray bytes = Save(grid, TRect{0, 0, 2, 2});
    EXPECT_TRUE(bytes.contains(QByteArray("\x05\0\0\0\0\0\0\0\x80\xff\x3f", 11)));
    TExStringGrid target;
    Load(target, bytes, TPoint{0, 0});
    ASSERT_TRUE(target.HasCellProperties(1, 1));
    EXPECT_EQ(target.CellProperties(1, 1)->BrushColor(), TColor(0x123456));
    EXPECT_EQ(target.CellProperties(1, 1)->FontStyle(), fsBold | fsItalic);
    EXPECT_EQ(target.CellProperties(1, 1)->Alignment(), taCenter);
    const TCellGraphic* read = target.GetCellGraphic(1, 1);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->CellType, ctTriStateCheckBox);
    EXPECT_EQ(read->CellCheckBoxState, cbGrayed);
    EXPECT_EQ(read->CellValue, 1.0);
    EXPECT_EQ(read->CellText, "note");
    const TCellGraphic* picture = target.GetCellGraphic(2, 1);
    ASSERT_NE(picture, nullptr);
    const auto* copy = std::get_if<TGraphic*>(&picture->CellBitmap);
    ASSERT_TRUE(copy && *copy);
    EXPECT_EQ((*copy)->Width(), 3);
    EXPECT_TRUE(target.HasCellProperties(2, 2)) << "the lent bitmap's cell keeps its properties";
    EXPECT_EQ(target.GetCellGraphic(2, 2), nullptr) << "but not the graphic";
}

TEST(ExGridBinStream, BrokenStreamsKeepTheCellsPlacedBefore)
{
    TExStringGrid source;
    source.SetColCount(2);
    source.SetRowCount(2);
    source.SetCells(0, 0, "first");
    source.SetCells(1, 1, "last");
    const QByteArray whole = Save(source, TRect{0, 0, 1, 1});
    const qsizetype fourth = whole.lastIndexOf("TPF0");

    QByteArray unknown = whole;
    unknown.replace("HasProp", "HasXxxx");
    QByteArray badSignature = whole;
    badSignature[fourth] = 'X';
    struct Case {
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {badSignature, "Invalid stream format"},
        {unknown, "Property HasXxxx does not exist"},
        {whole.left(fourth + 3), "Stream read error"},
        {whole.left(fourth + 10), "Invalid stream format"}, // a name longer than the bytes left
    };
    for (const Case& k : cases) {
        TExStringGrid target;
        target.SetColCount(2);
        target.SetRowCount(2);
        try {
            Load(target, k.bytes, TPoint{0, 0});
            ADD_FAILURE() << "a broken stream loads";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), k.message);
        }
        if (k.message != "Property HasXxxx does not exist") {
            EXPECT_EQ(target.Cells(0, 0), "first") << k.message.toStdString();
        }
    }
}

TEST(ExGridBinStream, PromisesPastTheBytesOrLimitsAreRefusedFirst)
{
    TExStringGrid source;
    source.SetColCount(2);
    source.SetRowCount(2);
    QByteArray header = Save(source, TRect{0, 0, 1, 1});
    header = header.left(header.indexOf("TPF0", 4));
    header.replace(QByteArray("ColCount\x02\x02", 10), QByteArray("ColCount\x03\x00\x40", 11));
    TExStringGrid target;
    target.SetCells(1, 1, "kept");
    EXPECT_THROW(Load(target, header, TPoint{0, 0}), Exception);
    EXPECT_EQ(target.Cells(1, 1), "kept");
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_THROW(source.SaveRectToBinStream(TRect{0, 0, 65536, 1}, out), EExGridError);
    EXPECT_TRUE(out.data().isEmpty()) << "refused before a byte is written";
}
