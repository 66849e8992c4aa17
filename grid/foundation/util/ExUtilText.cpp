#include "grid/foundation/util/ExUtilText.h"

#include "grid/foundation/util/ExUtilCase.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"

#include <QtCore/QRegularExpression>

bool IsDigitChar(QChar c)
{
    return c.isNumber();
}

bool IsDigitOrMinus(QChar c)
{
    return IsDigitChar(c) || c == u'-';
}

bool IsFloatChar(QChar c, const TFormatSettings& Settings)
{
    return IsDigitChar(c) || c == Settings.ThousandSeparator || c == Settings.DecimalSeparator || c == u'e'
           || c == u'E';
}

bool IsSignedFloatChar(QChar c, const TFormatSettings& Settings)
{
    return IsFloatChar(c, Settings) || c == u'+' || c == u'-';
}

bool IsFloatChar(QChar c)
{
    return IsFloatChar(c, FormatSettings());
}

bool IsSignedFloatChar(QChar c)
{
    return IsSignedFloatChar(c, FormatSettings());
}

bool IsNumberTextChar(QChar c)
{
    return IsDigitChar(c) || c == u'-' || c == u'.' || c == u'e' || c == u'E' || c == u'+';
}

bool IsWordDelimiter(QChar c)
{
    return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.';
}

QChar LocaleTimeSeparator()
{
    return FormatSettings().TimeSeparator;
}

QChar LocaleDateSeparator()
{
    return FormatSettings().DateSeparator;
}

QChar LocaleThousandSeparator()
{
    return FormatSettings().ThousandSeparator;
}

QChar LocaleDecimalSeparator()
{
    return FormatSettings().DecimalSeparator;
}

QString LocaleShortDateFormat()
{
    return FormatSettings().ShortDateFormat;
}

QString LocaleLongTimeFormat()
{
    return FormatSettings().LongTimeFormat;
}

QString LocaleShortTimeFormat()
{
    QString format = LocaleLongTimeFormat();
    format.remove(QRegularExpression(QStringLiteral(":s+")));
    return format;
}

int PosInUpperCase(const QString& Pattern, const QString& Text)
{
    if (Pattern.isEmpty())
        return 0;
    return platform::UpperCaseSameLength(Text).indexOf(Pattern) + 1;
}

int FindSubstring(const QString& Sub, const QString& Text, int& Index)
{
    Index = Sub.isEmpty() ? 0 : Text.indexOf(Sub) + 1;
    return Index;
}

int FindWideSubstring(const QString& Sub, const QString& Text)
{
    return Sub.isEmpty() ? 0 : Text.indexOf(Sub) + 1;
}

int FindCharIndexVar(QChar Ch, const QString& Text, int& Index)
{
    const int found = CharIndexOf(Ch, Text);
    if (found > 0)
        Index = found;
    return found;
}

int CharIndexOf(QChar Ch, const QString& Text)
{
    return Text.indexOf(Ch) + 1;
}

int CountCharOccurrences(QChar Ch, const QString& Text)
{
    return static_cast<int>(Text.count(Ch));
}

QString SplitOffBefore(QString& Text, const QString& Delimiter)
{
    const int p = Delimiter.isEmpty() ? -1 : Text.indexOf(Delimiter);
    if (p < 0)
        return QString();
    const QString before = Text.left(p);
    Text.remove(0, p + Delimiter.size());
    return before;
}

void FillWithChar(QString& Text, QChar Ch)
{
    Text.fill(Ch);
}

QString ConcatListItems(const TStringList& List)
{
    QString result;
    for (int i = 0; i < List.Count(); ++i)
        result += List[i];
    return result;
}

bool CellInGridRect(int ACol, int ARow, const TGridRect& Cells)
{
    return ACol >= Cells.Left && ACol <= Cells.Right && ARow >= Cells.Top && ARow <= Cells.Bottom;
}

