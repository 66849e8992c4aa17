#pragma once

// The appearance settings a grid owns: its background, the look of progress
// bars in cells, balloon hints and the mark of modified rows. Each reports a
// change through its callback, which the grid connects to a repaint.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <functional>
#include <memory>

class TBitmap;

enum TBackGroundDisplay : int { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : int { bcNormal, bcFixed, bcAll };

// A picture or gradient behind the cells. Every writer repaints.
class TBackGround : public TObject {
public:
    TBackGround();
    ~TBackGround() override;
    TBackGround(const TBackGround&) = delete;
    TBackGround& operator=(const TBackGround&) = delete;

    int Top() const { return m_top; }
    void SetTop(int Value);
    int Left() const { return m_left; }
    void SetLeft(int Value);
    TBackGroundDisplay Display() const { return m_display; }
    void SetDisplay(TBackGroundDisplay Value);
    // The owned picture; the writer copies the given one.
    TBitmap* Bitmap() const { return m_bitmap.get(); }
    void SetBitmap(const TBitmap* Value);
    TBackGroundCells Cells() const { return m_cells; }
    void SetCells(TBackGroundCells Value);
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor Value);

    // Copies every setting from another TBackGround; any other source is
    // ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    void changed();
    int m_top = 0;
    int m_left = 0;
    TBackGroundDisplay m_display = bdTile;
    std::unique_ptr<TBitmap> m_bitmap;
    TBackGroundCells m_cells = bcNormal;
    TColor m_color = clWindow;
    TColor m_colorTo = clBtnFace;
};

enum TProgressStyle : int { psXP, psClassic };

// The colours and options of progress bars in cells. A writer reports only a
// change of value.
class TGridProgressAppearance : public TObject {
public:
    TColor CompleteColor() const { return m_completeColor; }
    void SetCompleteColor(TColor Value) { set(m_completeColor, Value); }
    TColor CompleteFontColor() const { return m_completeFontColor; }
    void SetCompleteFontColor(TColor Value) { set(m_completeFontColor, Value); }
    TColor UnCompleteColor() const { return m_unCompleteColor; }
    void SetUnCompleteColor(TColor Value) { set(m_unCompleteColor, Value); }
    TColor UnCompleteFontColor() const { return m_unCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value) { set(m_unCompleteFontColor, Value); }
    TColor Level0Color() const { return m_level0Color; }
    void SetLevel0Color(TColor Value) { set(m_level0Color, Value); }
    TColor Level0ColorTo() const { return m_level0ColorTo; }
    void SetLevel0ColorTo(TColor Value) { set(m_level0ColorTo, Value); }
    TColor Level1Color() const { return m_level1Color; }
    void SetLevel1Color(TColor Value) { set(m_level1Color, Value); }
    TColor Level1ColorTo() const { return m_level1ColorTo; }
    void SetLevel1ColorTo(TColor Value) { set(m_level1ColorTo, Value); }
    TColor Level2Color() const { return m_level2Color; }
    void SetLevel2Color(TColor Value) { set(m_level2Color, Value); }
    TColor Level2ColorTo() const { return m_level2ColorTo; }
    void SetLevel2ColorTo(TColor Value) { set(m_level2ColorTo, Value); }
    TColor Level3Color() const { return m_level3Color; }
    void SetLevel3Color(TColor Value) { set(m_level3Color, Value); }
    TColor Level3ColorTo() const { return m_level3ColorTo; }
    void SetLevel3ColorTo(TColor Value) { set(m_level3ColorTo, Value); }
    int Level1Perc() const { return m_level1Perc; }
    void SetLevel1Perc(int Value) { set(m_level1Perc, Value); }
    int Level2Perc() const { return m_level2Perc; }
    void SetLevel2Perc(int Value) { set(m_level2Perc, Value); }
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value) { set(m_borderColor, Value); }
    bool ShowBorder() const { return m_showBorder; }
    void SetShowBorder(bool Value) { set(m_showBorder, Value); }
    bool Stacked() const { return m_stacked; }
    void SetStacked(bool Value) { set(m_stacked, Value); }
    bool ShowPercentage() const { return m_showPercentage; }
    void SetShowPercentage(bool Value) { set(m_showPercentage, Value); }
    bool CompletionSmooth() const { return m_completionSmooth; }
    void SetCompletionSmooth(bool Value) { set(m_completionSmooth, Value); }
    bool ShowGradient() const { return m_showGradient; }
    void SetShowGradient(bool Value) { set(m_showGradient, Value); }
    int Steps() const { return m_steps; }
    void SetSteps(int Value) { set(m_steps, Value); }
    TProgressStyle Style() const { return m_style; }
    void SetStyle(TProgressStyle Value) { set(m_style, Value); }

    // Copies every setting, the style included, from another appearance and
    // reports one change; any other source is ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    template <typename T>
    void set(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange(this);
    }
    TColor m_completeColor = clRed;
    TColor m_completeFontColor = clBlue;
    TColor m_unCompleteColor = clNone;
    TColor m_unCompleteFontColor = clWindowText;
    TColor m_level0Color = clLime;
    TColor m_level0ColorTo = TColor(14811105);
    TColor m_level1Color = clYellow;
    TColor m_level1ColorTo = TColor(13303807);
    TColor m_level2Color = TColor(5483007);
    TColor m_level2ColorTo = TColor(11064319);
    TColor m_level3Color = clRed;
    TColor m_level3ColorTo = TColor(13290239);
    int m_level1Perc = 70;
    int m_level2Perc = 90;
    TColor m_borderColor = clBlack;
    bool m_showBorder = false;
    bool m_stacked = false;
    bool m_showPercentage = true;
    bool m_completionSmooth = true;
    bool m_showGradient = true;
    int m_steps = 11;
    TProgressStyle m_style = psXP;
};

// Balloon hints of cells. Delays of -1 take the platform's own.
class TBalloonSettings : public TObject {
public:
    int AutoHideDelay() const { return m_autoHideDelay; }
    void SetAutoHideDelay(int Value) { m_autoHideDelay = Value; }
    int InitialDelay() const { return m_initialDelay; }
    void SetInitialDelay(int Value) { m_initialDelay = Value; }
    int ReshowDelay() const { return m_reshowDelay; }
    void SetReshowDelay(int Value) { m_reshowDelay = Value; }
    TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(TColor Value) { m_backgroundColor = Value; }
    TColor TextColor() const { return m_textColor; }
    void SetTextColor(TColor Value) { m_textColor = Value; }
    int Transparency() const { return m_transparency; }
    void SetTransparency(int Value) { m_transparency = Value; }
    bool Enable() const { return m_enable; }
    // Stores the flag and tells the grid, which sets its balloons up or
    // removes them.
    void SetEnable(bool Value);

    // Copies everything but Transparency from other balloon settings, the
    // enable flag without telling the grid; any other source is ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnEnableChange;

private:
    int m_autoHideDelay = -1;
    int m_initialDelay = -1;
    int m_reshowDelay = -1;
    TColor m_backgroundColor = clNone;
    TColor m_textColor = clNone;
    int m_transparency = 0;
    bool m_enable = false;
};

// The mark of modified rows in the first column.
class TShowModified : public TObject {
public:
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value) { m_enabled = Value; }
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);

    // Copies Color and Enabled from another TShowModified; any other source
    // is ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    bool m_enabled = false;
    TColor m_color = clYellow;
};
