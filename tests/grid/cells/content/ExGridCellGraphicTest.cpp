// Cell graphics: attaching, freeing, measuring and the display text hook.

#include "tests/grid/cells/columns/ColumnGridFixture.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "platform/picture/Bitmap.h"

namespace {

// Counts how often objects of its kind are destroyed.
struct Counted : TObject {
    explicit Counted(int& deaths) : deaths_(deaths) {}
    ~Counted() override { ++deaths_; }
    int& deaths_;
};

// Records the graphic the change hook finds while a cell's text changes.
class WatchingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    // The kind of the graphic in the slot, or ctEmpty for none.
    QList<TCellType> seen;
    void CellContentChanged(int ACol, int ARow) override
    {
        const TCellGraphic* g = GetCellGraphic(ACol, ARow);
        seen << (g ? g->CellType : ctEmpty);
        TExStringGrid::CellContentChanged(ACol, ARow);
    }
};

std::unique_ptr<TExStringGrid> smallGrid()
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->Loaded();
    return grid;
}

TEST(CellGraphic, PicturesFitTheirBoxByStretchMode)
{
    struct Case {
        int w, h, padding;
        TStretchMode mode;
        TPoint expected;
    };
    const Case cases[] = {
        {100, 50, 0, StretchWithAspectRatio, {60, 30}}, {100, 50, 0, ShrinkWithAspectRatio, {60, 30}},
        {100, 50, 0, Stretch, {60, 60}},                {100, 50, 0, Shrink, {60, 60}},
        {100, 50, 0, noStretch, {100, 50}},             {40, 30, 0, Shrink, {40, 30}},
        {40, 30, 0, ShrinkWithAspectRatio, {40, 30}},   {100, 50, 4, Stretch, {56, 56}},
        {50, 100, 0, StretchWithAspectRatio, {30, 60}},
    };
    for (const Case& c : cases) {
        TCellGraphic g;
        g.CellType = ctPicture;
        g.CellBitmap = static_cast<TGraphic*>(new TBitmap(c.w, c.h));
        g.CellCreated = true;
        g.CellAngle = c.mode;
        g.CellIndex = c.padding;
        TPoint size{-1, -1};
        g.GetPictureSize(60, 60, false, size);
        EXPECT_EQ(size.X, c.expected.X) << c.w << "x" << c.h << " mode " << c.mode;
        EXPECT_EQ(size.Y, c.expected.Y) << c.w << "x" << c.h << " mode " << c.mode;
    }
    TCellGraphic other;
    TPoint kept{7, 7};
    other.GetPictureSize(60, 60, false, kept);
    EXPECT_EQ(kept.X, 7) << "other kinds leave the size alone";
}

TEST(CellGraphic, CheckBoxesAndRatingsMeasureTheirOwnSize)
{
    auto grid = smallGrid();
    grid->CreateCellGraphic(1, 1)->SetCheckBox(false, true, true, haBeforeText, vaTop);
    grid->CreateCellGraphic(2, 1)->SetCheckBox(true, false, true, haBeforeText, vaTop);
    grid->SetCells(2, 1, QStringLiteral("with text"));
    TCellGraphic* rating = grid->CreateCellGraphic(3, 1);
    rating->CellType = ctRating;
    rating->CellAngle = 5;
    rating->CellHAlign = haFull;
    for (int col : {1, 2}) {
        const TPoint size = grid->GetCellGraphicSize(col, 1);
        EXPECT_EQ(size.X, 15);
        EXPECT_EQ(size.Y, 15);
    }
    const TPoint stars = grid->GetCellGraphicSize(3, 1);
    EXPECT_EQ(stars.X, 90);
    EXPECT_EQ(stars.Y, 16);
    EXPECT_EQ(grid->GetCellGraphicSize(3, 2).X, 0) << "a cell without a graphic measures nothing";
}

