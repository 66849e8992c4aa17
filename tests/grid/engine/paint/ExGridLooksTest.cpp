#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridCellSettings.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjSearchFooter.h"
#include "grid/foundation/styles/ExUtilPaint.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/paint/ThemeRegistry.h"

#include <QtCore/QCoreApplication>

#include <gtest/gtest.h>

namespace {

const TColor kBtnFace = ColorToRGB(clBtnFace);

// A grid past loading, as a form leaves it.
struct LoadedGrid {
    LoadedGrid() { grid.Loaded(); }
    TExStringGrid grid;
};

// What a style is expected to leave, from a new grid (look glXP).
struct StyleCase {
    TExGridStyle style;
    TGridLook look;
    TColor fixedFrom, fixedTo, mirrorFrom, mirrorTo;
    TColor lookFrom, lookTo;  // ControlLook.FixedGradientFrom / To
    TColor active, activeTo;
    TColor selection, selectionTo, selectionText;
    TColor lines, fixedLines;
    TColor footer, footerTo;
};

const StyleCase kStyleCases[] = {
    {gsOffice2003Blue, glXP, 16572875, 14722429, clNone, clNone, 16572875, 14722429, 9758459, 1414638, 9758459,
     1414638, clBlack, 12632256, 8421504, 16572875, clNone},
    {gsOffice2003Silver, glXP, 15524577, 11769496, clNone, clNone, 15524577, 11769496, 9758459, 1414638, 9758459,
     1414638, clBlack, 12632256, 8421504, 15524577, clNone},
    {gsOffice2003Olive, glXP, 13627626, 9224369, clNone, clNone, 13627626, 9224369, 9758459, 1414638, 9758459,
     1414638, clBlack, 12632256, 8421504, 13627626, clNone},
    {gsOffice2003Classic, glXP, clWhite, 13423832, clNone, clNone, clNone, clNone, 14210516, 14210516, clHighlight,
     clNone, clHighlightText, 12632256, 8421504, clWhite, clNone},
    {gsOffice2007Luna, glOffice2007, 16513526, 15260626, clNone, clNone, 16513526, 15260626, 10344697, 6210033,
     6210033, clNone, clBlack, 15855083, 13745060, 16513526, clNone},
    {gsOffice2007Obsidian, glOffice2007, 16250871, 14606046, clNone, clNone, 16250871, 14606046, 10344697, 6210033,
     6210033, clNone, clBlack, 15062992, 8421504, 16250871, clNone},
    {gsWindowsXP, glXP, kBtnFace, kBtnFace, clNone, clNone, clNone, clNone, clBtnFace, clBtnFace, clHighlight, clNone,
     clHighlightText, 12632256, 8421504, clBtnFace, clNone},
    {gsWhidbey, glXP, clWhite, kBtnFace, clNone, clNone, clNone, clNone, 9758459, 1414638, clHighlight, clNone,
     clHighlightText, 12632256, 8421504, clWhite, clNone},
    {gsOffice2007Silver, glOffice2007, 15987697, 13289928, clNone, clNone, 15987697, 13289928, 10079487, 6921471,
     9816053, clNone, clBlack, 15062992, 8421504, 15987697, clNone},
    {gsWindowsVista, glVista, clWhite, clWhite, 16447735, 16052977, clNone, clNone, 16644337, 16576469, 15387318,
     clNone, clBlack, 15527152, 13947601, clWhite, 16052977},
    {gsWindows7, glWin7, 16645370, 16445670, 16049884, 16247261, clNone, clNone, 16575452, 16571329, 15387318,
     clNone, clBlack, 15527152, 13947601, 16645370, 16247261},
    {gsTerminal, glStandard, kBtnFace, clNone, clNone, clNone, clBtnFace, clNone, clGray, clNone, clHighlight,
     clNone, clHighlightText, clSilver, clGray, clBtnFace, clBtnFace},
    {gsOffice2010Blue, glOffice2007, 16115674, 16115674, 16115674, 16115674, clNone, clNone, 6018559, 7467007,
     16767927, clNone, clBlack, 12632256, 13086880, 16115674, 16115674},
    {gsOffice2010Silver, glOffice2007, 15262687, 15262687, 15262687, 15262687, clNone, clNone, 6018559, 7467007,
     16767927, clNone, clBlack, 12632256, 12236209, 15262687, 15262687},
    {gsOffice2010Black, glOffice2007, 6974058, 6974058, 6974058, 6974058, clNone, clNone, 6018559, 7467007,
     16767927, clNone, clBlack, 12632256, 4473924, 6974058, 6974058},
};

}  // namespace

