// Drag and drop of cells with QMimeData directly: the blocks of the grid's own
// formats, what a data object offers, what a drop target accepts and
// delivers, and a drag run through a test runner.

#include "grid/cells/dragdrop/esgdd.h"
#include "grid/engine/ExGridDataSettings.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtCore/QUrl>

#include <gtest/gtest.h>

#include <memory>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(" | ").toStdString() << '}'; }
QT_END_NAMESPACE

namespace {

const QString textMime = QStringLiteral("text/plain");
const QString rtfMime = QStringLiteral("text/rtf");

class RtfSwitch {
public:
    explicit RtfSwitch(bool on) { SetRtfDragDropEnabled(on); }
    ~RtfSwitch() { SetRtfDragDropEnabled(false); }
};

class RecordingTarget : public TESGDropTarget {
public:
    QStringList got;
    QByteArray stream;
    void DropText(const TPoint&, const QString& s) override { got << "text " + s; }
    void DropStream(const TPoint&, const QByteArray& ms) override
    {
        got << "stream";
        stream = ms;
    }
    void DropCol(const TPoint&, int col) override { got << QString("col %1").arg(col); }
    void DropRTF(const TPoint&, const QString& s) override { got << "rtf " + s; }
    void DropFiles(const TPoint&, const QStringList& files) override { got << "files " + files.join(','); }
    void DropURL(const TPoint&, const QString& s) override { got << "url " + s; }
};

QByteArray hundredBytes()
{
    QByteArray stream;
    for (int i = 0; i < 100; ++i)
        stream.append(char(i));
    return stream;
}

TEST(esgdd, TheGridsOwnBlocksAreWrittenAndReadBack)
{
    const QByteArray stream = hundredBytes();
    const TSourceDataObject cells(QString(), QString(), -1, &stream);
    const QByteArray block = cells.data(GridCellsMimeType());
    ASSERT_EQ(block.size(), 108);
    EXPECT_EQ(block.left(8), QByteArray::fromHex("6400000000000000"));
    EXPECT_EQ(TEnumFormats(&cells).Stream(), stream);

    const TSourceDataObject column(QString(), QString(), 3, nullptr);
    EXPECT_EQ(column.data(GridColumnMimeType()), QByteArray::fromHex("03000000"));
    EXPECT_EQ(TEnumFormats(&column).Col(), 3);
    EXPECT_EQ(TEnumFormats(&cells).Col(), -1);

    RtfSwitch on(true);
    const TSourceDataObject text(QStringLiteral("grüß"), QStringLiteral("{\\rtf1 gr\\'fc}"), -1, nullptr);
    EXPECT_EQ(text.text(), QStringLiteral("grüß"));
    EXPECT_EQ(text.data(rtfMime), QByteArray("{\\rtf1 gr\\'fc}", 14) + '\0');
    EXPECT_EQ(TEnumFormats(&text).RTF(), QStringLiteral("{\\rtf1 gr\\'fc}"));
}

TEST(esgdd, BlocksAreNeverReadPastTheirEnd)
{
    QMimeData mime;
    mime.setData(GridCellsMimeType(), QByteArray::fromHex("C800000000000000") + QByteArray(10, 'x'));
    mime.setData(GridColumnMimeType(), QByteArray::fromHex("0300"));
    const TEnumFormats reader(&mime);
    EXPECT_TRUE(reader.HasGridCells());
    EXPECT_FALSE(reader.Stream().has_value());
    EXPECT_EQ(reader.Col(), -1);
    mime.setData(GridCellsMimeType(), QByteArray::fromHex("02000000000000"));
    EXPECT_FALSE(reader.Stream().has_value());
    mime.setData(GridCellsMimeType(), QByteArray::fromHex("0200000000000000") + "abc");
    EXPECT_EQ(reader.Stream(), QByteArray("ab"));
}

TEST(esgdd, TheDataObjectListsOnlyWhatItServes)
{
    const QByteArray stream("s");
    const struct {
        QString text;
        bool rtfOn;
        int col;
        bool cells;
        QStringList formats;
    } cases[] = {
        {"t", false, -1, false, {textMime}},
        {"t", true, -1, false, {textMime, rtfMime}},
        {"", true, -1, false, {}},
        {"", false, 2, false, {GridColumnMimeType()}},
        {"t", false, -1, true, {textMime, GridCellsMimeType()}},
    };
    for (const auto& c : cases) {
        RtfSwitch rtf(c.rtfOn);
        const TSourceDataObject data(c.text, "{\\rtf1 t}", c.col, c.cells ? &stream : nullptr);
        EXPECT_EQ(data.formats(), c.formats);
        EXPECT_EQ(data.hasFormat(rtfMime), c.formats.contains(rtfMime));
        EXPECT_TRUE(data.data(rtfMime).isEmpty() != c.formats.contains(rtfMime));
    }
}

TEST(esgdd, TheTargetAcceptsByItsSwitchesAndPicksTheEffect)
{
    const auto files = [] {
        auto m = std::make_unique<QMimeData>();
        m->setUrls({QUrl::fromLocalFile("/tmp/a.csv")});
        return m;
    };
    const auto cells = [] {
        auto m = std::make_unique<QMimeData>();
        m->setData(GridCellsMimeType(), QByteArray(8, '\0'));
        return m;
    };
    const auto text = [] {
        auto m = std::make_unique<QMimeData>();
        m->setText("t");
        return m;
    };
    const struct {
        const char* name;
        std::unique_ptr<QMimeData> data;
        bool acceptText, acceptFiles;
        int keys;
        int offered;
        int effect;
    } cases[] = {
        {"files, AcceptFiles off", files(), true, false, MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {"files", files(), true, true, MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {"cells, every switch off", cells(), false, false, MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE,
         DROPEFFECT_MOVE},
        {"text with Ctrl", text(), true, true, MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE,
         DROPEFFECT_COPY},
        {"text, copy only", text(), true, true, MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {"text, AcceptText off", text(), false, true, MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
    };
    for (const auto& c : cases) {
        RecordingTarget target;
        target.SetAcceptText(c.acceptText);
        target.SetAcceptFiles(c.acceptFiles);
        target.SetAcceptURLs(c.acceptText);
        int effect = c.offered;
        EXPECT_EQ(target.DragEnter(c.data.get(), c.keys, TPoint{1, 1}, effect), S_OK);
        EXPECT_EQ(effect, c.effect) << c.name;
        effect = c.offered;
        target.DragOver(c.keys, TPoint{2, 2}, effect);
        EXPECT_EQ(effect, c.effect) << c.name;
    }
}

TEST(esgdd, ADropDeliversOneContentAndThenFilesAndAddresses)
{
    QMimeData colAndText;
    colAndText.setData(GridColumnMimeType(), QByteArray::fromHex("05000000"));
    colAndText.setText("t");
    QMimeData cellsAndText;
    cellsAndText.setData(GridCellsMimeType(), QByteArray::fromHex("0100000000000000") + "z");
    cellsAndText.setText("t");
    QMimeData rtfAndText;
    rtfAndText.setData(rtfMime, "{\\rtf1 r}");
    rtfAndText.setText("t");
    QMimeData textAndLinks;
    textAndLinks.setUrls({QUrl::fromLocalFile("/tmp/a.csv"), QUrl("http://example.org/")});
    textAndLinks.setText("t");
    const struct {
        const QMimeData* data;
        bool rtfOn;
        QStringList got;
    } cases[] = {
        {&colAndText, false, {"col 5"}},
        {&cellsAndText, false, {"stream"}},
        {&rtfAndText, true, {"rtf {\\rtf1 r}"}},
        {&rtfAndText, false, {"text t"}},
        {&textAndLinks, false, {"text t", "files /tmp/a.csv", "url t"}},
    };
    for (const auto& c : cases) {
        RtfSwitch rtf(c.rtfOn);
        RecordingTarget target;
        target.SetAcceptCols(true);
        int effect = DROPEFFECT_MOVE;
        target.DragEnter(c.data, MK_LBUTTON, TPoint{1, 1}, effect);
        effect = DROPEFFECT_MOVE;
        target.Drop(c.data, 0, TPoint{1, 1}, effect);
        EXPECT_EQ(target.got, c.got);
        EXPECT_EQ(effect, DROPEFFECT_MOVE);
    }
    RecordingTarget refusing;
    refusing.SetAcceptText(false);
    int effect = DROPEFFECT_MOVE;
    refusing.DragEnter(&colAndText, MK_LBUTTON, TPoint{1, 1}, effect);
    refusing.Drop(&colAndText, 0, TPoint{1, 1}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_TRUE(refusing.got.isEmpty());
}

// Plays the platform's drag loop against one target: enter, one move with
// feedback to the source, then a release or Escape.
class LoopRunner {
public:
    RecordingTarget target;
    bool escape = false;

    int operator()(TESGDropSource* source, QMimeData* data, int allowed, int& effect)
    {
        const std::unique_ptr<QMimeData> owned(data);
        effect = allowed;
        target.DragEnter(data, MK_LBUTTON, TPoint{5, 5}, effect);
        effect = allowed;
        target.DragOver(MK_LBUTTON, TPoint{6, 6}, effect);
        source->GiveFeedback(effect);
        const int answer = source->QueryContinueDrag(escape, escape ? MK_LBUTTON : 0);
        if (answer == DRAGDROP_S_DROP) {
            effect = allowed;
            target.Drop(data, 0, TPoint{6, 6}, effect);
        } else {
            target.DragLeave();
            effect = DROPEFFECT_NONE;
        }
        return answer;
    }
};

class CountingSource : public TESGDropSource {
public:
    int ended = 0;
    void DragEnded() override { ++ended; }
};

TEST(esgdd, ADragThroughTheRunnerHandsTheTargetTheCellStream)
{
    const TDragRunner saved = DragRunner();
    auto loop = std::make_shared<LoopRunner>();
    SetDragRunner([loop](TESGDropSource* s, QMimeData* d, int a, int& e) { return (*loop)(s, d, a, e); });
    const QByteArray stream = hundredBytes();
    CountingSource source;
    int effect = 0;
    EXPECT_EQ(RunTextDragDrop(&source, "t", "", &stream, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(loop->target.got, QStringList{"stream"});
    EXPECT_EQ(loop->target.stream, stream);
    EXPECT_EQ(source.ended, 1);

    loop->target.got.clear();
    loop->escape = true;
    EXPECT_EQ(RunColumnDragDrop(&source, 4, DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_TRUE(loop->target.got.isEmpty());
    EXPECT_EQ(source.ended, 2);

    // a target that shows no effect makes the drag a cancelled one
    loop->escape = false;
    loop->target.SetAcceptText(false);
    EXPECT_EQ(RunTextDragDrop(&source, "t", "", nullptr, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
    SetDragRunner(saved);
}

// A grid that no one gave a drag runner drags its selection through the
// toolkit's drag and drop; a move there empties the dragged cells.
class GridDrag : public GridInWindow {};

TEST_F(GridDrag, WithoutItsOwnRunnerTheGridDragsThroughTheToolkit)
{
    const TDragRunner saved = DragRunner();
    QStringList offered;
    SetDragRunner([&](TESGDropSource*, QMimeData* Data, int Allowed, int& Effect) {
        offered << Data->text();
        delete Data;
        Effect = (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
        return DRAGDROP_S_DROP;
    });
    MakeGrid(400, 400);
    grid->SetOptions(grid->Options() & ~goEditing);
    grid->SetCells(1, 2, QStringLiteral("a2"));
    grid->SetCells(2, 2, QStringLiteral("b2"));
    grid->DragDropSettings()->SetOleDropSource(true);
    int stopped = -1;
    grid->OnOleDragStop = [&](TObject*, int Effect) { stopped = Effect; };
    ShowWindow();
    grid->SetSelection({1, 2, 1, 2});
    const TRect cell = grid->CellRect(1, 2);
    const QPoint at((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(grid->viewport(), at + QPoint(8, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at + QPoint(8, 0));
    SetDragRunner(saved);
    EXPECT_EQ(offered, QStringList{QStringLiteral("a2")});
    EXPECT_EQ(stopped, int(deMove));
    EXPECT_EQ(grid->Cells(1, 2), QString());
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("b2"));
}

}  // namespace
