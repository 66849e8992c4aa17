#pragma once

// The balloon tooltip of a control: a small window with a title, an icon and
// a text that the control gives anew at each showing. It shows after the
// mouse rested on the control's area for the initial delay, closes (pops) on
// a press, when the mouse leaves, after the auto-pop delay or when asked.

#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>
#include <QtCore/QTimer>
#include <QtWidgets/QFrame>

#include <functional>

class QLabel;

namespace platform {

// What the control answers for one showing; Point is in the area's
// coordinates. Answering false shows nothing.
struct TBalloonText {
    QPoint Point;
    QString Title;
    QString Text;
    int Icon = 0;
};

class TBalloonToolTip : public QFrame {
public:
    // Owner keeps the window; Area is where the mouse shows it.
    TBalloonToolTip(QWidget* Owner, QWidget* Area);
    ~TBalloonToolTip() override;

    // The title and its icon (0 none, 1 information, 2 warning, 3 error; any
    // other number counts as 0).
    void SetTitle(const QString& Title, int Icon);
    QString Title() const { return m_title; }
    int Icon() const { return m_icon; }
    // Delays in milliseconds.
    void SetInitialDelay(int Ms) { m_initialDelay = Ms; }
    void SetReshowDelay(int Ms) { m_reshowDelay = Ms; }
    void SetAutoPopDelay(int Ms) { m_autoPopDelay = Ms; }
    int InitialDelay() const { return m_initialDelay; }
    int ReshowDelay() const { return m_reshowDelay; }
    int AutoPopDelay() const { return m_autoPopDelay; }
    void SetMaxTipWidth(int Width);
    int MaxTipWidth() const { return m_maxWidth; }
    // clNone keeps the platform's colour.
    void SetTipColors(TColor Text, TColor Background);

    // Asks for the text at the area point and shows the balloon there.
    void ShowAt(const QPoint& AreaPoint);
    // Closes the balloon.
    void Pop();

    std::function<bool(TBalloonText& Request)> OnNeedText;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* m_area;
    QLabel* m_iconLabel;
    QLabel* m_titleLabel;
    QLabel* m_textLabel;
    QTimer m_showTimer;
    QTimer m_popTimer;
    QPoint m_lastPoint;
    QString m_title;
    int m_icon = 0;
    int m_initialDelay = 500;
    int m_reshowDelay = 100;
    int m_autoPopDelay = 5000;
    int m_maxWidth = -1;
};

} // namespace platform