TEST(ExGridLooks, EveryStyleSetsItsLookAndColours)
{
    for (const StyleCase& c : kStyleCases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        LoadedGrid g;
        TExStringGrid& grid = g.grid;
        grid.SetStyle(c.style);
        EXPECT_EQ(grid.Look(), c.look);
        EXPECT_EQ(grid.ExGradientFrom(), c.fixedFrom);
        EXPECT_EQ(grid.ExGradientTo(), c.fixedTo);
        EXPECT_EQ(grid.ExGradientMirrorFrom(), c.mirrorFrom);
        EXPECT_EQ(grid.ExGradientMirrorTo(), c.mirrorTo);
        EXPECT_EQ(grid.ControlLook()->FixedGradientFrom(), c.lookFrom);
        EXPECT_EQ(grid.ControlLook()->FixedGradientTo(), c.lookTo);
        EXPECT_EQ(grid.ActiveCellColor(), c.active);
        EXPECT_EQ(grid.ActiveCellColorTo(), c.activeTo);
        EXPECT_EQ(grid.SelectionColor(), c.selection);
        EXPECT_EQ(grid.SelectionColorTo(), c.selectionTo);
        EXPECT_EQ(grid.SelectionTextColor(), c.selectionText);
        EXPECT_EQ(grid.GridLineColor(), c.lines);
        EXPECT_EQ(grid.GridFixedLineColor(), c.fixedLines);
        EXPECT_EQ(grid.SearchFooter()->Color(), c.footer);
        EXPECT_EQ(grid.SearchFooter()->ColorTo(), c.footerTo);
    }
}

TEST(ExGridLooks, StylesSetTheirHoverPressedAndSortedHeaderColours)
{
    LoadedGrid g;
    TExStringGrid& grid = g.grid;
    grid.SetStyle(gsWindowsVista);
    EXPECT_EQ(grid.ExGradientHoverFrom(), 16775139u);
    EXPECT_EQ(grid.ExGradientHoverMirrorTo(), 16508855u);
    EXPECT_EQ(grid.ExGradientHoverBorder(), 14928275u);
    EXPECT_EQ(grid.ExGradientDownBorder(), 11440207u);
    EXPECT_EQ(grid.SortSettings()->HeaderMirrorColorTo(), 16182488u);
    EXPECT_EQ(grid.SelectionStyle(), TGridSelectionStyle::ssVista);

    grid.SetStyle(gsWindows7);
    EXPECT_EQ(grid.ExGradientHoverFrom(), 16710648u);  // the control look's wins over the direct one
    EXPECT_EQ(grid.ExGradientHoverBorder(), 15657187u);
    EXPECT_EQ(grid.ExGradientDownFrom(), 15853789u);
    EXPECT_EQ(grid.SelectionStyle(), TGridSelectionStyle::ssWin7);

    grid.SetStyle(gsOffice2010Black);
    EXPECT_EQ(grid.ExGradientHoverBorder(), 3850216u);
    EXPECT_EQ(grid.ExGradientDownMirrorTo(), 7467007u);
    EXPECT_EQ(grid.ControlLook()->FixedGradientMirrorFrom(), 6974058u);
    EXPECT_EQ(grid.SortSettings()->HeaderColor(), 12237498u);
    EXPECT_EQ(grid.SelectionStyle(), TGridSelectionStyle::ssDefault);
}

