#include "platform/ui/window/BalloonTip.h"

#include <QtCore/QTimer>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

namespace platform {

namespace {

constexpr int BalloonTimeout = 10000;

// The balloon window. It watches the application for the next key or click and
// its owner for hiding, and closes then.
class BalloonWindow : public QFrame {
public:
    BalloonWindow() : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
    {
        setFrameStyle(QFrame::Box);
        setAttribute(Qt::WA_ShowWithoutActivating);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(6, 4, 6, 4);
        icon_ = new QLabel(this);
        row->addWidget(icon_, 0, Qt::AlignTop);
        auto* texts = new QVBoxLayout;
        title_ = new QLabel(this);
        QFont bold = title_->font();
        bold.setBold(true);
        title_->setFont(bold);
        text_ = new QLabel(this);
        text_->setWordWrap(true);
        texts->addWidget(title_);
        texts->addWidget(text_);
        row->addLayout(texts);
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { hide(); });
        qApp->installEventFilter(this);
    }

    void showFor(const BalloonRecord& r)
    {
        if (owner_)
            owner_->removeEventFilter(this);
        owner_ = r.owner;
        if (owner_)
            owner_->installEventFilter(this);
        static const QStyle::StandardPixmap pictures[] = {QStyle::SP_CustomBase, QStyle::SP_MessageBoxInformation,
                                                          QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
        icon_->setVisible(r.icon > biNone && r.icon <= biError);
        if (icon_->isVisible())
            icon_->setPixmap(style()->standardIcon(pictures[r.icon]).pixmap(16, 16));
        title_->setText(r.title);
        title_->setVisible(!r.title.isEmpty());
        text_->setText(r.text);
        adjustSize();
        move(r.anchor);
        show();
        timer_.start(BalloonTimeout);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (!isVisible())
            return false;
        const bool input = e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress;
        const bool ownerGone = watched == owner_ && (e->type() == QEvent::Hide || e->type() == QEvent::Destroy);
        if (input || ownerGone)
            hide();
        return false;
    }

private:
    QLabel* icon_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* text_ = nullptr;
    QPointer<QWidget> owner_;
    QTimer timer_;
};

BalloonRecord& lastBalloon()
{
    static BalloonRecord record;
    return record;
}

QPointer<BalloonWindow>& window()
{
    static QPointer<BalloonWindow> w;
    return w;
}

}  // namespace

void ShowBalloonTip(QWidget* owner, const QString& title, const QString& text, int icon, QRect area)
{
    BalloonRecord& r = lastBalloon();
    const QRect under = area.isNull() && owner ? owner->rect() : area;
    r.title = title;
    r.text = text;
    r.icon = icon;
    r.owner = owner;
    r.anchor = owner ? owner->mapToGlobal(QPoint(under.left() + under.width() / 2, under.bottom() + 1)) : QPoint();
    ++r.count;
    if (!window())
        window() = new BalloonWindow;
    window()->showFor(r);
}

void HideBalloonTip()
{
    if (window())
        window()->hide();
}

bool BalloonTipVisible() { return window() && window()->isVisible(); }

const BalloonRecord& LastBalloonTip() { return lastBalloon(); }

}  // namespace platform
