#pragma once

// The one content object a grid cell may hold besides its text: check boxes,
// radio controls, node glyphs, images, pictures, progress bars, comments,
// buttons and the other decorations. Its kind says how the other fields are
// read; drawing, measuring and clicking read them by kind.

#include "grid/engine/ExGridTypes.h"
#include "platform/core/TObject.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>
#include <QtCore/QVariant>

#include <functional>
#include <variant>

class TCanvas;
class TExStringGrid;
class TGraphic;
class TPicture;

// What a graphic refers to beside its own fields: nothing, a list or other
// object, a picture of one of the picture types, a picture holder, or a colour
// kept as a number by the progress, shape and rating kinds.
using TCellRef = std::variant<std::monostate, TObject*, TGraphic*, TPicture*, TColor>;

// Deletes the object a reference points to (a colour or nothing is left) and
// clears the reference.
void FreeCellRef(TCellRef& Ref);

class TCellGraphic : public TObject {
public:
    TCellGraphic() = default;
    // Frees what the graphic owns by the rules of its kind: created objects,
    // the lists the grid always makes, an attached balloon's texts.
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    // Copies the plain fields and CellCreated; no object reference, no
    // CellVar and no CellCheckBoxState.
    void Assign(const TCellGraphic& Source);

    // The size of the picture of a picture kind fitted into a box of cw by rh
    // pixels, less the padding; other kinds leave Size as the caller set it.
    void GetPictureSize(int cw, int rh, bool hastext, TPoint& Size) const;
    // Width and height of the picture, picture holder or file picture held;
    // 0 by 0 for anything else.
    TPoint PictureExtent() const;

    // The kind setters: each sets the kind and its fields and nothing else.
    // A check box; Data makes it a data check box, whose state is the cell text.
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetBitmap(TGraphic* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // A new image index list of the cell, owned by the graphic, whose changes
    // reach Notifier.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       std::function<void(TObject*, int, int)> Notifier);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                        TCellVAlign val);
    // Width in the low 16 bits, height in the high 16 bits; not pushed.
    void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString& caption, TGraphic* Glyph, TCellHAlign hal, TCellVAlign val);
    void SetInterfacedCell(TObject* AObject);
    // The rotation, brought into 0 ... 360.
    void SetAngle(int AAngle);

    TCellType CellType = ctNone;
    TCellRef CellBitmap;
    TCellRef CellIcon;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    qint32 CellIndex = 0;
    bool CellTransparent = false;
    // The graphic owns the object in CellBitmap or CellIcon.
    bool CellCreated = false;
    bool CellBoolean = false;
    qint32 CellAngle = 0;
    double CellValue = 0;
    qint32 CellErrFrom = 0;
    qint32 CellErrLen = 0;
    QString CellText;
    QVariant CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
};

// The check-box kinds that show a box of ControlLook.CheckSize.
bool IsCheckBoxKind(TCellType Kind);
// Data check boxes: their state is the cell text.
inline bool IsDataCheckKind(TCellType Kind) { return Kind == ctDataCheckBox || Kind == ctVirtCheckBox; }

// Where a cell's graphic goes: its size, its placement against the cell and
// its text, and whether the cell text is drawn beside it.
struct TCellGraphicPlacement {
    TCellGraphic* graphic = nullptr;
    int width = 0;
    int height = 0;
    TCellHAlign hAlign = haLeft;
    TCellVAlign vAlign = vaTop;
    bool textDrawn = true;
};

// The box of a graphic W by H inside R, placed by its own alignments; the
// check and radio kinds follow the text alignment instead (TextAlign), keeping
// clear of a text of width T. R is the rectangle the graphic may use.
TRect PlaceCellGraphic(const TRect& R, TCellType Kind, int W, int H, int T, TAlignment TextAlign,
                       TCellHAlign HAlign, TCellVAlign VAlign);
// The check-box and radio-button kinds, placed by the text alignment.
bool IsCheckOrRadioKind(TCellType Kind);
// The shared graphics grids lend out; never stored in a cell or freed by it.
inline bool IsLentKind(TCellType Kind) { return Kind == ctVirtCheckBox || Kind == ctRowCheckBox; }
// The kinds a balloon can be attached to.
inline bool CarriesBalloon(TCellType Kind) { return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctRadioButton; }

// What an object shown in a ctInterface cell offers the grid: drawing into the
// cell and its size there. A size of 0 takes the cell's own.
class IGridCell {
public:
    virtual ~IGridCell() = default;
    virtual void Draw(TCanvas* Canvas, const TRect& R, int Col, int Row, bool Selected, TExStringGrid* Grid) = 0;
    virtual int GetExtentX() = 0;
    virtual int GetExtentY() = 0;
};
