#pragma once

// The printed layout of a grid: header and footer items and their places,
// fonts, borders, margins and spacing, scaling and orientation. Sizes are in
// 0.1 mm.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>

#include <memory>

class TExStringGrid;
class TFont;
class TStringList;

enum TPrintPosition : int { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders : int {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};
enum TFitToPage : int { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation : int { poPortrait, poLandscape };

class TPrintSettings : public TObject {
public:
    explicit TPrintSettings(TExStringGrid* AOwner);
    ~TPrintSettings() override;
    TPrintSettings(const TPrintSettings&) = delete;
    TPrintSettings& operator=(const TPrintSettings&) = delete;

    int FooterSize() const { return m_values.FooterSize; }
    void SetFooterSize(int Value) { m_values.FooterSize = Value; }
    int HeaderSize() const { return m_values.HeaderSize; }
    void SetHeaderSize(int Value) { m_values.HeaderSize = Value; }
    TPrintPosition Time() const { return m_values.Time; }
    void SetTime(TPrintPosition Value) { m_values.Time = Value; }
    TPrintPosition Date() const { return m_values.Date; }
    void SetDate(TPrintPosition Value) { m_values.Date = Value; }
    QString DateFormat() const { return m_values.DateFormat; }
    void SetDateFormat(const QString& Value) { m_values.DateFormat = Value; }
    TPrintPosition PageNr() const { return m_values.PageNr; }
    void SetPageNr(TPrintPosition Value) { m_values.PageNr = Value; }
    TPrintPosition Title() const { return m_values.Title; }
    void SetTitle(TPrintPosition Value) { m_values.Title = Value; }
    QString TitleText() const { return m_values.TitleText; }
    void SetTitleText(const QString& Value) { m_values.TitleText = Value; }
    TPrintBorders Borders() const { return m_values.Borders; }
    void SetBorders(TPrintBorders Value) { m_values.Borders = Value; }
    TPenStyle BorderStyle() const { return m_values.BorderStyle; }
    void SetBorderStyle(TPenStyle Value) { m_values.BorderStyle = Value; }
    TColor BorderColor() const { return m_values.BorderColor; }
    void SetBorderColor(TColor Value) { m_values.BorderColor = Value; }
    bool Centered() const { return m_values.Centered; }
    void SetCentered(bool Value) { m_values.Centered = Value; }
    bool RepeatFixedRows() const { return m_values.RepeatFixedRows; }
    void SetRepeatFixedRows(bool Value) { m_values.RepeatFixedRows = Value; }
    bool RepeatFixedCols() const { return m_values.RepeatFixedCols; }
    void SetRepeatFixedCols(bool Value) { m_values.RepeatFixedCols = Value; }
    int LeftSize() const { return m_values.LeftSize; }
    void SetLeftSize(int Value) { m_values.LeftSize = Value; }
    int RightSize() const { return m_values.RightSize; }
    void SetRightSize(int Value) { m_values.RightSize = Value; }
    int ColumnSpacing() const { return m_values.ColumnSpacing; }
    void SetColumnSpacing(int Value) { m_values.ColumnSpacing = Value; }
    int RowSpacing() const { return m_values.RowSpacing; }
    void SetRowSpacing(int Value) { m_values.RowSpacing = Value; }
    int TitleSpacing() const { return m_values.TitleSpacing; }
    void SetTitleSpacing(int Value) { m_values.TitleSpacing = Value; }
    TPrinterOrientation Orientation() const { return m_values.Orientation; }
    void SetOrientation(TPrinterOrientation Value) { m_values.Orientation = Value; }
    QString PagePrefix() const { return m_values.PagePrefix; }
    void SetPagePrefix(const QString& Value) { m_values.PagePrefix = Value; }
    QString PageSuffix() const { return m_values.PageSuffix; }
    void SetPageSuffix(const QString& Value) { m_values.PageSuffix = Value; }
    int PageNumberOffset() const { return m_values.PageNumberOffset; }
    void SetPageNumberOffset(int Value) { m_values.PageNumberOffset = Value; }
    int MaxPagesOffset() const { return m_values.MaxPagesOffset; }
    void SetMaxPagesOffset(int Value) { m_values.MaxPagesOffset = Value; }
    int FixedWidth() const { return m_values.FixedWidth; }
    void SetFixedWidth(int Value) { m_values.FixedWidth = Value; }
    int FixedHeight() const { return m_values.FixedHeight; }
    void SetFixedHeight(int Value) { m_values.FixedHeight = Value; }
    bool UseFixedHeight() const { return m_values.UseFixedHeight; }
    void SetUseFixedHeight(bool Value) { m_values.UseFixedHeight = Value; }
    bool UseFixedWidth() const { return m_values.UseFixedWidth; }
    void SetUseFixedWidth(bool Value) { m_values.UseFixedWidth = Value; }
    TFitToPage FitToPage() const { return m_values.FitToPage; }
    void SetFitToPage(TFitToPage Value) { m_values.FitToPage = Value; }
    QString JobName() const { return m_values.JobName; }
    void SetJobName(const QString& Value) { m_values.JobName = Value; }
    QString PageNumSep() const { return m_values.PageNumSep; }
    void SetPageNumSep(const QString& Value) { m_values.PageNumSep = Value; }
    bool NoAutoSize() const { return m_values.NoAutoSize; }
    void SetNoAutoSize(bool Value) { m_values.NoAutoSize = Value; }
    bool NoAutoSizeRow() const { return m_values.NoAutoSizeRow; }
    void SetNoAutoSizeRow(bool Value) { m_values.NoAutoSizeRow = Value; }
    bool PrintGraphics() const { return m_values.PrintGraphics; }
    void SetPrintGraphics(bool Value) { m_values.PrintGraphics = Value; }
    bool UseDisplayFont() const { return m_values.UseDisplayFont; }
    void SetUseDisplayFont(bool Value) { m_values.UseDisplayFont = Value; }
    bool UseDefaultOrientation() const { return m_values.UseDefaultOrientation; }
    void SetUseDefaultOrientation(bool Value) { m_values.UseDefaultOrientation = Value; }
    // Not copied by Assign.
    bool FixedCellsAlways() const { return m_values.FixedCellsAlways; }
    void SetFixedCellsAlways(bool Value) { m_values.FixedCellsAlways = Value; }

