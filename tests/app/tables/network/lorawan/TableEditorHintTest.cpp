// The hints of a table editor's grid in the running window.

#include "tests/app/tables/network/lorawan/LoRaAccessFixture.h"

#include <QtGui/QHelpEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolTip>

namespace {

// The visible tooltip window, nullptr when none shows.
QWidget* ShownTooltip()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    return nullptr;
}

// The window with the tooltip drawn over it where it shows.
void SaveWithTooltip(QWidget& window, QWidget& tooltip, const QString& name)
{
    if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
        return;
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(tooltip.pos()), tooltip.grab());
    painter.end();
    QLabel shot;
    shot.setPixmap(picture);
    shot.resize(picture.size());
    platform::SaveScreenshot(shot, name);
}

} // namespace

TEST_F(LoRaAccess, AHeaderHintShowsSixPixelsBelowTheHeaderAtTheMousesX)
{
    WriteParGen("51", "0");
    Open([&] {
        TExColumnGrid* grid = Up();
        const TRect header = grid->CellRect(2, 0);
        const QPoint at(header.Left + 10, header.Top + 5);
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
        QWidget* tooltip = ShownTooltip();
        ASSERT_NE(tooltip, nullptr);
        EXPECT_EQ(tooltip->pos(), grid->viewport()->mapToGlobal(QPoint(at.x(), header.Bottom + 6)));
        SaveWithTooltip(*editor, *tooltip, QStringLiteral("table_header_hint"));
        QToolTip::hideText();
    });
}