namespace {

// Names such as McDonald keep the capital after "Mc"; a trailing " I" or
// " II" is a Roman numeral that goes on in capitals.
bool capitaliseAfter(const QString& done, int index, int length)
{
    if (done == QStringLiteral("Mc"))
        return true;
    if (done.endsWith(QStringLiteral(" Mc")) && done.indexOf(QStringLiteral(" Mc")) == done.size() - 3)
        return true;
    if (index >= length - 3)
        return done.endsWith(QStringLiteral(" I")) || done.endsWith(QStringLiteral(" II"));
    return false;
}

} // namespace

QString CapitalizeWords(const QString& Text)
{
    QString done;
    done.reserve(Text.size());
    bool capitaliseNext = true;
    for (int i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (IsWordDelimiter(c)) {
            done += c;
            capitaliseNext = true;
        } else if (capitaliseNext) {
            done += c.toUpper();
            capitaliseNext = false;
        } else {
            done += c.toLower();
        }
        if (capitaliseAfter(done, i, Text.size()))
            capitaliseNext = true;
    }
    return done;
}

namespace {

// A closing tag or an opening B, I or C tag ("<B", "<I", "<C", "</"), found
// in one pass over the text.
bool hasMarkupTag(const QString& Text)
{
    for (qsizetype i = Text.indexOf(u'<'); i >= 0 && i + 1 < Text.size(); i = Text.indexOf(u'<', i + 1)) {
        const QChar next = Text[i + 1];
        if (next == u'/' || next == u'B' || next == u'I' || next == u'C')
            return true;
    }
    return false;
}

} // namespace

int ClassifyCellText(const QString& Text, bool DetectMarkup)
{
    if (Text.isEmpty())
        return ctPlain;
    if (Text[0] == u'=')
        return ctFormula;
    if (Text.startsWith(QLatin1String("|\\"))) {
        // A wide-encoded formula: the first character is "=" and the high byte
        // of the next one is zero.
        const bool formula = Text.size() >= 5 && Text[3] == u'=' && Text[4].unicode() == 0;
        return formula ? ctFormula : ctWideEncoded;
    }
    if (Text.startsWith(QLatin1String("{\\")))
        return ctRichText;
    if (DetectMarkup && hasMarkupTag(Text))
        return ctMarkup;
    return ctPlain;
}

QString EncodeWideCellText(const QString& Text)
{
    QString result = QStringLiteral("|\\");
    result.reserve(2 + 2 * Text.size());
    for (QChar c : Text) {
        result += QChar(char16_t(c.unicode() >> 8));
        result += QChar(char16_t(c.unicode() & 0xFF));
    }
    return result;
}

QString DecodeWideCellText(const QString& Text)
{
    if (!Text.startsWith(QStringLiteral("|\\")))
        return Text;
    QString result;
    for (int i = 2; i + 1 < Text.size(); i += 2) {
        const unsigned code = unsigned(Text[i].unicode()) * 256u + Text[i + 1].unicode();
        result += QChar(char16_t(code & 0xFFFF));
    }
    return result;
}

bool ParseRowColRef(const QString& Text, TPoint& Point)
{
    const QString s = platform::UpperCaseSameLength(Text);
    if (s.size() < 4 || s[0] != u'R')
        return false;
    const int c = s.indexOf(u'C', 1);
    if (c < 0)
        return false;
    int row = 0;
    int col = 0;
    if (!TryStrToInt(s.mid(1, c - 1), row) || !TryStrToInt(s.mid(c + 1), col))
        return false;
    Point = TPoint{col, row};
    return true;
}

bool ContainsUrlScheme(const QString& Text)
{
    return Text.contains(QStringLiteral("://")) || Text.contains(QStringLiteral("mailto:"));
}

void StripUrlScheme(QString& Text)
{
    int p = Text.indexOf(QStringLiteral("://"));
    if (p >= 0) {
        Text.remove(0, p + 3);
        return;
    }
    p = Text.indexOf(QStringLiteral("mailto:"));
    if (p >= 0)
        Text.remove(0, p + 7);
}
