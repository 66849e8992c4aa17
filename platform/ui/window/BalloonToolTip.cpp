#include "platform/ui/window/BalloonToolTip.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

namespace platform {

TBalloonToolTip::TBalloonToolTip(QWidget* Owner, QWidget* Area)
    : QFrame(Owner, Qt::ToolTip | Qt::FramelessWindowHint), m_area(Area)
{
    setFrameStyle(QFrame::Box);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    m_iconLabel = new QLabel(this);
    row->addWidget(m_iconLabel, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    m_titleLabel = new QLabel(this);
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    m_titleLabel->setFont(bold);
    m_textLabel = new QLabel(this);
    m_textLabel->setWordWrap(true);
    m_textLabel->setTextFormat(Qt::PlainText);
    texts->addWidget(m_titleLabel);
    texts->addWidget(m_textLabel);
    row->addLayout(texts);
    m_showTimer.setSingleShot(true);
    m_popTimer.setSingleShot(true);
    QObject::connect(&m_showTimer, &QTimer::timeout, this, [this] { ShowAt(m_lastPoint); });
    QObject::connect(&m_popTimer, &QTimer::timeout, this, [this] { Pop(); });
    if (m_area)
        m_area->installEventFilter(this);
}

TBalloonToolTip::~TBalloonToolTip()
{
    if (m_area)
        m_area->removeEventFilter(this);
}

void TBalloonToolTip::SetTitle(const QString& Title, int Icon)
{
    m_title = Title;
    m_icon = Icon >= 0 && Icon <= 3 ? Icon : 0;
}

void TBalloonToolTip::SetMaxTipWidth(int Width)
{
    m_maxWidth = Width;
    m_textLabel->setMaximumWidth(Width > 0 ? Width : QWIDGETSIZE_MAX);
}

void TBalloonToolTip::SetTipColors(TColor Text, TColor Background)
{
    QPalette palette = this->palette();
    if (Text != clNone)
        palette.setColor(QPalette::WindowText, ToQColor(Text));
    if (Background != clNone)
        palette.setColor(QPalette::Window, ToQColor(Background));
    setPalette(palette);
    setAutoFillBackground(Background != clNone);
}

void TBalloonToolTip::ShowAt(const QPoint& AreaPoint)
{
    TBalloonText request{AreaPoint, m_title, QString(), m_icon};
    if (!OnNeedText || !OnNeedText(request) || request.Text.isEmpty()) {
        Pop();
        return;
    }
    SetTitle(request.Title, request.Icon);
    static const QStyle::StandardPixmap pictures[] = {QStyle::SP_CustomBase, QStyle::SP_MessageBoxInformation,
                                                      QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
    m_iconLabel->setVisible(m_icon > 0);
    if (m_icon > 0)
        m_iconLabel->setPixmap(style()->standardIcon(pictures[m_icon]).pixmap(16, 16));
    m_titleLabel->setText(m_title);
    m_titleLabel->setVisible(!m_title.trimmed().isEmpty());
    m_textLabel->setText(request.Text);
    adjustSize();
    move(m_area ? m_area->mapToGlobal(AreaPoint) + QPoint(0, 20) : AreaPoint);
    show();
    if (m_autoPopDelay > 0)
        m_popTimer.start(m_autoPopDelay);
}

void TBalloonToolTip::Pop()
{
    m_showTimer.stop();
    m_popTimer.stop();
    hide();
}

bool TBalloonToolTip::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != m_area)
        return false;
    switch (e->type()) {
    case QEvent::MouseMove:
        m_lastPoint = static_cast<QMouseEvent*>(e)->position().toPoint();
        if (!isVisible())
            m_showTimer.start(m_initialDelay);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Leave:
    case QEvent::Hide:
        Pop();
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
