#pragma once

// The enumerations of the string grid control. Ordinal values are stored in
// form files and saved settings, so the order of every enumeration is fixed.

#include "grid/foundation/util/EnumSet.h"

// How fixed cells are shaded and edged.
enum TGridLook : int { glStandard, glSoft, glClassic, glStudio, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };

// The named colour styles of the grid, in the order of TExStyle.
enum TExGridStyle : int {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black
};

// The desktop colour schemes a grid can take its fixed colours from.
enum TXPColorScheme : int { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// The kind of scroll bars the grid shows.
enum TScrollType : int { ssNormal, ssFlat, ssEncarta, ssMetro };

// What ExportNotification is told while rows are written or walked.
enum TGridExportState : int { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };

// Which scroll bars stay visible while all rows or columns fit.
enum TScrollBarAlways : int { saNone, saVert, saHorz, saBoth };

// The kind of a cell's graphic.
enum TCellType : int {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand
};

// Where a cell graphic sits against the cell and its text.
enum TCellVAlign : int { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : int { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

// How a picture is fitted into its cell.
enum TStretchMode : int { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// The proportions of a cell's own scroll bar.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};

// How check boxes, radio buttons and buttons in cells are drawn.
enum TControlStyle : int { csClassic, csFlat, csWinXP, csBorland, csStudio, csGlyph, csTheme };

// The rows that column auto-sizing measures.
enum TAutoSizeRows : int { arAll, arNormal, arFixed };
// Where saved column widths and positions go.
enum TColumnSizeLocation : int { clRegistry, clIniFile };

enum TFilterDropDownColumns : int { fdNormal, fdAll };
enum TInvalidEntryIcon : int { ieNone, ieInfo, ieWarning, ieError };
enum THoverFixedCells : int { hfNone, hfFixedRows, hfFixedColumns, hfAll };
enum THintShowLargeTextPos : int { hpCell, hpCursor };
enum TMouseSelectMode : int { msNormal, msColumn, msRow, msAll, msURL, msResize };
enum TSearchAction : int { saFindFirst, saFindPrevious, saFindNext };

// The directions middle-button panning follows.
enum TIntelliPan : int { ipVertical, ipHorizontal, ipBoth, ipNone };

// Which scroll bars show a hint while their thumb is dragged.
enum TScrollHintType : int { shNone, shVertical, shHorizontal, shBoth };

// The direction of a slim scroll bar.
enum TScrollDirection : int { sdVertical, sdHorizontal };

// The keys a control asks of the window's key routing.
enum : int { DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTCHARS = 0x0080 };