TEST(ExGridLooks, Office2007SilverTakesLunaFirstOnlyWhenTheLookChanges)
{
    LoadedGrid fromXP;
    fromXP.grid.SetExGradientMirrorFrom(123);
    fromXP.grid.SetComponentStyle(tsOffice2007Silver);
    EXPECT_EQ(fromXP.grid.Look(), glOffice2007);
    EXPECT_EQ(fromXP.grid.SelectionStyle(), TGridSelectionStyle::ssOffice2007);
    EXPECT_EQ(fromXP.grid.ExGradientMirrorFrom(), clNone);
    EXPECT_EQ(fromXP.grid.ComponentStyle(), tsOffice2007Luna);

    LoadedGrid from2007;
    from2007.grid.SetLook(glOffice2007);
    from2007.grid.SetExGradientMirrorFrom(123);
    from2007.grid.SetStyle(gsOffice2007Silver);
    EXPECT_EQ(from2007.grid.SelectionStyle(), TGridSelectionStyle::ssDefault);
    EXPECT_EQ(from2007.grid.ExGradientMirrorFrom(), 123u);
}

TEST(ExGridLooks, CustomStyleOnlyResets)
{
    LoadedGrid g;
    TExStringGrid& grid = g.grid;
    grid.SetSelectionColor(5);
    grid.SetSelectionColorTo(6);
    grid.SetGridLineColor(7);
    grid.ActiveCellColor();
    grid.SetActiveCellColor(8);
    grid.SortSettings()->SetHeaderColor(9);
    grid.ControlLook()->SetColor(10);
    grid.SetStyle(gsCustom);
    EXPECT_EQ(grid.Look(), glXP);
    EXPECT_EQ(grid.SelectionColor(), clHighlight);
    EXPECT_EQ(grid.SelectionColorTo(), clNone);
    EXPECT_EQ(grid.SelectionTextColor(), clHighlightText);
    EXPECT_EQ(grid.SortSettings()->HeaderColor(), clNone);
    EXPECT_EQ(grid.ControlLook()->Color(), clBlack);
    EXPECT_EQ(grid.GridLineColor(), 7u);
    EXPECT_EQ(grid.ActiveCellColor(), 8u);
}

TEST(ExGridLooks, ALookSetToItsCurrentValueChangesNothing)
{
    LoadedGrid g;
    TExStringGrid& grid = g.grid;
    grid.SetSelectionColor(5);
    grid.SetBorderColor(6);
    grid.SetLook(glXP);
    EXPECT_EQ(grid.SelectionColor(), 5u);
    EXPECT_EQ(grid.BorderColor(), 6u);
}

TEST(ExGridLooks, EachLookAppliesItsDefaultsAndTheCommonTail)
{
    struct LookCase {
        TGridLook look;
        TColor from, to, active, selection, selectionText, footer, footerTo;
    };
    const LookCase cases[] = {
        {glStandard, kBtnFace, clNone, clGray, clHighlight, clHighlightText, clBtnFace, clBtnFace},
        {glSoft, kBtnFace, clNone, clGray, clHighlight, clHighlightText, clBtnFace, clBtnFace},
        {glClassic, kBtnFace, clNone, clGray, clHighlight, clHighlightText, clBtnFace, clBtnFace},
        {glStudio, clWhite, clSilver, 15387318, 15387318, clBlack, clWhite, kBtnFace},
        {glXP, clWhite, kBtnFace, 15387318, 15387318, clBlack, clWhite, kBtnFace},
        {glListView, clWhite, kBtnFace, clGray, clHighlight, clHighlightText, clBtnFace, clBtnFace},
    };
    for (const LookCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "look " << c.look);
        LoadedGrid g;
        TExStringGrid& grid = g.grid;
        grid.SetLook(glCustom);
        grid.SetScrollType(ssFlat);
        grid.SetBorderColor(1);
        grid.SetGridLineColor(2);
        grid.SetSelectionStyle(TGridSelectionStyle::ssVista);
        grid.SetLook(c.look);
        EXPECT_EQ(grid.ExGradientFrom(), c.from);
        EXPECT_EQ(grid.ExGradientTo(), c.to);
        EXPECT_EQ(grid.ActiveCellColor(), c.active);
        EXPECT_EQ(grid.SelectionColor(), c.selection);
        EXPECT_EQ(grid.SelectionTextColor(), c.selectionText);
        EXPECT_EQ(grid.SearchFooter()->Color(), c.footer);
        EXPECT_EQ(grid.SearchFooter()->ColorTo(), c.footerTo);
        EXPECT_EQ(grid.GridLineColor(), clSilver);
        EXPECT_EQ(grid.SelectionStyle(), TGridSelectionStyle::ssDefault);
        EXPECT_EQ(grid.ScrollType(), ssNormal);
        EXPECT_EQ(grid.BorderColor(), 12164479u);
    }
}

