#include "grid/foundation/util/ExUtilClipboard.h"

#include "grid/foundation/util/ExUtilCase.h"
#include "platform/core/CodePages.h"
#include "platform/core/Format.h"

namespace {

constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';
constexpr QChar VerticalTab = QChar(11);

const QString DocType = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
const QString DocumentOpening =
    QStringLiteral("<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head>"
                   "<body><!--StartFragment-->");
const QString DocumentClosing = QStringLiteral("<!--EndFragment--></body></html>");
constexpr int HeaderLength = 97;

QString headerLine(const char* label, int offset)
{
    return Format(QStringLiteral("%s%.8d"), {label, offset}) + QStringLiteral("\r\n");
}

} // namespace

void BuildClipboardHtml(QString& Html)
{
    const int fragmentStart = HeaderLength + DocType.size() + DocumentOpening.size();
    const int fragmentEnd = fragmentStart + Html.size();
    const int documentEnd = fragmentEnd + DocumentClosing.size();
    const QString header = QStringLiteral("Version:1.0\r\n") + headerLine("StartHTML:", HeaderLength)
                           + headerLine("EndHTML:", documentEnd) + headerLine("StartFragment:", fragmentStart)
                           + headerLine("EndFragment:", fragmentEnd);
    Html = header + DocType + DocumentOpening + Html + DocumentClosing;
}

QString LineBreaksToEscapes(const QString& Text)
{
    QString result;
    for (QChar c : Text) {
        if (c == CR)
            result += QStringLiteral("\\n");
        else if (c != LF)
            result += c;
    }
    return result;
}

QString EscapesToLineBreaks(const QString& Text)
{
    QString result(Text);
    return result.replace(QStringLiteral("\\n"), QString(CR));
}

void QuoteCellForExport(QString& Text)
{
    Text.replace(QStringLiteral("\r\n"), QString(VerticalTab));
    Text = u'"' + Text + u'"';
}

void VerticalTabsToCrLf(QString& Text)
{
    if (Text.contains(VerticalTab))
        Text.replace(VerticalTab, QStringLiteral("\r\n"));
}

void CrToTilde(QString& Text)
{
    Text.remove(LF);
    Text.replace(CR, u'~');
}

void TildeToCrLf(QString& Text)
{
    if (Text == QStringLiteral("^"))
        Text.clear();
    else
        Text.replace(u'~', QStringLiteral("\r\n"));
}

QString EncodeBreaksForFile(const QString& Text)
{
    if (!Text.contains(CR))
        return Text;
    QString result(Text);
    for (QChar& c : result) {
        if (c == CR)
            c = QChar(9);
        else if (c == LF)
            c = QChar(8);
        else if (c.unicode() == 0)
            c = QChar(1);
    }
    return result;
}

QString DecodeBreaksFromFile(const QString& Text, bool MultiLine)
{
    QString result(Text);
    if (result.contains(QChar(8))) {
        for (QChar& c : result) {
            if (c.unicode() == 9)
                c = CR;
            else if (c.unicode() == 8)
                c = LF;
            else if (c.unicode() == 1)
                c = QChar(0);
        }
    }
    if (MultiLine)
        return result;
    return TakeFirstLine(result, false);
}

QString LineBreaksToHtml(const QString& Text)
{
    QString result(Text);
    return result.replace(CR, QStringLiteral("<br>"));
}

QString SpacesToNbsp(const QString& Text)
{
    QString result(Text);
    return result.replace(u' ', QStringLiteral("&nbsp;"));
}

QString TakeFirstLine(QString& Source, bool KeepRest)
{
    const int cr = Source.indexOf(CR);
    if (cr < 0) {
        QString line = Source;
        Source.clear();
        return line;
    }
    const QString line = Source.left(cr);
    const int restStart = cr + 1 < Source.size() && Source[cr + 1] == LF ? cr + 2 : cr + 1;
    if (KeepRest)
        Source.remove(0, restStart);
    else
        Source.clear();
    return line;
}

int CountTextLines(const QString& Text, bool MultiLine)
{
    return MultiLine ? 1 + static_cast<int>(Text.count(CR)) : 1;
}

void CrLfToLf(QString& Text)
{
    Text.replace(QStringLiteral("\r\n"), QString(LF));
}

QString RemoveCarriageReturns(const QString& Text)
{
    QString result(Text);
    return result.remove(CR);
}

QString CrToLf(const QString& Text)
{
    QString result(Text);
    return result.replace(CR, LF);
}

QString DoubleEmbeddedQuotes(const QString& Text)
{
    QString result(Text);
    return result.replace(u'"', QStringLiteral("\"\""));
}

QString CollapseDoubledChar(QChar Ch, const QString& Text)
{
    if (!Text.contains(Ch))
        return Text;
    QString result;
    for (int i = 0; i < Text.size(); ++i) {
        result += Text[i];
        if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch)
            ++i;
    }
    return result;
}

int FindClosingQuote(QChar Quote, const QString& Text, int& Index)
{
    Index = 0;
    int run = 0;
    for (int pos = 1; pos <= Text.size(); ++pos) {
        if (Text[pos - 1] == Quote) {
            if (pos == Text.size()) {
                Index = pos;
                break;
            }
            ++run;
        } else if (run % 2 == 1) {
            Index = pos - 1;
            break;
        } else {
            run = 0;
        }
    }
    return Index;
}

int CountClosingQuotes(QChar Quote, const QString& Text)
{
    QString rest = Text;
    int count = 0;
    int pos = 0;
    while (FindClosingQuote(Quote, rest, pos) > 0) {
        ++count;
        rest.remove(0, pos);
    }
    return count;
}

void AnsiToOemText(QString& Text)
{
    Text = StringFromAnsi(OemFromString(Text));
}

void OemToAnsiText(QString& Text)
{
    Text = StringFromOem(AnsiFromString(Text));
}

QString ColorToHtmlHex(TColor Color)
{
    const auto hex = [](quint32 byte) { return QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QChar(u'0')).toUpper(); };
    return hex(Color) + hex(Color >> 8) + hex(Color >> 16);
}

namespace {

bool isLinkChar(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
        return true;
    return QStringLiteral("%()-./:@\\_{}").contains(c);
}

} // namespace

bool WrapUrlInAnchor(const QString& Text, const QString& Prefix, QString& Linked)
{
    if (Prefix.isEmpty() || !platform::UpperCaseSameLength(Text).contains(Prefix))
        return false;
    QString escaped(Text);
    escaped.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
    const int start = platform::UpperCaseSameLength(escaped).indexOf(Prefix);
    int end = start;
    while (end < escaped.size() && isLinkChar(escaped[end]))
        ++end;
    const QString link = escaped.mid(start, end - start);
    Linked = escaped.left(start) + QStringLiteral("<a href=\"") + link + QStringLiteral("\">") + link
             + QStringLiteral("</a>") + escaped.mid(end);
    return true;
}
