#pragma once

// Settings of the grid's data services that the grid creates with itself:
// grouping, sorting, drag and drop, and the filter drop-down list. The
// services read them; here they hold their values and copy themselves.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>

#include <functional>
#include <memory>
#include <vector>

class TBitmap;
class TExStringGrid;
class TFont;
class TIntList;

// Header and summary rows of a grouped grid.
class TGrouping : public TObject {
public:
    bool AutoSelectGroup() const { return m_autoSelectGroup; }
    void SetAutoSelectGroup(bool Value) { m_autoSelectGroup = Value; }
    bool AutoCheckGroup() const { return m_autoCheckGroup; }
    void SetAutoCheckGroup(bool Value) { m_autoCheckGroup = Value; }
    QString GroupCountFormat() const { return m_groupCountFormat; }
    void SetGroupCountFormat(const QString& Value) { m_groupCountFormat = Value; }
    TColor HeaderColor() const { return m_headerColor; }
    void SetHeaderColor(TColor Value) { m_headerColor = Value; }
    TColor HeaderColorTo() const { return m_headerColorTo; }
    void SetHeaderColorTo(TColor Value) { m_headerColorTo = Value; }
    TColor HeaderTextColor() const { return m_headerTextColor; }
    void SetHeaderTextColor(TColor Value) { m_headerTextColor = Value; }
    bool HeaderUnderline() const { return m_headerUnderline; }
    void SetHeaderUnderline(bool Value) { m_headerUnderline = Value; }
    TColor HeaderLineColor() const { return m_headerLineColor; }
    void SetHeaderLineColor(TColor Value) { m_headerLineColor = Value; }
    int HeaderLineWidth() const { return m_headerLineWidth; }
    void SetHeaderLineWidth(int Value) { m_headerLineWidth = Value; }
    bool MergeHeader() const { return m_mergeHeader; }
    void SetMergeHeader(bool Value) { m_mergeHeader = Value; }
    bool MergeSummary() const { return m_mergeSummary; }
    void SetMergeSummary(bool Value) { m_mergeSummary = Value; }
    bool ShowGroupCount() const { return m_showGroupCount; }
    void SetShowGroupCount(bool Value) { m_showGroupCount = Value; }
    bool Summary() const { return m_summary; }
    void SetSummary(bool Value) { m_summary = Value; }
    TColor SummaryColor() const { return m_summaryColor; }
    void SetSummaryColor(TColor Value) { m_summaryColor = Value; }
    TColor SummaryColorTo() const { return m_summaryColorTo; }
    void SetSummaryColorTo(TColor Value) { m_summaryColorTo = Value; }
    TColor SummaryTextColor() const { return m_summaryTextColor; }
    void SetSummaryTextColor(TColor Value) { m_summaryTextColor = Value; }
    bool SummaryLine() const { return m_summaryLine; }
    void SetSummaryLine(bool Value) { m_summaryLine = Value; }
    TColor SummaryLineColor() const { return m_summaryLineColor; }
    void SetSummaryLineColor(TColor Value) { m_summaryLineColor = Value; }
    int SummaryLineWidth() const { return m_summaryLineWidth; }
    void SetSummaryLineWidth(int Value) { m_summaryLineWidth = Value; }

    // Copies from another TGrouping all but Summary and the line colours and
    // widths; any other source is ignored.
    void Assign(const TObject* Source);

private:
    bool m_autoSelectGroup = false;
    bool m_autoCheckGroup = false;
    QString m_groupCountFormat;
    TColor m_headerColor = clNone;
    TColor m_headerColorTo = clNone;
    TColor m_headerTextColor = clNone;
    bool m_headerUnderline = false;
    TColor m_headerLineColor = clBlue;
    int m_headerLineWidth = 2;
    bool m_mergeHeader = false;
    bool m_mergeSummary = false;
    bool m_showGroupCount = false;
    bool m_summary = false;
    TColor m_summaryColor = clNone;
    TColor m_summaryColorTo = clNone;
    TColor m_summaryTextColor = clNone;
    bool m_summaryLine = false;
    TColor m_summaryLineColor = clBlue;
    int m_summaryLineWidth = 2;
};

