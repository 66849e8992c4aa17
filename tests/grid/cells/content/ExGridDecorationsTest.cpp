// Cell decorations: what each adder stores, that single-kind removal leaves
// other kinds alone, and who owns the objects a decoration refers to.

#include "tests/grid/cells/StringGridFixture.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/picture/ImageList.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts how often objects of its kind are destroyed.
struct CountedBitmap : TBitmap {
    explicit CountedBitmap(int& deaths) : deaths_(deaths) {}
    ~CountedBitmap() override { ++deaths_; }
    int& deaths_;
};

// An interfaced cell object of a fixed size.
struct SizedCell : TObject, IGridCell {
    SizedCell(int w, int h, int& deaths) : w_(w), h_(h), deaths_(deaths) {}
    ~SizedCell() override { ++deaths_; }
    void Draw(TCanvas*, const TRect&, int, int, bool, TExStringGrid*) override {}
    int GetExtentX() override { return w_; }
    int GetExtentY() override { return h_; }
    int w_;
    int h_;
    int& deaths_;
};

TEST(Decorations, RotatedAnglesComeIntoZeroToThreeSixty)
{
    auto grid = MakeStringGrid(3, 3);
    const std::pair<int, int> angles[] = {{-90, 270}, {450, 90}, {360, 360}, {-360, 0}, {45, 45}};
    for (auto [given, stored] : angles) {
        grid->AddRotated(1, 1, static_cast<qint16>(given), QStringLiteral("text"));
        int angle = -1;
        EXPECT_TRUE(grid->IsRotated(1, 1, angle));
        EXPECT_EQ(angle, stored) << given;
        grid->SetRotated(1, 2, given);
        EXPECT_TRUE(grid->IsRotated(1, 2, angle));
        EXPECT_EQ(angle, stored) << given;
    }
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("text"));
    int angle = 7;
    EXPECT_FALSE(grid->IsRotated(2, 1, angle));
    EXPECT_EQ(angle, 7);
}

TEST(Decorations, ButtonsPackTheirSizeAndPlaceTheirRectangle)
{
    auto grid = MakeStringGrid(3, 3);
    grid->AddButton(1, 1, 40, 20, QStringLiteral("Go"), haLeft, vaTop);
    grid->AddBitButton(2, 1, 10, 10, QString(), nullptr, haLeft, vaTop);
    const TCellGraphic* g = grid->GetCellGraphic(1, 1);
    EXPECT_EQ(g->CellIndex, 1310760);
    EXPECT_TRUE(grid->HasButton(1, 1));
    EXPECT_TRUE(grid->HasButton(2, 1));
    grid->GetCellGraphic(1, 1)->CellValue = 3 + 65536 * 2;
    const TRect cell = grid->CellRect(1, 1);
    const TRect button = grid->GetCellButtonRect(1, 1);
    EXPECT_EQ(button.Left, cell.Left + 3);
    EXPECT_EQ(button.Top, cell.Top + 2);
    EXPECT_EQ(button.Width(), 40);
    EXPECT_EQ(button.Height(), 20);
    grid->SetButtonText(1, 1, QStringLiteral("Stop"));
    EXPECT_EQ(grid->GetButtonText(1, 1), QStringLiteral("Stop"));
    grid->PushButton(1, 1, true);
    EXPECT_TRUE(grid->GetCellGraphic(1, 1)->CellBoolean);
    grid->AddComment(1, 2, QStringLiteral("c"));
    grid->SetButtonText(1, 2, QStringLiteral("x"));
    grid->PushButton(1, 2, true);
    EXPECT_EQ(grid->GetComment(1, 2), QStringLiteral("c")) << "button members act on buttons only";
    EXPECT_FALSE(grid->GetCellGraphic(1, 2)->CellBoolean);
    EXPECT_TRUE(grid->GetButtonText(1, 2).isEmpty());
    grid->RemoveAllButtons();
    EXPECT_FALSE(grid->HasButton(1, 1));
    EXPECT_FALSE(grid->HasButton(2, 1));
}

TEST(Decorations, ExpandButtonsKeepBothHeightsAndSitAtTheTopRight)
{
    auto grid = MakeStringGrid(3, 3);
    grid->SetRowHeights(1, 20);
    EXPECT_EQ(grid->GetExpandHeight(1, 1, true), grid->DefaultRowHeight());
    EXPECT_EQ(grid->GetExpandButtonRect(1, 1).Width(), 0);
    grid->AddExpand(1, 1, 60);
    EXPECT_EQ(grid->GetExpandHeight(1, 1, true), 60);
    EXPECT_EQ(grid->GetExpandHeight(1, 1, false), 20);
    const TRect cell = grid->CellRect(1, 1);
    const TRect box = grid->GetExpandButtonRect(1, 1);
    EXPECT_EQ(box.Left, cell.Right - 13);
    EXPECT_EQ(box.Top, cell.Top + 2);
    EXPECT_EQ(box.Right, cell.Right - 2);
    EXPECT_EQ(box.Bottom, cell.Top + 13);
    EXPECT_FALSE(grid->GetExpandState(1, 1));
    EXPECT_TRUE(grid->ToggleExpand(1, 1));
    EXPECT_TRUE(grid->GetExpandState(1, 1));
    grid->FireExpandClick(1, 1, true);
    EXPECT_EQ(grid->RowHeights(1), 60);
}

