// The grid's looks: the look of its fixed cells, the named colour styles, tone
// sets, desktop colour schemes and following the office theme.
//
// A style applies one row of the style table below plus the extra hover, pressed
// and sorted-header colours, and passes itself on to the drop-down editors
// registered with AddDropDownEditor. A tone set turns the grid flat and classic
// with the slim bars and the "metro" check and radio glyphs; the editors take its
// button colours in grid/cells (ExGridEditorTones.cpp). While AutoThemeAdapt is
// on, the grid is registered with the theme notifier and follows the office theme
// when a TOfficeThemeChangeEvent reaches its event handler.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/styles/ExUtilPaint.h"
#include "grid/foundation/styles/ExUtilPaintBitmaps.h"

#include <algorithm>
#include <iterator>

namespace {

// A colour a style leaves as it is.
constexpr TColor kKeep = 0xFFFFFFFF;
// A look a style leaves as it is.
constexpr int kNoLook = -1;

constexpr TColor kXPSelection = 15387318;

// One row per TExGridStyle: the look, the fixed gradient (from, to, mirror
// from, mirror to), whether the control look takes clNone instead of the
// first two, the active-cell colours, the selection, the lines and the footer.
struct StyleRow {
    int look;
    TColor fixedFrom, fixedTo, fixedMirrorFrom, fixedMirrorTo;
    bool controlLookNone;
    TColor activeFrom, activeTo;
    TColor selection, selectionTo;
    TColor lineColor, fixedLineColor;
    TColor footerColor, footerColorTo;  // footerColorTo kKeep: the fixed mirror end
};

constexpr TColor kBlue2003Active = 9758459;
constexpr TColor kBlue2003ActiveTo = 1414638;

const StyleRow kStyles[] = {
    // gsOffice2003Blue
    {glXP, 16572875, 14722429, clNone, clNone, false, kBlue2003Active, kBlue2003ActiveTo, kBlue2003Active,
     kBlue2003ActiveTo, 12632256, 8421504, 16572875, clNone},
    // gsOffice2003Silver
    {glXP, 15524577, 11769496, clNone, clNone, false, kBlue2003Active, kBlue2003ActiveTo, kBlue2003Active,
     kBlue2003ActiveTo, 12632256, 8421504, 15524577, clNone},
    // gsOffice2003Olive
    {glXP, 13627626, 9224369, clNone, clNone, false, kBlue2003Active, kBlue2003ActiveTo, kBlue2003Active,
     kBlue2003ActiveTo, 12632256, 8421504, 13627626, clNone},
    // gsOffice2003Classic
    {glXP, clWhite, 13423832, clNone, clNone, true, 14210516, 14210516, kKeep, kKeep, 12632256, 8421504, clWhite,
     clNone},
    // gsOffice2007Luna
    {glOffice2007, 16513526, 15260626, clNone, clNone, false, 10344697, 6210033, 6210033, kKeep, 15855083, 13745060,
     16513526, clNone},
    // gsOffice2007Obsidian
    {glOffice2007, 16250871, 14606046, clNone, clNone, false, 10344697, 6210033, 6210033, kKeep, 15062992, 8421504,
     16250871, clNone},
    // gsWindowsXP
    {glXP, clBtnFace, clBtnFace, clNone, clNone, true, clBtnFace, clBtnFace, kKeep, kKeep, 12632256, 8421504,
     clBtnFace, clNone},
    // gsWhidbey
    {kNoLook, clWhite, clBtnFace, clNone, clNone, true, kBlue2003Active, kBlue2003ActiveTo, kKeep, kKeep, 12632256,
     8421504, clWhite, clNone},
    // gsCustom
    {kNoLook, kKeep, kKeep, kKeep, kKeep, false, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    // gsOffice2007Silver
    {glOffice2007, 15987697, 13289928, kKeep, kKeep, false, 10079487, 6921471, 9816053, kKeep, 15062992, 8421504,
     15987697, kKeep},
    // gsWindowsVista
    {glVista, clWhite, clWhite, 16447735, 16052977, true, 16644337, 16576469, kXPSelection, kKeep, 15527152,
     13947601, clWhite, 16052977},
    // gsWindows7
    {glWin7, 16645370, 16445670, 16049884, 16247261, true, 16575452, 16571329, kXPSelection, kKeep, 15527152,
     13947601, 16645370, 16247261},
    // gsTerminal
    {glStandard, kKeep, kKeep, kKeep, kKeep, false, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    // gsOffice2010Blue
    {glOffice2007, 16115674, 16115674, 16115674, 16115674, true, 6018559, 7467007, 16767927, kKeep, 12632256,
     13086880, 16115674, 16115674},
    // gsOffice2010Silver
    {glOffice2007, 15262687, 15262687, 15262687, 15262687, true, 6018559, 7467007, 16767927, kKeep, 12632256,
     12236209, 15262687, 15262687},
    // gsOffice2010Black
    {glOffice2007, 6974058, 6974058, 6974058, 6974058, true, 6018559, 7467007, 16767927, kKeep, 12632256, 4473924,
     6974058, 6974058},
};
static_assert(std::size(kStyles) == gsOffice2010Black + 1);

// A gradient of hovered or pressed header cells.
struct GradientColors {
    TColor from = kKeep, to = kKeep, mirrorFrom = kKeep, mirrorTo = kKeep, border = kKeep;
};

// The colours some styles set beyond their row: the grid's hover colours set
// directly, then the control look's mirror, hover and pressed gradients, the
// sorted-header colours and the selection style.
struct StyleExtras {
    TExGridStyle style;
    GradientColors gridHover;
    TColor controlLookMirrorFrom = kKeep, controlLookMirrorTo = kKeep;
    GradientColors hover;
    GradientColors down;
    TColor sortHeader[4] = {kKeep, kKeep, kKeep, kKeep};
    int selectionStyle = -1;
};

constexpr int kSelDefault = static_cast<int>(TGridSelectionStyle::ssDefault);
constexpr int kSelVista = static_cast<int>(TGridSelectionStyle::ssVista);
constexpr int kSelWin7 = static_cast<int>(TGridSelectionStyle::ssWin7);
constexpr int kSelOffice2007 = static_cast<int>(TGridSelectionStyle::ssOffice2007);

StyleExtras office2010(TExGridStyle style, TColor fixed, TColor header)
{
    return {style,
            {clNone, clNone, clNone, clNone, clNone},
            fixed,
            fixed,
            {7069695, 11530239, 11530239, 15138047, 3850216},
            {6018559, 6611199, 6611199, 7467007, 3181250},
            {header, header, header, header},
            kSelDefault};
}

const StyleExtras kExtras[] = {
    {gsOffice2007Luna,
     {},
     kKeep,
     kKeep,
     {15000287, 14406605, 14406605, 13813180, 12033927},
     {14991773, 14991773, 14991773, 14991773, 14991773},
     {kKeep, kKeep, kKeep, kKeep},
     kSelOffice2007},
    {gsWindowsVista,
     {16775139, 16775139, 16772541, 16508855, 14928275},
     16447735,
     16052977,
     {16775139, 16775139, 16772541, 16508855, kKeep},
     {16377020, 16377020, 16242317, 16109962, 11440207},
     {16579058, 16579058, 16380385, 16182488},
     kSelVista},
    {gsWindows7,
     {16644339, 16380911, clNone, clNone, 15657187},
     16049884,
     16247261,
     {16710648, 16446189, 16049367, 15258305, kKeep},
     {15853789, 15852760, 15522767, 15588559, 14007466},
     {16579058, 16579058, 16380385, 16182488},
     kSelWin7},
    office2010(gsOffice2010Blue, 16115674, 14077639),
    office2010(gsOffice2010Silver, 15262687, 11184810),
    office2010(gsOffice2010Black, 6974058, 12237498),
};

template <typename Setter>
void setIfGiven(TColor value, Setter set)
{
    if (value != kKeep)
        set(value);
}

TColor resolved(TColor value) { return value == clNone ? clNone : ColorToRGB(value); }

}  // namespace

// ---- the look ------------------------------------------------------------------------

TGridLook TExStringGrid::Look() const { return p->look; }

void TExStringGrid::SetLook(TGridLook Value)
{
    if (p->look == Value)
        return;
    // Stored first: the style a look applies sets this look again, which then
    // does nothing.
    p->look = Value;
    TControlLook& look = *p->controlLook;
    if (Value != glCustom) {
        look.SetFixedGradientMirrorFrom(clNone);
        look.SetFixedGradientMirrorTo(clNone);
        look.SetFixedGradientFrom(clNone);
        look.SetFixedGradientTo(clNone);
        p->exGradientFrom = p->exGradientTo = p->exGradientMirrorFrom = p->exGradientMirrorTo = clNone;
        p->sortSettings->SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        applyLookStyle(gsWindowsVista, TGridSelectionStyle::ssVista);
        break;
    case glWin7:
        applyLookStyle(gsWindows7, TGridSelectionStyle::ssWin7);
        break;
    case glOffice2007:
        applyLookStyle(gsOffice2007Luna, TGridSelectionStyle::ssOffice2007);
        break;
    case glCustom:
        break;
    default:
        applyLookDefaults(Value);
        break;
    }
    SetScrollType(ssNormal);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->borderColor = 12164479;
    Invalidate();
    if (!p->loading)
        CalcFooter(-1);
}

void TExStringGrid::applyLookStyle(TExGridStyle AStyle, TGridSelectionStyle ASelectionStyle)
{
    SetStyle(AStyle);
    p->componentStyle = static_cast<TExStyle>(AStyle);
    SetSelectionStyle(ASelectionStyle);
}

// The colour defaults of the looks that apply no style of their own.
void TExStringGrid::applyLookDefaults(TGridLook Value)
{
    if (!QueryDesignMode())
        SetEditorComponentStyle(tsWindowsXP);
    SetSelectionStyle(TGridSelectionStyle::ssDefault);
    if (p->loading)
        return;
    TControlLook& look = *p->controlLook;
    TColor start = clWhite;
    TColor end = clBtnFace;
    if (Value == glStandard || Value == glSoft || Value == glClassic) {
        SetFixedColor(clBtnFace);
        start = clBtnFace;
        end = clNone;
    }
    look.SetFixedGradientFrom(start);
    look.SetFixedGradientTo(end);
    SetGridFixedLineColor(clGray);
    look.SetFixedGradientMirrorFrom(clNone);
    look.SetFixedGradientMirrorTo(clNone);
    SetGridLineColor(clSilver);
    if (Value == glStudio || Value == glXP) {
        p->activeCellColor = kXPSelection;
        p->activeCellColorTo = clNone;
        p->selectionColor = kXPSelection;
        p->selectionColorTo = clNone;
        p->selectionTextColor = clBlack;
        p->searchFooter->SetColor(p->exGradientFrom);
        p->searchFooter->SetColorTo(p->exGradientTo);
        look.SetFixedGradientFrom(clWhite);
        look.SetFixedGradientTo(Value == glXP ? clBtnFace : clSilver);
        look.SetFixedGradientHoverFrom(13619409);
        look.SetFixedGradientHoverTo(12502728);
        look.SetFixedGradientHoverMirrorFrom(12502728);
        look.SetFixedGradientHoverMirrorTo(11254975);
        look.SetFixedGradientDownFrom(8816520);
        look.SetFixedGradientDownTo(7568510);
        look.SetFixedGradientDownMirrorFrom(7568510);
        look.SetFixedGradientDownMirrorTo(6452086);
    } else {
        p->activeCellColor = clGray;
        p->activeCellColorTo = clNone;
        p->selectionColor = clHighlight;
        p->selectionTextColor = clHighlightText;
        p->searchFooter->SetColor(clBtnFace);
        p->searchFooter->SetColorTo(clBtnFace);
    }
}

void TExStringGrid::SetExGradientFrom(TColor Value)
{
    p->exGradientFrom = resolved(Value);
    Invalidate();
}
TColor TExStringGrid::ExGradientFrom() const { return p->exGradientFrom; }

void TExStringGrid::SetExGradientTo(TColor Value)
{
    p->exGradientTo = resolved(Value);
    Invalidate();
}
TColor TExStringGrid::ExGradientTo() const { return p->exGradientTo; }

void TExStringGrid::SetExGradientMirrorFrom(TColor Value)
{
    p->exGradientMirrorFrom = resolved(Value);
    Invalidate();
}
TColor TExStringGrid::ExGradientMirrorFrom() const { return p->exGradientMirrorFrom; }

void TExStringGrid::SetExGradientMirrorTo(TColor Value)
{
    p->exGradientMirrorTo = resolved(Value);
    Invalidate();
}
TColor TExStringGrid::ExGradientMirrorTo() const { return p->exGradientMirrorTo; }

void TExStringGrid::LookToText(TGridLook ALook, QString& AText)
{
    static const char* const names[] = {"glStandard", "glSoft",   "glClassic", "glStudio",    "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007"};
    if (ALook >= glStandard && ALook < glCustom)
        AText = QString::fromLatin1(names[ALook]);
}

void TExStringGrid::LookDisplayName(TGridLook ALook, QString& AText)
{
    static const char* const names[] = {"Standard", "Soft",          "Classic",   "Studio",    "Windows XP",
                                        "ListView", "Windows Vista", "Windows 7", "Office2007"};
    if (ALook >= glStandard && ALook < glCustom)
        AText = QString::fromLatin1(names[ALook]);
}

// ---- named colour styles ---------------------------------------------------------------

void TExStringGrid::SetStyle(TExGridStyle Value)
{
    if (Value < gsOffice2003Blue || Value > gsOffice2010Black)
        return;
    resetStyleColors();
    if (kStyles[Value].look != kNoLook)
        SetLook(static_cast<TGridLook>(kStyles[Value].look));
    applyStyleRow(Value);
    applyStyleExtras(Value);
    Invalidate();
}

// What every style starts from.
void TExStringGrid::resetStyleColors()
{
    p->selectionColor = clHighlight;
    p->selectionColorTo = clNone;
    p->selectionTextColor = clHighlightText;
    SetSelectionStyle(TGridSelectionStyle::ssDefault);
    TSortSettings& sort = *p->sortSettings;
    sort.SetHeaderColor(clNone);
    sort.SetHeaderColorTo(clNone);
    sort.SetHeaderMirrorColor(clNone);
    sort.SetHeaderMirrorColorTo(clNone);
    p->controlLook->Init();
}

void TExStringGrid::applyStyleRow(TExGridStyle AStyle)
{
    const StyleRow& row = kStyles[AStyle];
    TControlLook& look = *p->controlLook;
    if (row.fixedFrom != kKeep) {
        look.SetFixedGradientFrom(row.controlLookNone ? clNone : row.fixedFrom);
        look.SetFixedGradientTo(row.controlLookNone ? clNone : row.fixedTo);
        SetExGradientFrom(row.fixedFrom);
        SetExGradientTo(row.fixedTo);
    }
    setIfGiven(row.fixedMirrorFrom, [this](TColor c) { SetExGradientMirrorFrom(c); });
    setIfGiven(row.fixedMirrorTo, [this](TColor c) { SetExGradientMirrorTo(c); });
    setIfGiven(row.activeFrom, [this](TColor c) { p->activeCellColor = c; });
    setIfGiven(row.activeTo, [this](TColor c) { p->activeCellColorTo = c; });
    if (row.selection != kKeep) {
        p->selectionColor = row.selection;
        p->selectionTextColor = clBlack;
    }
    setIfGiven(row.selectionTo, [this](TColor c) { p->selectionColorTo = c; });
    setIfGiven(row.lineColor, [this](TColor c) { SetGridLineColor(c); });
    setIfGiven(row.fixedLineColor, [this](TColor c) { SetGridFixedLineColor(c); });
    if (row.footerColor != kKeep) {
        p->searchFooter->SetColor(row.footerColor);
        p->searchFooter->SetColorTo(row.footerColorTo == kKeep ? p->exGradientMirrorTo : row.footerColorTo);
    }
}

void TExStringGrid::applyStyleExtras(TExGridStyle AStyle)
{
    const auto extras = std::find_if(std::begin(kExtras), std::end(kExtras),
                                     [AStyle](const StyleExtras& e) { return e.style == AStyle; });
    if (extras == std::end(kExtras))
        return;
    const StyleExtras& e = *extras;
    setIfGiven(e.gridHover.from, [this](TColor c) { p->exGradientHoverFrom = c; });
    setIfGiven(e.gridHover.to, [this](TColor c) { p->exGradientHoverTo = c; });
    setIfGiven(e.gridHover.mirrorFrom, [this](TColor c) { p->exGradientHoverMirrorFrom = c; });
    setIfGiven(e.gridHover.mirrorTo, [this](TColor c) { p->exGradientHoverMirrorTo = c; });
    setIfGiven(e.gridHover.border, [this](TColor c) { p->exGradientHoverBorder = c; });
    TControlLook& look = *p->controlLook;
    setIfGiven(e.controlLookMirrorFrom, [&look](TColor c) { look.SetFixedGradientMirrorFrom(c); });
    setIfGiven(e.controlLookMirrorTo, [&look](TColor c) { look.SetFixedGradientMirrorTo(c); });
    setIfGiven(e.hover.from, [&look](TColor c) { look.SetFixedGradientHoverFrom(c); });
    setIfGiven(e.hover.to, [&look](TColor c) { look.SetFixedGradientHoverTo(c); });
    setIfGiven(e.hover.mirrorFrom, [&look](TColor c) { look.SetFixedGradientHoverMirrorFrom(c); });
    setIfGiven(e.hover.mirrorTo, [&look](TColor c) { look.SetFixedGradientHoverMirrorTo(c); });
    setIfGiven(e.hover.border, [&look](TColor c) { look.SetFixedGradientHoverBorder(c); });
    setIfGiven(e.down.from, [&look](TColor c) { look.SetFixedGradientDownFrom(c); });
    setIfGiven(e.down.to, [&look](TColor c) { look.SetFixedGradientDownTo(c); });
    setIfGiven(e.down.mirrorFrom, [&look](TColor c) { look.SetFixedGradientDownMirrorFrom(c); });
    setIfGiven(e.down.mirrorTo, [&look](TColor c) { look.SetFixedGradientDownMirrorTo(c); });
    setIfGiven(e.down.border, [&look](TColor c) { look.SetFixedGradientDownBorder(c); });
    TSortSettings& sort = *p->sortSettings;
    setIfGiven(e.sortHeader[0], [&sort](TColor c) { sort.SetHeaderColor(c); });
    setIfGiven(e.sortHeader[1], [&sort](TColor c) { sort.SetHeaderColorTo(c); });
    setIfGiven(e.sortHeader[2], [&sort](TColor c) { sort.SetHeaderMirrorColor(c); });
    setIfGiven(e.sortHeader[3], [&sort](TColor c) { sort.SetHeaderMirrorColorTo(c); });
    // Luna keeps its selection style only on its own look.
    const bool applies = e.style != gsOffice2007Luna || p->look == glOffice2007;
    if (e.selectionStyle >= 0 && applies)
        SetSelectionStyle(static_cast<TGridSelectionStyle>(e.selectionStyle));
}

// ---- the component style and the drop-down editors ---------------------------------------

TExStyle TExStringGrid::ComponentStyle() const { return p->componentStyle; }

void TExStringGrid::SetComponentStyle(TExStyle Value)
{
    p->componentStyle = Value;
    SetStyle(static_cast<TExGridStyle>(Value));
    if (!QueryDesignMode())
        SetEditorComponentStyle(Value);
    if (Value != tsCustom && p->scrollType == ssMetro)
        SetScrollType(ssNormal);
}

void TExStringGrid::SetEditorComponentStyle(TExStyle Value)
{
    for (const auto& [style, tones] : p->dropDownEditors)
        if (style)
            style->SetComponentStyle(Value);
}

void TExStringGrid::AddDropDownEditor(IExStyle* AStyle, IExTones* ATones)
{
    if (AStyle || ATones)
        p->dropDownEditors.emplace_back(AStyle, ATones);
}

void TExStringGrid::RemoveDropDownEditor(IExStyle* AStyle, IExTones* ATones)
{
    std::erase(p->dropDownEditors, std::make_pair(AStyle, ATones));
}

// ---- tone sets ---------------------------------------------------------------------------

const TColorTones& TExStringGrid::ColorTones() const { return p->tones; }

void TExStringGrid::SetColorTones(const TColorTones& Value)
{
    p->tones = Value;
    SetLook(glClassic);
    p->flat = true;
    SetScrollType(ssMetro);
    SetFixedColor(Value.Foreground.BrushColor);
    p->fixedFont->SetColor(Value.Foreground.TextColor);
    QString fontName;
    PickDefaultFontName(fontName);
    p->fixedFont->SetName(fontName);
    Font().SetName(fontName);
    SetColor(Value.Background.BrushColor);
    Font().SetColor(Value.Background.TextColor);
    p->selectionColor = Value.Selected.BrushColor;
    p->selectionTextColor = Value.Selected.TextColor;
    p->selectionColorTo = clNone;
    SetGridLineColor(15132390);
    SetGridFixedLineColor(ScaleColorPercent(Value.Foreground.BrushColor, -20));
    setFrameStyle(QFrame::NoFrame);
    TControlLook& look = *p->controlLook;
    look.SetControlStyle(csGlyph);
    LoadBitmapResource(look.CheckedGlyph(), QStringLiteral("metrocheckon"));
    LoadBitmapResource(look.UnCheckedGlyph(), QStringLiteral("metrocheckoff"));
    LoadBitmapResource(look.RadioOffGlyph(), QStringLiteral("metroradiooff"));
    LoadBitmapResource(look.RadioOnGlyph(), QStringLiteral("metroradioon"));
    if (!QueryDesignMode())
        applyEditorTones(Value);
    for (const auto& [style, tones] : p->dropDownEditors)
        if (tones)
            tones->SetColorTones(Value);
    look.SetFlatButton(true);
    p->floatingFooter->SetColor(Value.Foreground.BrushColor);
    p->searchFooter->SetColor(Value.Foreground.BrushColor);
    p->searchFooter->SetColorTo(Value.Foreground.BrushColor);
    p->cellNode->SetNodeType(cnFlat);
    Invalidate();
}

// ---- desktop colour schemes ------------------------------------------------------------------

void TExStringGrid::SetTheme(TXPColorScheme Value)
{
    struct Scheme {
        TColor from, to, mirrorFrom, mirrorTo, footer, footerTo;
    };
    static const Scheme schemes[] = {
        {16572875, 14722429, clNone, clNone, 16572875, 14722429},  // xpBlue
        {13627626, 9224369, clNone, clNone, 13627626, 9224369},    // xpGreen
        {15524577, 11769496, clNone, clNone, 15524577, 11769496},  // xpGray
        {clWhite, clWhite, 16447735, 16052977, 15524577, 11769496},  // vistaAero
    };
    TControlLook& look = *p->controlLook;
    if (Value == xpNone) {
        p->activeCellColor = clWhite;
        p->activeCellColorTo = 16767411;
        SetExGradientFrom(clWhite);
        SetExGradientTo(clBtnFace);
        SetExGradientMirrorFrom(clNone);
        SetExGradientMirrorTo(clNone);
        look.SetFixedGradientFrom(clNone);
        look.SetFixedGradientTo(clNone);
        p->searchFooter->SetColor(clWhite);
        p->searchFooter->SetColorTo(16767411);
    } else if (Value >= xpBlue && Value <= vistaAero) {
        const Scheme& s = schemes[Value - xpBlue];
        SetExGradientFrom(s.from);
        SetExGradientTo(s.to);
        SetExGradientMirrorFrom(s.mirrorFrom);
        SetExGradientMirrorTo(s.mirrorTo);
        p->searchFooter->SetColor(s.footer);
        p->searchFooter->SetColorTo(s.footerTo);
        p->activeCellColor = kBlue2003Active;
        p->activeCellColorTo = kBlue2003ActiveTo;
        look.SetFixedGradientFrom(s.from);
        look.SetFixedGradientTo(s.to);
    }
    Invalidate();
}

// ---- the office theme ----------------------------------------------------------------------

bool TExStringGrid::AutoThemeAdapt() const { return p->autoThemeAdapt; }

void TExStringGrid::SetAutoThemeAdapt(bool Value)
{
    p->autoThemeAdapt = Value;
    if (Value && !QueryDesignMode() && !p->themeWindowRegistered) {
        GetThemeNotifier(this)->RegisterWindow(this);
        p->themeWindowRegistered = true;
    }
    if (Value && !p->loading)
        FollowOfficeTheme();
}

void TExStringGrid::FollowOfficeTheme()
{
    if (QueryDesignMode())
        return;
    const TOfficeTheme theme = DetectOfficeTheme();
    if (theme == p->lastOfficeTheme || theme == otUnknown)
        return;
    static const TExStyle styles[] = {tsOffice2003Blue,     tsOffice2003Silver, tsOffice2003Olive,
                                      tsOffice2003Classic,  tsOffice2007Luna,   tsOffice2007Silver,
                                      tsOffice2007Obsidian, tsOffice2010Blue,   tsOffice2010Silver,
                                      tsOffice2010Black};
    SetComponentStyle(styles[theme]);
    p->lastOfficeTheme = theme;
}

bool TExStringGrid::handleOfficeThemeEvent(QEvent* e)
{
    if (e->type() != TOfficeThemeChangeEvent::EventType())
        return false;
    if (p->autoThemeAdapt)
        FollowOfficeTheme();
    return true;
}

void TExStringGrid::unregisterThemeWindow()
{
    if (!p->themeWindowRegistered)
        return;
    p->themeWindowRegistered = false;
    GetThemeNotifier(this)->UnRegisterWindow(this);
}