enum TIndexSortKey : int { ikShift, ikCtrl };
enum TSortBlankPosition : int { blFirst, blLast };
enum TSortDirection : int { sdAscending, sdDescending };

// How header clicks sort the grid and how the sorted column is marked.
class TSortSettings : public TObject {
public:
    explicit TSortSettings(TExStringGrid* AOwner);
    ~TSortSettings() override;
    TSortSettings(const TSortSettings&) = delete;
    TSortSettings& operator=(const TSortSettings&) = delete;

    TExStringGrid* Owner() const { return m_owner; }
    bool AutoSortForGrouping() const { return m_autoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { m_autoSortForGrouping = Value; }
    bool AutoColumnMerge() const { return m_autoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { m_autoColumnMerge = Value; }
    int Column() const { return m_column; }
    void SetColumn(int Value) { m_column = Value; }
    bool Show() const { return m_show; }
    // Repaints the grid when the value changes.
    void SetShow(bool Value);
    bool IndexShow() const { return m_indexShow; }
    void SetIndexShow(bool Value) { m_indexShow = Value; }
    TColor IndexColor() const { return m_indexColor; }
    void SetIndexColor(TColor Value) { m_indexColor = Value; }
    TIndexSortKey IndexSortKey() const { return m_indexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { m_indexSortKey = Value; }
    bool Full() const { return m_full; }
    void SetFull(bool Value) { m_full = Value; }
    bool SingleColumn() const { return m_singleColumn; }
    void SetSingleColumn(bool Value) { m_singleColumn = Value; }
    bool IgnoreBlanks() const { return m_ignoreBlanks; }
    void SetIgnoreBlanks(bool Value) { m_ignoreBlanks = Value; }
    TSortBlankPosition BlankPos() const { return m_blankPos; }
    void SetBlankPos(TSortBlankPosition Value) { m_blankPos = Value; }
    bool AutoFormat() const { return m_autoFormat; }
    void SetAutoFormat(bool Value) { m_autoFormat = Value; }
    TSortDirection Direction() const { return m_direction; }
    void SetDirection(TSortDirection Value) { m_direction = Value; }
    bool IgnoreCase() const { return m_ignoreCase; }
    void SetIgnoreCase(bool Value) { m_ignoreCase = Value; }
    TSortDirection InitSortDirection() const { return m_initSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { m_initSortDirection = Value; }
    bool FixedCols() const { return m_fixedCols; }
    void SetFixedCols(bool Value) { m_fixedCols = Value; }
    bool NormalCellsOnly() const { return m_normalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { m_normalCellsOnly = Value; }
    int Row() const { return m_row; }
    // A row beyond the grid's fixed rows raises Exception.
    void SetRow(int Value);
    bool UndoSort() const { return m_undoSort; }
    void SetUndoSort(bool Value) { m_undoSort = Value; }
    bool SortOnVirtualCells() const { return m_sortOnVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { m_sortOnVirtualCells = Value; }
    // Writing a different colour repaints the last fixed row.
    TColor HeaderColor() const { return m_headerColor; }
    void SetHeaderColor(TColor Value) { setHeaderColor(m_headerColor, Value); }
    TColor HeaderColorTo() const { return m_headerColorTo; }
    void SetHeaderColorTo(TColor Value) { setHeaderColor(m_headerColorTo, Value); }
    TColor HeaderMirrorColor() const { return m_headerMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { setHeaderColor(m_headerMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return m_headerMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { setHeaderColor(m_headerMirrorColorTo, Value); }
    // Owned pictures; the writers copy the given ones.
    TBitmap* UpGlyph() const { return m_upGlyph.get(); }
    void SetUpGlyph(const TBitmap* Value);
    TBitmap* DownGlyph() const { return m_downGlyph.get(); }
    void SetDownGlyph(const TBitmap* Value);
    TBitmap* IndexUpGlyph() const { return m_indexUpGlyph.get(); }
    void SetIndexUpGlyph(const TBitmap* Value);
    TBitmap* IndexDownGlyph() const { return m_indexDownGlyph.get(); }
    void SetIndexDownGlyph(const TBitmap* Value);

    // Copies every setting but IgnoreCase and SortOnVirtualCells, the
    // pictures by copy, from another TSortSettings; any other source is
    // ignored.
    void Assign(const TObject* Source);

    // The sort state as text: "u3" or "d3" (column 3 up or down), or with
    // IndexShow "i;" and the index list ("i;u1;d4"). Loading sets Show and
    // sorts; a one-character text raises Exception, a column that is no
    // number sorts nothing.
    QString SaveToString() const;
    void LoadFromString(const QString& Value);
    // No sorted column and no index list; the header row repaints.
    void Remove();
    void ToggleDirection();

private:
    void setHeaderColor(TColor& field, TColor value);
    TExStringGrid* m_owner;
    bool m_autoSortForGrouping = true;
    bool m_autoColumnMerge = false;
    int m_column = -1;
    bool m_show = false;
    bool m_indexShow = false;
    TColor m_indexColor = clYellow;
    TIndexSortKey m_indexSortKey = ikShift;
    bool m_full = true;
    bool m_singleColumn = false;
    bool m_ignoreBlanks = false;
    TSortBlankPosition m_blankPos = blFirst;
    bool m_autoFormat = true;
    TSortDirection m_direction = sdAscending;
    bool m_ignoreCase = false;
    TSortDirection m_initSortDirection = sdAscending;
    bool m_fixedCols = false;
    bool m_normalCellsOnly = false;
    int m_row = 0;
    bool m_undoSort = false;
    bool m_sortOnVirtualCells = true;
    TColor m_headerColor = clNone;
    TColor m_headerColorTo = clNone;
    TColor m_headerMirrorColor = clNone;
    TColor m_headerMirrorColorTo = clNone;
    std::unique_ptr<TBitmap> m_upGlyph;
    std::unique_ptr<TBitmap> m_downGlyph;
    std::unique_ptr<TBitmap> m_indexUpGlyph;
    std::unique_ptr<TBitmap> m_indexDownGlyph;
};

// What the grid accepts from and offers to drag and drop with other programs.
// The drop target and source themselves come with drag and drop.
class TDragDropSettings : public TObject {
public:
    explicit TDragDropSettings(TExStringGrid* AOwner) : m_owner(AOwner) {}

    TExStringGrid* Owner() const { return m_owner; }
    bool OleDropTarget() const { return m_oleDropTarget; }
    void SetOleDropTarget(bool Value) { m_oleDropTarget = Value; }
    bool OleDropSource() const { return m_oleDropSource; }
    void SetOleDropSource(bool Value) { m_oleDropSource = Value; }
    bool OleAcceptText() const { return m_oleAcceptText; }
    void SetOleAcceptText(bool Value) { m_oleAcceptText = Value; }
    bool OleAcceptFiles() const { return m_oleAcceptFiles; }
    void SetOleAcceptFiles(bool Value) { m_oleAcceptFiles = Value; }
    bool OleAcceptURLs() const { return m_oleAcceptURLs; }
    void SetOleAcceptURLs(bool Value) { m_oleAcceptURLs = Value; }
    bool OleDropRTF() const { return m_oleDropRTF; }
    void SetOleDropRTF(bool Value) { m_oleDropRTF = Value; }
    bool OleEntireRows() const { return m_oleEntireRows; }
    void SetOleEntireRows(bool Value) { m_oleEntireRows = Value; }
    bool OleAppendRows() const { return m_oleAppendRows; }
    void SetOleAppendRows(bool Value) { m_oleAppendRows = Value; }
    bool OleInsertRows() const { return m_oleInsertRows; }
    void SetOleInsertRows(bool Value) { m_oleInsertRows = Value; }
    bool OleRemoveRows() const { return m_oleRemoveRows; }
    void SetOleRemoveRows(bool Value) { m_oleRemoveRows = Value; }
    bool OleCopyAlways() const { return m_oleCopyAlways; }
    void SetOleCopyAlways(bool Value) { m_oleCopyAlways = Value; }
    bool OleColumnDragDrop() const { return m_oleColumnDragDrop; }
    void SetOleColumnDragDrop(bool Value) { m_oleColumnDragDrop = Value; }
    bool OleColumnReorder() const { return m_oleColumnReorder; }
    void SetOleColumnReorder(bool Value) { m_oleColumnReorder = Value; }
    bool OleColumnsOnly() const { return m_oleColumnsOnly; }
    void SetOleColumnsOnly(bool Value) { m_oleColumnsOnly = Value; }
    bool ShowCells() const { return m_showCells; }
    void SetShowCells(bool Value) { m_showCells = Value; }

    // Copies all fifteen settings from another TDragDropSettings; any other
    // source is ignored.
    void Assign(const TObject* Source);

private:
    TExStringGrid* m_owner;
    bool m_oleDropTarget = false;
    bool m_oleDropSource = false;
    bool m_oleAcceptText = true;
    bool m_oleAcceptFiles = true;
    bool m_oleAcceptURLs = true;
    bool m_oleDropRTF = false;
    bool m_oleEntireRows = false;
    bool m_oleAppendRows = false;
    bool m_oleInsertRows = false;
    bool m_oleRemoveRows = false;
    bool m_oleCopyAlways = false;
    bool m_oleColumnDragDrop = false;
    bool m_oleColumnReorder = false;
    bool m_oleColumnsOnly = false;
    bool m_showCells = true;
};

// The look and size of a column's filter drop-down list. A change of either
// picture raises OnChange; the other writers take effect at the next opening.
class TFilterDropDown : public TObject {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;
    TFilterDropDown(const TFilterDropDown&) = delete;
    TFilterDropDown& operator=(const TFilterDropDown&) = delete;

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value) { m_autoSize = Value; }
    int Height() const { return m_height; }
    void SetHeight(int Value) { m_height = Value; }
    int Width() const { return m_width; }
    void SetWidth(int Value) { m_width = Value; }
    TColor Color() const { return m_color; }
    void SetColor(TColor Value) { m_color = Value; }
    bool ColumnWidth() const { return m_columnWidth; }
    void SetColumnWidth(bool Value) { m_columnWidth = Value; }
    // Owned; the writers copy the given font or picture.
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont& Value);
    TBitmap* Glyph() const { return m_glyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TBitmap* GlyphActive() const { return m_glyphActive.get(); }
    void SetGlyphActive(const TBitmap* Value);

    // Copies every setting from another TFilterDropDown; any other source is
    // ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    void changed();
    bool m_autoSize = false;
    int m_height = 150;
    int m_width = 150;
    TColor m_color = clWindow;
    bool m_columnWidth = false;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TBitmap> m_glyph;
    std::unique_ptr<TBitmap> m_glyphActive;
};

// How the grid writes itself as an HTML table.
class THTMLSettings : public TObject {
public:
    THTMLSettings();
    ~THTMLSettings() override;
    THTMLSettings(const THTMLSettings&) = delete;
    THTMLSettings& operator=(const THTMLSettings&) = delete;

    bool AutoPreview() const { return m_autoPreview; }
    void SetAutoPreview(bool Value) { m_autoPreview = Value; }
    int BorderSize() const { return m_borderSize; }
    void SetBorderSize(int Value) { m_borderSize = Value; }
    int CellSpacing() const { return m_cellSpacing; }
    void SetCellSpacing(int Value) { m_cellSpacing = Value; }
    int CellPadding() const { return m_cellPadding; }
    void SetCellPadding(int Value) { m_cellPadding = Value; }
    // Optional widths of the columns, kept by the settings.
    TIntList* ColWidths() const { return m_colWidths.get(); }
    bool ConvertSpecialChars() const { return m_convertSpecialChars; }
    void SetConvertSpecialChars(bool Value) { m_convertSpecialChars = Value; }
    bool ExportImages() const { return m_exportImages; }
    void SetExportImages(bool Value) { m_exportImages = Value; }
    QString FooterFile() const { return m_footerFile; }
    void SetFooterFile(const QString& Value) { m_footerFile = Value; }
    QString HeaderFile() const { return m_headerFile; }
    void SetHeaderFile(const QString& Value) { m_headerFile = Value; }
    bool NonBreakingText() const { return m_nonBreakingText; }
    void SetNonBreakingText(bool Value) { m_nonBreakingText = Value; }
    QString PrefixTag() const { return m_prefixTag; }
    void SetPrefixTag(const QString& Value) { m_prefixTag = Value; }
    bool SaveColor() const { return m_saveColor; }
    void SetSaveColor(bool Value) { m_saveColor = Value; }
    bool SaveFonts() const { return m_saveFonts; }
    void SetSaveFonts(bool Value) { m_saveFonts = Value; }
    QString SuffixTag() const { return m_suffixTag; }
    void SetSuffixTag(const QString& Value) { m_suffixTag = Value; }
    QString Summary() const { return m_summary; }
    void SetSummary(const QString& Value) { m_summary = Value; }
    QString TableStyle() const { return m_tableStyle; }
    void SetTableStyle(const QString& Value) { m_tableStyle = Value; }
    int Width() const { return m_width; }
    void SetWidth(int Value) { m_width = Value; }
    bool XHTML() const { return m_xhtml; }
    void SetXHTML(bool Value) { m_xhtml = Value; }

    // Copies every setting but ExportImages and ColWidths from other HTML
    // settings; any other source is ignored.
    void Assign(const TObject* Source);

private:
    bool m_autoPreview = false;
    int m_borderSize = 1;
    int m_cellSpacing = 0;
    int m_cellPadding = 0;
    std::unique_ptr<TIntList> m_colWidths;
    bool m_convertSpecialChars = false;
    bool m_exportImages = true;
    QString m_footerFile;
    QString m_headerFile;
    bool m_nonBreakingText = false;
    QString m_prefixTag;
    bool m_saveColor = true;
    bool m_saveFonts = true;
    QString m_suffixTag;
    QString m_summary;
    QString m_tableStyle;
    int m_width = 100;
    bool m_xhtml = false;
};

enum TFilterCells : int { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation : int { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod : int { fmExpression, fmLiteral };

// One filter condition on a real column.
class TFilterData : public TObject {
public:
    int Column() const { return m_column; }
    void SetColumn(int Value) { m_column = Value; }
    QString Condition() const { return m_condition; }
    void SetCondition(const QString& Value) { m_condition = Value; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool Value) { m_caseSensitive = Value; }
    TFilterCells Data() const { return m_data; }
    void SetData(TFilterCells Value) { m_data = Value; }
    QString Prefix() const { return m_prefix; }
    void SetPrefix(const QString& Value) { m_prefix = Value; }
    QString Suffix() const { return m_suffix; }
    void SetSuffix(const QString& Value) { m_suffix = Value; }
    TFilterOperation Operation() const { return m_operation; }
    void SetOperation(TFilterOperation Value) { m_operation = Value; }
    TFilterMethod Method() const { return m_method; }
    void SetMethod(TFilterMethod Value) { m_method = Value; }

    // Copies all eight settings; a null source changes nothing.
    void Assign(const TFilterData* Source);

private:
    int m_column = 0;
    QString m_condition;
    bool m_caseSensitive = true;
    TFilterCells m_data = fcVirtual;
    QString m_prefix;
    QString m_suffix;
    TFilterOperation m_operation = foSHORT;
    TFilterMethod m_method = fmExpression;
};

// The grid's filter conditions, in the order they join.
class TFilter : public TObject {
public:
    explicit TFilter(TExStringGrid* AOwner);
    ~TFilter() override;
    TFilter(const TFilter&) = delete;
    TFilter& operator=(const TFilter&) = delete;

    TExStringGrid* Owner() const { return m_owner; }
    int Count() const;
    // Appends a condition joined with AND, or with none when it is the first.
    TFilterData* Add();
    // Appends a condition whose joining is left unset; Index is not used.
    TFilterData* Insert(int Index);
    TFilterData* Items(int Index) const;
    // Copies the given condition into the one at Index.
    void SetItems(int Index, const TFilterData* Value);
    void Delete(int Index);
    void Clear();
    // The first condition on the column, added when there is none.
    TFilterData* ColumnFilter(int Col);
    // Deletes every condition on the column and repaints its header cell.
    void RemoveColumnFilter(int Col);
    bool HasFilter(int Col) const;

    // Copies the conditions of another TFilter; any other source is ignored.
    void Assign(const TObject* Source);

private:
    TExStringGrid* m_owner;
    std::vector<std::unique_ptr<TFilterData>> m_items;
};
