#pragma once

#include <QtCore/QPointer>
#include <QtCore/QRect>
#include <QtCore/QString>

class QWidget;

// The balloon tip of an edit control: a title, a text and an icon shown in a
// small window under the control (or under an area of it). One balloon is
// shown at a time; it closes on the next key or click, when its control hides,
// or after a while. The last balloon shown is kept for tests.
namespace platform {

enum TBalloonIcon { biNone = 0, biInfo = 1, biWarning = 2, biError = 3 };

struct BalloonRecord {
    QString title;
    QString text;
    int icon = biNone;
    QPointer<QWidget> owner;
    // Where the balloon points to, in global coordinates.
    QPoint anchor;
    // Balloons shown since the program started.
    int count = 0;
};

// Shows the balloon under Area (owner coordinates); an empty area means the
// whole owner.
void ShowBalloonTip(QWidget* owner, const QString& title, const QString& text, int icon, QRect area = QRect());
void HideBalloonTip();
bool BalloonTipVisible();
const BalloonRecord& LastBalloonTip();

}  // namespace platform
