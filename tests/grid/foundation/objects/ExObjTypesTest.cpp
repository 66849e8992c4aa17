#include "grid/foundation/cellstore/BaseGridTypes.h"
#include "grid/foundation/objects/ExObj.h"
#include "grid/foundation/objects/ExObjDrawEvents.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

// Handlers change the answers of these events through their reference parameters.
static_assert(std::is_invocable_v<TGridAlignEvent, TObject*, int, int, TAlignment&, TVAlignment&>);
static_assert(!std::is_invocable_v<TGridAlignEvent, TObject*, int, int, TAlignment, TVAlignment>);
static_assert(!std::is_invocable_v<TGetEditorTypeEvent, TObject*, int, int, TEditorType>);
static_assert(std::is_invocable_v<TCustomCellDrawEvent, TObject*, TCanvas*, int, int, TGridDrawState, TRect, bool>);

// Ordinals are stored in form files, so each value must keep its number.
TEST(GridTypes, EditorKindsKeepTheirStoredOrdinals)
{
    const std::pair<TEditorType, int> cases[] = {
        {edNormal, 0},         {edComboEdit, 2},        {edComboList, 3},        {edDataCheckBox, 10},
        {edPassword, 16},      {edCustom, 25},          {edNone, 27},            {edTrackbarDropDown, 30},
        {edExGridDropDown, 38}, {edPositiveFloat, 39},   {edMaskEditBtn, 42},
    };
    for (const auto& [value, ordinal] : cases)
        EXPECT_EQ(static_cast<int>(value), ordinal);
    EXPECT_EQ(EditorTypeCount, 43);
}

TEST(GridTypes, OtherEnumerationsKeepTheirOrder)
{
    EXPECT_EQ(static_cast<int>(TSortStyle::ssAlphaNumericNoCase), 19);
    EXPECT_EQ(static_cast<int>(TSortStyle::ssHTML), 13);
    EXPECT_EQ(static_cast<int>(TGridSelectionStyle::ssOffice2007), 3);
    EXPECT_EQ(acSTDDEV, 9);
    EXPECT_EQ(adTopBottomInCol, 3);
    EXPECT_EQ(fceRightClick, 3);
    EXPECT_EQ(fceComboList, 2);
    EXPECT_EQ(heFirstLastCell, 2);
    EXPECT_EQ(waScroll, 1);
}

TEST(GridTypes, SetsUseOneBitPerOrdinal)
{
    EXPECT_EQ((TCellBorders{cbTop}.Bits()), 0x1u);
    EXPECT_EQ((TCellBorders{cbLeft, cbBottom}.Bits()), 0xAu);
    EXPECT_EQ(DefaultHoverRowCells.Bits(), 0x5u);
    EXPECT_TRUE(DefaultHoverRowCells.Contains(hcSelected));
    EXPECT_FALSE(DefaultHoverRowCells.Contains(hcFixed));

    TCellBorders borders;
    borders.Include(cbRight).Include(cbTop).Exclude(cbTop);
    EXPECT_EQ(borders, TCellBorders{cbRight});
    EXPECT_EQ(TCellBorders::FromBits(0xF) - TCellBorders{cbLeft}, (TCellBorders{cbTop, cbRight, cbBottom}));
}

} // namespace
