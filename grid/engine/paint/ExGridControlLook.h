#pragma once

// How a grid draws the controls in its cells (check boxes, radio buttons,
// buttons, progress bars, comments, drop-down buttons) and the hover and
// pressed gradients of its fixed cells.

#include "grid/engine/ExGridTypes.h"
#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <memory>

class TBitmap;
class TExStringGrid;

// Owned by its grid. Most writers repaint the grid; the fixed-gradient
// colours are also handed to the grid's own gradient colours (resolved to
// RGB), the plain ones only when they are set, the mirror ones always.
class TControlLook : public TObject {
public:
    explicit TControlLook(TExStringGrid* AGrid);
    ~TControlLook() override;
    TControlLook(const TControlLook&) = delete;
    TControlLook& operator=(const TControlLook&) = delete;

    // Resets Color, CommentColor, ProgressBorderColor and the fourteen
    // fixed-gradient colours to their first values.
    void Init();
    // Copies every setting from another TControlLook without forwarding to the
    // grid; any other source is ignored.
    void Assign(const TObject* Source);

    TColor Color() const;
    void SetColor(TColor Value);
    TColor CommentColor() const;
    void SetCommentColor(TColor Value);
    TBitmap* CheckedGlyph() const;
    void SetCheckedGlyph(const TBitmap* Value);
    TBitmap* UnCheckedGlyph() const;
    void SetUnCheckedGlyph(const TBitmap* Value);
    TBitmap* RadioOnGlyph() const;
    void SetRadioOnGlyph(const TBitmap* Value);
    TBitmap* RadioOffGlyph() const;
    void SetRadioOffGlyph(const TBitmap* Value);

    TColor FixedGradientFrom() const;
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const;
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const;
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const;
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const;
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const;
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const;
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const;
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const;
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const;
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const;
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const;
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const;
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const;
    void SetFixedGradientDownBorder(TColor Value);

    bool FixedDropDownButton() const;
    void SetFixedDropDownButton(bool Value);
    int HintMaxWidth() const;
    void SetHintMaxWidth(int Value);
    int CheckSize() const;
    void SetCheckSize(int Value);
    bool CheckAlwaysActive() const;
    void SetCheckAlwaysActive(bool Value);
    bool RadioAlwaysActive() const;
    void SetRadioAlwaysActive(bool Value);
    int RadioSize() const;
    void SetRadioSize(int Value);
    TControlStyle ControlStyle() const;
    void SetControlStyle(TControlStyle Value);
    bool DropDownAlwaysVisible() const;
    void SetDropDownAlwaysVisible(bool Value);
    bool SpinButtonsAlwaysVisible() const;
    void SetSpinButtonsAlwaysVisible(bool Value);
    int DropDownCount() const;
    void SetDropDownCount(int Value);
    bool FlatButton() const;
    void SetFlatButton(bool Value);
    bool NoDisabledCheckRadioLook() const;
    void SetNoDisabledCheckRadioLook(bool Value);
    bool NoDisabledButtonLook() const;
    void SetNoDisabledButtonLook(bool Value);
    TColor ProgressBorderColor() const;
    void SetProgressBorderColor(TColor Value);
    int ProgressMarginX() const;
    void SetProgressMarginX(int Value);
    int ProgressMarginY() const;
    void SetProgressMarginY(int Value);
    bool ProgressXP() const;
    void SetProgressXP(bool Value);

private:
    void repaint();
    void copyGlyph(TBitmap& Glyph, const TBitmap* Value);
    struct Data;
    std::unique_ptr<Data> d;
};
