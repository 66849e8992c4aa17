#pragma once

// The small windows of the grid: the hint window that shows markup and wide
// text, the picture window that follows the mouse during a drag, and the
// button that shows a header caption while a header is moved.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QPointer>
#include <QtGui/QImage>
#include <QtWidgets/QWidget>

class TExStringGrid;

// The font name wide-encoded hints are drawn in; a grid sets it to its own
// font's name when it prepares a cell hint.
QString HTMLHintFontName();
void SetHTMLHintFontName(const QString& Name);

// Where a hint rectangle goes on its monitor: moved left (up) so that it
// ends 2 pixels inside the monitor's right (bottom) edge when it passes it.
TRect FitHintOnMonitor(TRect R, const TRect& Monitor);

// A hint window that never takes the activation: markup drawn by the markup
// renderer, a wide-encoded text decoded on one line.
class THTMLHintWindow : public QWidget, public TObject {
public:
    explicit THTMLHintWindow(QWidget* AOwner);
    ~THTMLHintWindow() override;

    // (0, 0, width, height) of the hint text measured in MaxWidth.
    TRect CalcHintRect(int MaxWidth, const QString& AHint, TObject* AData);
    // Takes the images of a grid given as AData, then shows the hint.
    void ActivateHintData(const TRect& Rect, const QString& AHint, TObject* AData);
    // Sizes the window to the hint at Rect's top-left corner (screen
    // coordinates), keeps it on its monitor and shows it.
    void ActivateHint(const TRect& Rect, const QString& AHint);
    void ReleaseHandle();
    QString Text() const;
    // The text as shown: a wide-encoded text decoded.
    QString Caption() const;
    TColor Color() const;
    void SetColor(TColor Value);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Data;
    std::unique_ptr<Data> d;
    TSize measure(int MaxWidth, const QString& AHint);
};

// A borderless window that shows a picture and never takes the focus or the
// activation: a click on it leaves both where they were.
class TNoActiveForm : public QWidget, public TObject {
public:
    explicit TNoActiveForm(QWidget* AOwner);
    void SetPicture(const QImage& Picture);
    const QImage& Picture() const;
    // The constant opacity the window is drawn with, 0 to 255.
    void SetAlphaBlendValue(int Value);
    int AlphaBlendValue() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_picture;
    int m_alpha = 255;
};

// The button that shows a header's caption at the mouse while a column or
// row header is moved, painted as a fixed cell of its grid.
class THeaderDragButton : public QWidget, public TObject {
public:
    explicit THeaderDragButton(TExStringGrid* AGrid);
    QString Caption() const;
    void SetCaption(const QString& Value);
    bool Flat() const;
    void SetFlat(bool Value);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TExStringGrid* m_grid;
    QString m_caption;
    bool m_flat = false;
};