TEST(Decorations, ImageCellsNeedTheImageListAndDataImagesFollowTheText)
{
    auto grid = MakeStringGrid(3, 4);
    grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
    grid->AddDataImage(1, 2, 2, haLeft, vaTop);
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    EXPECT_TRUE(grid->Cells(1, 2).isEmpty());
    TImageList images;
    grid->SetGridImages(&images);
    grid->SetCells(1, 2, QStringLiteral("3"));
    grid->AddDataImage(1, 2, 1, haLeft, vaTop);
    grid->AddDataImage(1, 3, 2, haLeft, vaTop);
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("3"));
    EXPECT_EQ(grid->Cells(1, 3), QStringLiteral("2"));
    grid->AddImageIdx(1, 1, 5, haLeft, vaTop);
    int idx = -1;
    EXPECT_TRUE(grid->GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 5);
    EXPECT_EQ(grid->GetCellImageKey(1, 1), 5);
    EXPECT_EQ(grid->GetCellImageKey(1, 2), -1);
    grid->AddMultiImage(2, 1, 0, haLeft, vaTop);
    ASSERT_TRUE(grid->GetCellImages(2, 1));
    grid->GetCellImages(2, 1)->Add(4);
    EXPECT_EQ(grid->GetCellImages(2, 1)->Count(), 1);
    EXPECT_FALSE(grid->GetCellImages(1, 1));
    grid->RemoveDataImage(1, 3);
    EXPECT_TRUE(grid->Cells(1, 3).isEmpty());
    grid->SetGridImages(nullptr);
}

// Each single-kind removal on a bitmap cell, and the data image removal that
// would clear the text of a cell it did not take anything from.
TEST(Decorations, ASingleKindRemovalLeavesOtherKindsAlone)
{
    const std::function<void(TExStringGrid&)> removals[] = {
        [](TExStringGrid& g) { g.RemovePicture(1, 1); },       [](TExStringGrid& g) { g.RemoveIcon(1, 1); },
        [](TExStringGrid& g) { g.RemoveComment(1, 1); },       [](TExStringGrid& g) { g.RemoveProgress(1, 1); },
        [](TExStringGrid& g) { g.RemoveShape(1, 1); },         [](TExStringGrid& g) { g.RemoveRating(1, 1); },
        [](TExStringGrid& g) { g.RemoveScrollBar(1, 1); },     [](TExStringGrid& g) { g.RemoveButton(1, 1); },
        [](TExStringGrid& g) { g.RemoveExpand(1, 1); },        [](TExStringGrid& g) { g.RemoveRotated(1, 1); },
        [](TExStringGrid& g) { g.RemoveBalloon(1, 1); },       [](TExStringGrid& g) { g.RemoveCheckBox(1, 1); },
        [](TExStringGrid& g) { g.RemoveRadio(1, 1); },         [](TExStringGrid& g) { g.RemoveDataImage(1, 1); },
        [](TExStringGrid& g) { g.RemoveInterfacedCell(1, 1); }, [](TExStringGrid& g) { g.RemoveMultiImage(1, 1); }};
    int i = 0;
    for (const auto& remove : removals) {
        auto grid = MakeStringGrid(3, 3);
        grid->CreateBitmap(1, 1, false, haLeft, vaTop);
        grid->SetCells(1, 1, QStringLiteral("kept"));
        remove(*grid);
        EXPECT_TRUE(grid->HasBitmap(1, 1)) << "removal " << i;
        EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("kept")) << "removal " << i;
        grid->RemoveBitmap(1, 1);
        EXPECT_FALSE(grid->HasBitmap(1, 1));
        ++i;
    }
}

