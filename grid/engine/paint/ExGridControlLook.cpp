// The control look of a grid: its settings and what each writer hands on to
// the grid.

#include "grid/engine/paint/ExGridControlLook.h"

#include "grid/engine/ExGrid.h"
#include "platform/picture/Bitmap.h"

struct TControlLook::Data {
    explicit Data(TExStringGrid* g) : grid(g) {}
    TExStringGrid* grid;
    TColor color = clBlack;
    TColor commentColor = clRed;
    std::unique_ptr<TBitmap> checkedGlyph = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> unCheckedGlyph = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> radioOnGlyph = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> radioOffGlyph = std::make_unique<TBitmap>();
    TColor fixedGradientFrom = clNone;
    TColor fixedGradientTo = clNone;
    TColor fixedGradientMirrorFrom = clNone;
    TColor fixedGradientMirrorTo = clNone;
    TColor fixedGradientHoverFrom = clGray;
    TColor fixedGradientHoverTo = clWhite;
    TColor fixedGradientHoverMirrorFrom = clNone;
    TColor fixedGradientHoverMirrorTo = clNone;
    TColor fixedGradientHoverBorder = clSilver;
    TColor fixedGradientDownFrom = clGray;
    TColor fixedGradientDownTo = clSilver;
    TColor fixedGradientDownMirrorFrom = clNone;
    TColor fixedGradientDownMirrorTo = clNone;
    TColor fixedGradientDownBorder = clGray;
    bool fixedDropDownButton = false;
    int hintMaxWidth = 0;
    int checkSize = 15;
    bool checkAlwaysActive = false;
    bool radioAlwaysActive = false;
    int radioSize = 10;
    TControlStyle controlStyle = csTheme;
    bool dropDownAlwaysVisible = false;
    bool spinButtonsAlwaysVisible = false;
    int dropDownCount = 8;
    bool flatButton = false;
    bool noDisabledCheckRadioLook = false;
    bool noDisabledButtonLook = false;
    TColor progressBorderColor = clGray;
    int progressMarginX = 2;
    int progressMarginY = 2;
    bool progressXP = false;
};

TControlLook::TControlLook(TExStringGrid* AGrid) : d(std::make_unique<Data>(AGrid)) {}

TControlLook::~TControlLook() = default;

void TControlLook::repaint()
{
    if (d->grid)
        d->grid->Invalidate();
}

void TControlLook::Init()
{
    const Data first(d->grid);
    d->color = first.color;
    d->commentColor = first.commentColor;
    d->progressBorderColor = first.progressBorderColor;
    d->fixedGradientFrom = first.fixedGradientFrom;
    d->fixedGradientTo = first.fixedGradientTo;
    d->fixedGradientMirrorFrom = first.fixedGradientMirrorFrom;
    d->fixedGradientMirrorTo = first.fixedGradientMirrorTo;
    d->fixedGradientHoverFrom = first.fixedGradientHoverFrom;
    d->fixedGradientHoverTo = first.fixedGradientHoverTo;
    d->fixedGradientHoverBorder = first.fixedGradientHoverBorder;
    d->fixedGradientDownFrom = first.fixedGradientDownFrom;
    d->fixedGradientDownTo = first.fixedGradientDownTo;
    d->fixedGradientDownBorder = first.fixedGradientDownBorder;
    // The mirror colours go through their writers so that the grid's copies
    // are cleared too.
    SetFixedGradientHoverMirrorFrom(first.fixedGradientHoverMirrorFrom);
    SetFixedGradientHoverMirrorTo(first.fixedGradientHoverMirrorTo);
    SetFixedGradientDownMirrorFrom(first.fixedGradientDownMirrorFrom);
    SetFixedGradientDownMirrorTo(first.fixedGradientDownMirrorTo);
}