    // Owned; the writers copy the given content.
    TStringList* TitleLines() const { return m_titleLines.get(); }
    void SetTitleLines(const TStringList& Value);
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont& Value);
    TFont* FixedFont() const { return m_fixedFont.get(); }
    void SetFixedFont(const TFont& Value);
    TFont* HeaderFont() const { return m_headerFont.get(); }
    void SetHeaderFont(const TFont& Value);
    TFont* FooterFont() const { return m_footerFont.get(); }
    void SetFooterFont(const TFont& Value);

    TExStringGrid* Owner() const { return m_owner; }
    // Copies every setting but FixedCellsAlways, fonts and title lines by
    // content, from other print settings; any other source is ignored.
    void Assign(const TObject* Source);

private:
    // The plain settings.
    struct Values {
        int FooterSize = 0;
        int HeaderSize = 0;
        TPrintPosition Time = ppNone;
        TPrintPosition Date = ppNone;
        QString DateFormat = QStringLiteral("dd/mm/yyyy");
        TPrintPosition PageNr = ppNone;
        TPrintPosition Title = ppNone;
        QString TitleText;
        TPrintBorders Borders = pbSingle;
        TPenStyle BorderStyle = psSolid;
        TColor BorderColor = clBlack;
        bool Centered = true;
        bool RepeatFixedRows = false;
        bool RepeatFixedCols = false;
        int LeftSize = 0;
        int RightSize = 0;
        int ColumnSpacing = 0;
        int RowSpacing = 0;
        int TitleSpacing = 0;
        TPrinterOrientation Orientation = poPortrait;
        QString PagePrefix;
        QString PageSuffix;
        int PageNumberOffset = 0;
        int MaxPagesOffset = 0;
        int FixedWidth = 0;
        int FixedHeight = 0;
        bool UseFixedHeight = false;
        bool UseFixedWidth = false;
        TFitToPage FitToPage = fpNever;
        QString JobName;
        QString PageNumSep = QStringLiteral("/");
        bool NoAutoSize = false;
        bool NoAutoSizeRow = false;
        bool PrintGraphics = false;
        bool UseDisplayFont = true;
        bool UseDefaultOrientation = false;
        // Not copied by Assign.
        bool FixedCellsAlways = false;
    };
    TExStringGrid* m_owner;
    Values m_values;
    std::unique_ptr<TStringList> m_titleLines;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TFont> m_fixedFont;
    std::unique_ptr<TFont> m_headerFont;
    std::unique_ptr<TFont> m_footerFont;
};