TEST(ExGridLooks, LookNamesForSavedSettingsAndForDisplay)
{
    QString text = "kept";
    TExStringGrid::LookToText(glOffice2007, text);
    EXPECT_EQ(text, "glOffice2007");
    TExStringGrid::LookDisplayName(glXP, text);
    EXPECT_EQ(text, "Windows XP");
    TExStringGrid::LookDisplayName(glWin7, text);
    EXPECT_EQ(text, "Windows 7");
    text = "kept";
    TExStringGrid::LookToText(glCustom, text);
    TExStringGrid::LookDisplayName(glCustom, text);
    EXPECT_EQ(text, "kept");
}

namespace {

TColorTones sampleTones()
{
    TColorTones tones;
    tones.Background = {0xF0F0F0, 0x101010, 0x202020};
    tones.Foreground = {0xC08040, 0x303030, 0xFFFFFF};
    tones.Selected = {0x0000C0, 0x404040, 0xFEFEFE};
    tones.Hover = {0x00C000, 0x505050, 0x606060};
    tones.Disabled = {0x808080, 0x707070, 0x909090};
    return tones;
}

}  // namespace

TEST(ExGridLooks, ToneSetMakesAFlatGridWithGlyphControlsThatAStyleKeeps)
{
    LoadedGrid g;
    TExStringGrid& grid = g.grid;
    const TColorTones tones = sampleTones();
    grid.SetColorTones(tones);
    EXPECT_EQ(grid.Look(), glClassic);
    EXPECT_TRUE(grid.Flat());
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    EXPECT_EQ(grid.FixedColor(), tones.Foreground.BrushColor);
    EXPECT_EQ(grid.FixedFont()->Color(), tones.Foreground.TextColor);
    EXPECT_EQ(grid.Color(), tones.Background.BrushColor);
    EXPECT_EQ(grid.SelectionColor(), tones.Selected.BrushColor);
    EXPECT_EQ(grid.SelectionTextColor(), tones.Selected.TextColor);
    EXPECT_EQ(grid.GridLineColor(), 15132390u);
    EXPECT_EQ(grid.GridFixedLineColor(), ScaleColorPercent(tones.Foreground.BrushColor, -20));
    EXPECT_EQ(grid.Font().Name(), "Segoe UI");
    EXPECT_EQ(grid.FixedFont()->Name(), "Segoe UI");
    TControlLook& look = *grid.ControlLook();
    EXPECT_EQ(look.ControlStyle(), csGlyph);
    EXPECT_TRUE(look.FlatButton());
    for (TBitmap* glyph : {look.CheckedGlyph(), look.UnCheckedGlyph(), look.RadioOnGlyph(), look.RadioOffGlyph()})
        EXPECT_EQ(glyph->Width(), 16);
    EXPECT_EQ(grid.CellNode()->NodeType(), cnFlat);
    EXPECT_EQ(grid.SearchFooter()->ColorTo(), tones.Foreground.BrushColor);
    EXPECT_EQ(grid.FloatingFooter()->Color(), tones.Foreground.BrushColor);
    const TEditButtonTones& combo = grid.EditCombo()->ButtonTones();
    EXPECT_EQ(combo.Color, tones.Background.BrushColor);
    EXPECT_EQ(combo.ColorHot, tones.Hover.BrushColor);
    EXPECT_EQ(combo.ColorDown, tones.Selected.BrushColor);
    EXPECT_EQ(combo.BorderColor, tones.Background.BorderColor);
    EXPECT_TRUE(combo.Flat);
    EXPECT_EQ(grid.EditCombo()->ButtonColorHot(), tones.Hover.BrushColor);  // the combo paints them
    EXPECT_TRUE(grid.EditCombo()->Flat());
    for (TButtonColors* colors : {&grid.SpinEdit()->Button()->Colors(), &grid.EditBtn()->Button()->Colors(),
                                  &grid.UnitEditBtn()->Button()->Colors(), &grid.DateTimePicker()->ButtonColors()}) {
        EXPECT_EQ(colors->Color, tones.Background.BrushColor);
        EXPECT_EQ(colors->ColorHot, tones.Hover.BrushColor);
        EXPECT_EQ(colors->ColorDown, tones.Selected.BrushColor);
    }
    EXPECT_EQ(grid.DateTimePicker()->BorderColor(), tones.Background.BorderColor);

    grid.SetStyle(gsWhidbey);
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    EXPECT_TRUE(grid.Flat());
    EXPECT_EQ(look.ControlStyle(), csGlyph);
    grid.SetComponentStyle(tsWhidbey);
    EXPECT_EQ(grid.ScrollType(), ssNormal);
}