void TControlLook::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TControlLook*>(Source);
    if (!source || source == this)
        return;
    const Data& s = *source->d;
    d->checkSize = s.checkSize;
    d->radioSize = s.radioSize;
    d->controlStyle = s.controlStyle;
    d->checkedGlyph->Assign(s.checkedGlyph.get());
    d->unCheckedGlyph->Assign(s.unCheckedGlyph.get());
    d->radioOnGlyph->Assign(s.radioOnGlyph.get());
    d->radioOffGlyph->Assign(s.radioOffGlyph.get());
    d->progressMarginX = s.progressMarginX;
    d->progressMarginY = s.progressMarginY;
    d->commentColor = s.commentColor;
    d->color = s.color;
    d->progressBorderColor = s.progressBorderColor;
    d->checkAlwaysActive = s.checkAlwaysActive;
    d->radioAlwaysActive = s.radioAlwaysActive;
    d->fixedGradientFrom = s.fixedGradientFrom;
    d->fixedGradientTo = s.fixedGradientTo;
    d->fixedGradientMirrorFrom = s.fixedGradientMirrorFrom;
    d->fixedGradientMirrorTo = s.fixedGradientMirrorTo;
    d->fixedGradientHoverFrom = s.fixedGradientHoverFrom;
    d->fixedGradientHoverTo = s.fixedGradientHoverTo;
    d->fixedGradientHoverMirrorFrom = s.fixedGradientHoverMirrorFrom;
    d->fixedGradientHoverMirrorTo = s.fixedGradientHoverMirrorTo;
    d->fixedGradientHoverBorder = s.fixedGradientHoverBorder;
    d->fixedGradientDownFrom = s.fixedGradientDownFrom;
    d->fixedGradientDownTo = s.fixedGradientDownTo;
    d->fixedGradientDownMirrorFrom = s.fixedGradientDownMirrorFrom;
    d->fixedGradientDownMirrorTo = s.fixedGradientDownMirrorTo;
    d->fixedGradientDownBorder = s.fixedGradientDownBorder;
    d->dropDownAlwaysVisible = s.dropDownAlwaysVisible;
    d->spinButtonsAlwaysVisible = s.spinButtonsAlwaysVisible;
    d->dropDownCount = s.dropDownCount;
    d->hintMaxWidth = s.hintMaxWidth;
}

// Plain values, and values whose change repaints the grid.
#define LOOK_STORED(Type, Name, field)                                                                         \
    Type TControlLook::Name() const { return d->field; }                                                       \
    void TControlLook::Set##Name(Type Value) { d->field = Value; }
#define LOOK_REPAINTING(Type, Name, field)                                                                     \
    Type TControlLook::Name() const { return d->field; }                                                       \
    void TControlLook::Set##Name(Type Value)                                                                   \
    {                                                                                                          \
        d->field = Value;                                                                                      \
        repaint();                                                                                             \
    }
// A fixed-gradient colour handed to the grid when it is set, or always.
#define LOOK_GRID_COLOR(Name, field, GridSetter, always)                                                       \
    TColor TControlLook::Name() const { return d->field; }                                                     \
    void TControlLook::Set##Name(TColor Value)                                                                 \
    {                                                                                                          \
        d->field = Value;                                                                                      \
        if ((always || Value != clNone) && d->grid) {                                                          \
            d->grid->GridSetter(Value == clNone ? clNone : ColorToRGB(Value));                                 \
            repaint();                                                                                         \
        }                                                                                                      \
    }