TEST(Decorations, AddedObjectsOutliveTheirGraphicAndCreatedOnesDieWithIt)
{
    int deaths = 0;
    auto bitmap = std::make_unique<CountedBitmap>(deaths);
    auto cell = std::make_unique<SizedCell>(30, 0, deaths);
    TStringList options;
    {
        auto grid = MakeStringGrid(3, 3);
        grid->AddBitmap(1, 1, bitmap.get(), false, haLeft, vaTop);
        grid->AddInterfacedCell(2, 1, cell.get());
        grid->AddRadio(1, 2, 0, 0, &options);
        grid->CreateRadio(2, 2, 0, 0)->Add(QStringLiteral("owned"));
        grid->CreatePicture(1, 0, false, noStretch, 0, haLeft, vaTop);
        grid->CreateBitButton(2, 0, 10, 10, QString(), haLeft, vaTop);
        EXPECT_EQ(grid->GetBitmap(1, 1), bitmap.get());
        EXPECT_EQ(grid->GetInterfacedCell(2, 1), cell.get());
        EXPECT_EQ(grid->GetCellGraphicSize(2, 1).X, 30);
        EXPECT_EQ(grid->GetCellGraphicSize(2, 1).Y, grid->CellRect(2, 1).Height()) << "a 0 answer takes the cell's size";
        grid->RemoveBitmap(1, 1);
        grid->AddComment(2, 1, QStringLiteral("replaces the object cell"));
    }
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(bitmap->Width(), 0);
    options.Add(QStringLiteral("still usable"));
}

TEST(Decorations, BalloonsAttachToCheckBoxesOrStandAlone)
{
    auto grid = MakeStringGrid(3, 3);
    grid->AddCheckBox(1, 1, true, false);
    grid->AddBalloon(1, 1, QStringLiteral("T"), QStringLiteral("X"), platform::biInfo);
    grid->AddBalloon(1, 1, QStringLiteral("T2"), QStringLiteral("X2"), platform::biError);
    QString title, text;
    platform::TBalloonIcon icon = platform::biNone;
    EXPECT_TRUE(grid->IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, QStringLiteral("T2"));
    EXPECT_EQ(text, QStringLiteral("X2"));
    EXPECT_EQ(icon, platform::biError);
    EXPECT_FALSE(grid->HasBalloon(1, 1));
    EXPECT_TRUE(grid->IsChecked(1, 1));
    grid->RemoveBalloon(1, 1);
    EXPECT_FALSE(grid->IsBalloon(1, 1, title, text, icon));
    EXPECT_TRUE(grid->HasCheckBox(1, 1));
    grid->AddBalloon(2, 1, QStringLiteral("A"), QStringLiteral("B"), platform::biWarning);
    EXPECT_TRUE(grid->HasBalloon(2, 1));
    grid->AddComment(2, 2, QStringLiteral("c"));
    grid->AddBalloon(2, 2, QStringLiteral("A"), QStringLiteral("B"), platform::biWarning);
    EXPECT_FALSE(grid->IsBalloon(2, 2, title, text, icon)) << "another kind keeps the cell unchanged";
}

TEST(Decorations, CommentsMarkersShapesAndScrollBars)
{
    auto grid = MakeStringGrid(3, 4);
    grid->SetComment(1, 1, QStringLiteral("new"));
    EXPECT_EQ(grid->GetComment(1, 1), QStringLiteral("new"));
    EXPECT_EQ(static_cast<TColor>(grid->GetCellGraphic(1, 1)->CellIndex), grid->ControlLook()->CommentColor());
    grid->AddMarker(1, 1, 2, 3);
    int from = 0, len = 0;
    grid->GetMarker(1, 1, from, len);
    EXPECT_EQ(std::make_pair(from, len), std::make_pair(2, 3));
    grid->RemoveMarker(1, 1);
    EXPECT_EQ(grid->GetComment(1, 1), QStringLiteral("new"));
    grid->AddMarker(2, 2, 1, 1);
    grid->RemoveAllMarkers();
    EXPECT_FALSE(grid->GetCellGraphic(2, 2)) << "a marker alone leaves no graphic behind";
    EXPECT_EQ(grid->GetShapeColor(1, 1), clNone);
    grid->AddShape(2, 1, csCircle, clRed, clBlack, haLeft, vaTop);
    grid->SetShapeColor(2, 1, clBlue);
    EXPECT_EQ(grid->GetShapeColor(2, 1), clBlue);
    EXPECT_EQ(grid->GetScrollPosition(1, 3), -1);
    EXPECT_EQ(grid->GetScrollProp(1, 3).Range, -1);
    grid->AddScrollBar(1, 3, false);
    grid->SetScrollPosition(1, 3, 7);
    EXPECT_EQ(grid->GetScrollPosition(1, 3), 7);
    EXPECT_EQ(grid->GetScrollProp(1, 3).Range, 100);
    grid->AddScrollBar(2, 3, true);
    grid->SetCells(2, 3, QStringLiteral("one\ntwo\nthree\nfour\nfive"));
    EXPECT_EQ(grid->GetScrollProp(2, 3).PageSize, grid->RowHeights(3));
    EXPECT_GT(grid->GetScrollProp(2, 3).Range, grid->RowHeights(3)) << "the range follows the text";
    grid->RemoveAllComments();
    EXPECT_TRUE(grid->GetComment(1, 1).isEmpty());
}

}  // namespace
