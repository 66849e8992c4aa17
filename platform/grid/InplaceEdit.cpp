#include "platform/grid/InplaceEdit.h"

#include "platform/grid/CustomGrid.h"

#include <QtGui/QKeyEvent>

TInplaceEdit::TInplaceEdit(TCustomGrid* grid) : QLineEdit(grid->viewport()), grid_(grid)
{
    setFrame(false);
    hide();
}

TCustomGrid* TInplaceEdit::Grid() const { return grid_; }
QString TInplaceEdit::EditMask() const { return editMask_; }

void TInplaceEdit::SetEditMask(const QString& mask)
{
    editMask_ = mask;
    setInputMask(platform::InputMaskFromEditMask(mask));
}

int TInplaceEdit::MaxLength() const { return maxLength_; }

void TInplaceEdit::SetMaxLength(int value)
{
    maxLength_ = std::max(0, value);
    setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

bool TInplaceEdit::WantsGridKey(Word Key, TShiftState Shift) const
{
    const bool atStart = cursorPosition() == 0 && !hasSelectedText();
    const bool atEnd = cursorPosition() == text().length() && !hasSelectedText();
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    case VK_TAB:
        return grid_->Options().testFlag(goTabs);
    case VK_LEFT:
        return atStart && !Shift.testFlag(ssShift);
    case VK_RIGHT:
        return atEnd && !Shift.testFlag(ssShift);
    case VK_HOME:
        return Shift.testFlag(ssCtrl) || atStart;
    case VK_END:
        return Shift.testFlag(ssCtrl) || atEnd;
    default:
        return false;
    }
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (WantsGridKey(Key, Shift)) {
        grid_->KeyDown(Key, Shift);
        Key = 0;
    }
}

void TInplaceEdit::KeyPress(QChar& Key)
{
    grid_->KeyPress(Key);
}

bool TInplaceEdit::event(QEvent* e)
{
    // Tab reaches the key handling instead of moving the focus when the grid
    // navigates with it.
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) && grid_->Options().testFlag(goTabs)) {
            keyPressEvent(ke);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* e)
{
    Word key = platform::VirtualKeyFromQt(e->key());
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    if (key != 0) {
        KeyDown(key, shift);
        if (key == 0) {
            e->accept();
            return;
        }
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].unicode() != 0x7F) {
        QChar c = text[0];
        KeyPress(c);
        if (c.isNull() || !isVisible()) {
            e->accept();
            return;
        }
        if (c != text[0]) {
            insert(QString(c));
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

namespace platform {

// Mask characters of the platform's notation and their toolkit counterparts;
// literal characters that the toolkit would read as mask characters are escaped.
QString InputMaskFromEditMask(const QString& mask)
{
    if (mask.isEmpty())
        return QString();
    const QStringList fields = mask.split(QLatin1Char(';'));
    const QString body = fields.value(0);
    const QChar blank = fields.size() > 2 && !fields[2].isEmpty() ? fields[2][0] : QLatin1Char('_');
    static const QString toolkitSpecial = QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\");
    QString out;
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        switch (c.unicode()) {
        case '0': out += QLatin1Char('9'); break;
        case '9': out += QLatin1Char('0'); break;
        case '#': out += QLatin1Char('#'); break;
        case 'L': out += QLatin1Char('A'); break;
        case 'l': out += QLatin1Char('a'); break;
        case 'A': out += QLatin1Char('N'); break;
        case 'a': out += QLatin1Char('n'); break;
        case 'C': out += QLatin1Char('X'); break;
        case 'c': out += QLatin1Char('x'); break;
        case '>': out += QLatin1Char('>'); break;
        case '!': break;  // blank trimming has no counterpart
        case '<':
            if (i + 1 < body.size() && body[i + 1] == QLatin1Char('>')) {
                out += QLatin1Char('!');
                ++i;
            } else {
                out += QLatin1Char('<');
            }
            break;
        case '\\':
            if (i + 1 < body.size()) {
                out += QLatin1Char('\\');
                out += body[++i];
            }
            break;
        default:
            if (toolkitSpecial.contains(c))
                out += QLatin1Char('\\');
            out += c;
        }
    }
    return out + QLatin1Char(';') + blank;
}

}  // namespace platform
