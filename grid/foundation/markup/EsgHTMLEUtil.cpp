#include "grid/foundation/markup/EsgHTMLEUtil.h"

#include "grid/foundation/util/ExUtilText.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/paint/DrawText.h"

#include <QtCore/QLocale>

QString StripMarkupTags(const QString& Text)
{
    QString text = Text;
    text.replace(QLatin1StringView("<BR>"), QLatin1StringView("\r\n"), Qt::CaseInsensitive);
    text.replace(QLatin1StringView("<HR>"), QLatin1StringView("\r\n"), Qt::CaseInsensitive);
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(u'<', i);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'>', open);
        if (close < 0) {
            out += QStringView(text).sliced(i);
            break;
        }
        out += QStringView(text).sliced(i, open - i);
        i = close + 1;
    }
    return out;
}

int PosIgnoreCase(const QString& Needle, const QString& Text)
{
    if (Needle.isEmpty())
        return 0;
    return int(UpperCase(Text).indexOf(UpperCase(Needle))) + 1;
}

int FindPos(const QString& Needle, const QString& Text, int& Position)
{
    return FindSubstring(Needle, Text, Position);
}

int FindPosUpper(const QString& Needle, const QString& Text, int& Position)
{
    Position = PosInUpperCase(Needle, Text);
    return Position;
}

bool ReplaceFirst(const QString& Old, const QString& New, QString& Text)
{
    const int at = PosIgnoreCase(Old, Text);
    if (at == 0)
        return false;
    Text.replace(at - 1, Old.size(), New);
    return true;
}

bool MarkupMiddleEastLocale()
{
    return QLocale::system().textDirection() == Qt::RightToLeft;
}

unsigned BiDiTextFlags(unsigned Flags, int BiDiMode, bool MiddleEastLocale)
{
    if (!MiddleEastLocale)
        return Flags;
    if (BiDiMode == 1) {
        if (Flags & DT_RIGHT)
            Flags &= ~DT_RIGHT;
        else if (!(Flags & DT_CENTER))
            Flags |= DT_RIGHT;
    }
    if (BiDiMode != 0)
        Flags |= MarkupRtlReadingFlag;
    return Flags;
}

bool MarkupIsWinXP()
{
    return true;
}
