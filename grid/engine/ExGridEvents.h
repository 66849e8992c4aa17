#pragma once

// The event types of the string grid control. Each event passes the grid as
// Sender, then its arguments in the system's order.

#include "grid/engine/ExGridTypes.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObj.h"
#include "platform/grid/GridTypes.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"
#include "platform/ui/controls/InputTypes.h"

#include <QtCore/QString>

#include <functional>

class TBrush;
class TCanvas;
class TExStringGrid;
class TFont;
class TPen;
class TStringList;

// Event types of the grid; the row comes before the column where the grid
// always passed it so.
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                           TBrush* ABrush, TFont* AFont)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasComboBoxEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList* Filter)>;
using TGetCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TFixedEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           TStringList* Values)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCellLoadSaveEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TComboCloseUpEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TGridChangeNotifier = std::function<void(TExStringGrid* Grid, const TRect& R)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, const TRect& ARect)>;
using TCustomCellSizeEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                                              QString& FilterCondition)>;
using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const QString& Value, double& ADate)>;
using TPrintPageEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TPrintPageDoneEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                                               int LastPage, int PageXSize, int PageYSize)>;
using TPrintGetPageNumEvent =
    std::function<void(TObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
using TPrintStartEvent = std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
using TPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TPrintSetSizeEvent = std::function<void(TObject* Sender, int AIndex, int& ASize)>;
using TNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TBeforeNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TCellAllowEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TControlEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID,
                                         const QString& CtrlType, const QString& CtrlVal)>;
using TControlComboListEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, TStringList* Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const QString& CtrlID, const QString& CtrlValue)>;
using TAllowEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardBeforePasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TClipboardAfterPasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TProgressEvent = std::function<void(TObject* Sender, int Progress)>;
using TCellIndexEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TCellIndexVarEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TColorSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const QString& Value)>;
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const QString& ASelection, TObject* AObject)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double ADateTime)>;
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool Value, bool& Allow)>;
using TRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& NewUnit)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TOleDataEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& Data, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& ARect)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& NewRate, bool& Allow)>;
using TIndexAllowEvent = std::function<void(TObject* Sender, int AIndex, bool& Allow)>;
using TRowClickEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, const TPoint& MousePos, bool& Handled)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;

// What a drag of cells or of a column ended in: nothing (cancelled), a copy
// or a move.
enum TDragEffect : int { deNone = 0, deCopy = 1, deMove = 2 };

// The drag-and-drop loop the grid hands a drag to once the mouse has moved
// far enough: a text drag carries the selected text and the pressed cell's
// text (copy and move allowed), a column drag the display column. While a
// function is left empty the toolkit's drag and drop runs that drag.
struct TGridDragRunner {
    std::function<TDragEffect(TExStringGrid* Grid, const QString& SelectedText, const QString& CellText)>
        RunTextDragDrop;
    std::function<TDragEffect(TExStringGrid* Grid, int ACol)> RunColumnDragDrop;
};