TEST(CellGraphic, WideCellsAndLinkedAddresses)
{
    auto grid = smallGrid();
    const std::pair<const char*, bool> wide[] = {{"|\\x", true}, {"x|\\", false}, {"", false}};
    for (auto [text, isWide] : wide) {
        grid->SetCells(1, 1, QString::fromUtf8(text));
        EXPECT_EQ(grid->IsWideCell(1, 1), isWide) << text;
    }

    grid->SetURLShowInText(true);
    const std::pair<const char*, const char*> links[] = {
        {"see HTTPS://www.a.org", "see HTTPS://<a href=\"www.a.org\">www.a.org</a>"},
        {"https://a.org now", "<a href=\"https://a.org\">https://a.org</a> now"},
        {"a < b", "a < b"},
    };
    for (auto [text, shown] : links) {
        grid->SetCells(1, 2, QString::fromUtf8(text));
        EXPECT_EQ(grid->Cells(1, 2), QString::fromUtf8(shown));
        EXPECT_EQ(grid->GridCells(1, 2), QString::fromUtf8(text)) << "the stored text stays";
    }
}

TEST(CellGraphic, OwnedObjectsAreFreedOnceAndLentOnesNever)
{
    auto grid = smallGrid();
    int deaths = 0;
    auto attach = [&](int col, bool created) {
        TCellGraphic* g = grid->CreateCellGraphic(col, 1);
        g->CellType = ctRadio;
        g->CellBitmap = static_cast<TObject*>(new Counted(deaths));
        g->CellCreated = created;
        return g;
    };
    attach(1, true);
    EXPECT_TRUE(grid->RemoveCellGraphic(1, 1));
    EXPECT_EQ(deaths, 1);
    EXPECT_FALSE(grid->RemoveCellGraphic(1, 1)) << "nothing left to remove";
    EXPECT_EQ(deaths, 1);

    attach(2, true);
    grid->CreateCellGraphic(2, 1);
    EXPECT_EQ(deaths, 2) << "a replaced graphic frees what it owns";

    TCellGraphic* callers = attach(3, false);
    auto* object = std::get<TObject*>(callers->CellBitmap);
    EXPECT_FALSE(grid->RemoveCellGraphicOfType(3, 1, ctPicture));
    EXPECT_TRUE(grid->RemoveCellGraphicOfType(3, 1, ctRadio));
    EXPECT_EQ(deaths, 2) << "the caller's object stays with the caller";
    delete object;

    auto columns = MakeColumnGrid(3);
    columns->Columns()->Items(2)->SetEditor(edDataCheckBox);
    const TCellGraphic* shared = columns->GetCellGraphic(2, 1);
    EXPECT_TRUE(columns->RemoveCellGraphic(2, 1));
    EXPECT_EQ(columns->GetCellGraphic(2, 1), shared) << "the lent graphic lives on";
    EXPECT_EQ(shared->CellType, ctVirtCheckBox);
}

TEST(CellGraphic, ReplacingAGraphicNeverShowsTheFreedOneToTheChangeHooks)
{
    WatchingGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.Loaded();
    grid.CreateCellGraphic(1, 1)->CellType = ctComment;
    ASSERT_TRUE(grid.Cells(1, 1).isEmpty());
    grid.seen.clear();
    const TCellGraphic* second = grid.CreateCellGraphic(1, 1);
    // The blank written before the new graphic is stored finds the slot
    // empty, not the freed graphic; the empty text written after finds the new one.
    EXPECT_EQ(grid.seen, (QList<TCellType>{ctEmpty, ctNone}));
    EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
    EXPECT_EQ(grid.GetCellGraphic(1, 1), second);
    EXPECT_EQ(grid.GetCellType(1, 1), ctNone);
}

TEST(CellGraphic, AssignCopiesFieldsButNoReferences)
{
    TCellGraphic from;
    from.SetCheckBox(true, true, true, haCenter, vaCenter);
    from.CellText = QStringLiteral("t");
    from.CellCreated = true;
    from.CellVar = 3;
    from.CellCheckBoxState = cbGrayed;
    int deaths = 0;
    from.CellBitmap = static_cast<TObject*>(new Counted(deaths));
    TCellGraphic to;
    to.Assign(from);
    EXPECT_EQ(to.CellType, ctDataCheckBox);
    EXPECT_TRUE(to.CellBoolean);
    EXPECT_EQ(to.CellHAlign, haCenter);
    EXPECT_EQ(to.CellText, QStringLiteral("t"));
    EXPECT_TRUE(to.CellCreated);
    EXPECT_FALSE(to.CellVar.isValid());
    EXPECT_EQ(to.CellCheckBoxState, cbUnchecked);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(to.CellBitmap));
    FreeCellRef(from.CellBitmap);
    EXPECT_EQ(deaths, 1);
}

}  // namespace