namespace {

struct RecordingEditor : IExStyle, IExTones {
    void SetComponentStyle(TExStyle style) override { styles.push_back(style); }
    void SetColorTones(const TColorTones& tones) override { toneSets.push_back(tones.Hover.BrushColor); }
    std::vector<TExStyle> styles;
    std::vector<TColor> toneSets;
};

}  // namespace

TEST(ExGridLooks, DropDownEditorsFollowTheComponentStyleAndToneSet)
{
    LoadedGrid g;
    RecordingEditor editor;
    g.grid.AddDropDownEditor(&editor, &editor);
    g.grid.SetComponentStyle(tsOffice2003Olive);
    g.grid.SetColorTones(sampleTones());
    g.grid.RemoveDropDownEditor(&editor, &editor);
    g.grid.SetComponentStyle(tsWhidbey);
    EXPECT_EQ(editor.styles, (std::vector<TExStyle>{tsOffice2003Olive, tsWindowsXP}));  // the look of the tone set
    EXPECT_EQ(editor.toneSets, std::vector<TColor>{sampleTones().Hover.BrushColor});
}

TEST(ExGridLooks, XPColourSchemes)
{
    LoadedGrid g;
    TExStringGrid& grid = g.grid;
    grid.SetTheme(vistaAero);
    EXPECT_EQ(grid.ExGradientFrom(), clWhite);
    EXPECT_EQ(grid.ExGradientMirrorTo(), 16052977u);
    EXPECT_EQ(grid.SearchFooter()->ColorTo(), 11769496u);
    EXPECT_EQ(grid.ActiveCellColor(), 9758459u);
    grid.SetTheme(xpNone);
    EXPECT_EQ(grid.ActiveCellColorTo(), 16767411u);
    EXPECT_EQ(grid.ExGradientTo(), kBtnFace);
    EXPECT_EQ(grid.ExGradientMirrorTo(), clNone);
    EXPECT_EQ(grid.ControlLook()->FixedGradientFrom(), clNone);
}

class ExGridOfficeTheme : public testing::Test {
protected:
    void SetUp() override { platform::ThemeRegistry::Clear(); }
    void TearDown() override { platform::ThemeRegistry::Clear(); }
};