LOOK_REPAINTING(TColor, Color, color)
LOOK_REPAINTING(TColor, CommentColor, commentColor)
LOOK_GRID_COLOR(FixedGradientFrom, fixedGradientFrom, SetExGradientFrom, false)
LOOK_GRID_COLOR(FixedGradientTo, fixedGradientTo, SetExGradientTo, false)
LOOK_GRID_COLOR(FixedGradientMirrorFrom, fixedGradientMirrorFrom, SetExGradientMirrorFrom, true)
LOOK_GRID_COLOR(FixedGradientMirrorTo, fixedGradientMirrorTo, SetExGradientMirrorTo, true)
LOOK_GRID_COLOR(FixedGradientHoverFrom, fixedGradientHoverFrom, SetExGradientHoverFrom, false)
LOOK_GRID_COLOR(FixedGradientHoverTo, fixedGradientHoverTo, SetExGradientHoverTo, false)
LOOK_GRID_COLOR(FixedGradientHoverMirrorFrom, fixedGradientHoverMirrorFrom, SetExGradientHoverMirrorFrom, true)
LOOK_GRID_COLOR(FixedGradientHoverMirrorTo, fixedGradientHoverMirrorTo, SetExGradientHoverMirrorTo, true)
LOOK_GRID_COLOR(FixedGradientHoverBorder, fixedGradientHoverBorder, SetExGradientHoverBorder, false)
LOOK_GRID_COLOR(FixedGradientDownFrom, fixedGradientDownFrom, SetExGradientDownFrom, false)
LOOK_GRID_COLOR(FixedGradientDownTo, fixedGradientDownTo, SetExGradientDownTo, false)
LOOK_GRID_COLOR(FixedGradientDownMirrorFrom, fixedGradientDownMirrorFrom, SetExGradientDownMirrorFrom, true)
LOOK_GRID_COLOR(FixedGradientDownMirrorTo, fixedGradientDownMirrorTo, SetExGradientDownMirrorTo, true)
LOOK_GRID_COLOR(FixedGradientDownBorder, fixedGradientDownBorder, SetExGradientDownBorder, false)
LOOK_STORED(bool, FixedDropDownButton, fixedDropDownButton)
LOOK_STORED(int, HintMaxWidth, hintMaxWidth)
LOOK_REPAINTING(int, CheckSize, checkSize)
LOOK_STORED(bool, CheckAlwaysActive, checkAlwaysActive)
LOOK_STORED(bool, RadioAlwaysActive, radioAlwaysActive)
LOOK_REPAINTING(int, RadioSize, radioSize)
LOOK_REPAINTING(TControlStyle, ControlStyle, controlStyle)
LOOK_REPAINTING(bool, DropDownAlwaysVisible, dropDownAlwaysVisible)
LOOK_REPAINTING(bool, SpinButtonsAlwaysVisible, spinButtonsAlwaysVisible)
LOOK_STORED(int, DropDownCount, dropDownCount)
LOOK_REPAINTING(bool, FlatButton, flatButton)
LOOK_REPAINTING(bool, NoDisabledCheckRadioLook, noDisabledCheckRadioLook)
LOOK_REPAINTING(bool, NoDisabledButtonLook, noDisabledButtonLook)
LOOK_STORED(TColor, ProgressBorderColor, progressBorderColor)
LOOK_REPAINTING(int, ProgressMarginX, progressMarginX)
LOOK_REPAINTING(int, ProgressMarginY, progressMarginY)
LOOK_REPAINTING(bool, ProgressXP, progressXP)

#undef LOOK_STORED
#undef LOOK_REPAINTING
#undef LOOK_GRID_COLOR

TBitmap* TControlLook::CheckedGlyph() const { return d->checkedGlyph.get(); }
TBitmap* TControlLook::UnCheckedGlyph() const { return d->unCheckedGlyph.get(); }
TBitmap* TControlLook::RadioOnGlyph() const { return d->radioOnGlyph.get(); }
TBitmap* TControlLook::RadioOffGlyph() const { return d->radioOffGlyph.get(); }

void TControlLook::copyGlyph(TBitmap& Glyph, const TBitmap* Value)
{
    Glyph.Assign(Value);
    repaint();
}

void TControlLook::SetCheckedGlyph(const TBitmap* Value) { copyGlyph(*d->checkedGlyph, Value); }
void TControlLook::SetUnCheckedGlyph(const TBitmap* Value) { copyGlyph(*d->unCheckedGlyph, Value); }
void TControlLook::SetRadioOnGlyph(const TBitmap* Value) { copyGlyph(*d->radioOnGlyph, Value); }
void TControlLook::SetRadioOffGlyph(const TBitmap* Value) { copyGlyph(*d->radioOffGlyph, Value); }