TEST_F(ExGridOfficeTheme, FollowsTheOfficeThemeOnlyWhenItChanges)
{
    platform::ThemeRegistry::WriteInteger("Software\\Microsoft\\Office\\12.0\\Common", "Theme", 3);
    LoadedGrid g;
    TExStringGrid& grid = g.grid;
    grid.SetAutoThemeAdapt(true);
    EXPECT_EQ(grid.ExGradientFrom(), 16250871u);  // Obsidian over the Luna of its look
    EXPECT_EQ(grid.GridLineColor(), 15062992u);

    grid.SetExGradientFrom(1);
    grid.FollowOfficeTheme();
    EXPECT_EQ(grid.ExGradientFrom(), 1u);

    platform::ThemeRegistry::WriteInteger("Software\\Microsoft\\Office\\14.0\\Common", "Theme", 1);
    TOfficeThemeChangeEvent change("HKEY_CURRENT_USER", "Software\\Microsoft\\Office\\14.0\\Common");
    QCoreApplication::sendEvent(&grid, &change);
    EXPECT_EQ(grid.ExGradientFrom(), 16115674u);
    EXPECT_EQ(grid.GridFixedLineColor(), 13086880u);
}

TEST_F(ExGridOfficeTheme, WithoutAutoThemeAdaptThemeChangesAreIgnored)
{
    LoadedGrid g;
    platform::ThemeRegistry::WriteInteger("Software\\Microsoft\\Office\\14.0\\Common", "Theme", 2);
    TOfficeThemeChangeEvent change("HKEY_CURRENT_USER", "Software\\Microsoft\\Office\\14.0\\Common");
    QCoreApplication::sendEvent(&g.grid, &change);
    EXPECT_EQ(g.grid.ComponentStyle(), tsWindowsXP);
    EXPECT_EQ(g.grid.ExGradientFrom(), clWhite);
    g.grid.SetAutoThemeAdapt(true);
    EXPECT_EQ(g.grid.ExGradientFrom(), 15262687u);
}

TEST(ExGridLooks, ControlLookHandsItsGradientsToTheGrid)
{
    TExStringGrid grid;
    TControlLook& look = *grid.ControlLook();
    look.SetFixedGradientHoverFrom(11);
    look.SetFixedGradientHoverMirrorFrom(12);
    look.SetFixedGradientHoverFrom(clNone);
    look.SetFixedGradientHoverMirrorFrom(clNone);
    EXPECT_EQ(grid.ExGradientHoverFrom(), 11u);
    EXPECT_EQ(grid.ExGradientHoverMirrorFrom(), clNone);

    look.SetFixedGradientFrom(clBtnFace);
    EXPECT_EQ(grid.ExGradientFrom(), kBtnFace);

    TExStringGrid other;
    other.ControlLook()->SetFixedGradientFrom(clWhite);
    other.ControlLook()->SetFixedGradientTo(clSilver);
    look.Assign(other.ControlLook());
    EXPECT_EQ(look.FixedGradientFrom(), clWhite);
    EXPECT_EQ(look.FixedGradientTo(), clSilver);
}

TEST(ExGridLooks, BalloonAssignKeepsTransparencyAndProgressSettersNotifyOnlyChanges)
{
    TBalloonSettings balloon;
    balloon.SetTransparency(40);
    TBalloonSettings source;
    source.SetTextColor(clRed);
    source.SetTransparency(90);
    balloon.Assign(&source);
    EXPECT_EQ(balloon.TextColor(), clRed);
    EXPECT_EQ(balloon.Transparency(), 40);

    TGridProgressAppearance progress;
    int notified = 0;
    progress.OnChange = [&notified](TObject*) { ++notified; };
    progress.SetSteps(progress.Steps());
    progress.SetCompleteColor(progress.CompleteColor());
    EXPECT_EQ(notified, 0);
    progress.SetSteps(12);
    EXPECT_EQ(notified, 1);
}
