#include "grid/foundation/util/ExUtilNumber.h"

#include "grid/foundation/util/ExUtilText.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"

namespace {

struct NumberScan {
    bool intOk = true;
    bool floatOk = true;
    bool sciOk = true;
    bool hasE = false;
    int lastThousand = 0; // 1-based position, 0 for none
    int minusCount = 0;
    int decimalCount = 0;
};

void scanCharacter(NumberScan& scan, const QString& text, int pos, const TFormatSettings& fs)
{
    const QChar c = text[pos - 1];
    const bool last = pos == text.size();
    const bool isE = c == u'e' || c == u'E';
    if (!IsDigitOrMinus(c))
        scan.intOk = false;
    if (c == u'-') {
        ++scan.minusCount;
        if (pos >= 2) {
            scan.intOk = false;
            scan.floatOk = false;
        }
    }
    if (isE) {
        if (scan.hasE || pos == 1)
            scan.sciOk = false;
        scan.hasE = true;
    }
    if (last && (isE || c == u'+' || c == u'-'))
        scan.sciOk = false;
    if (!IsDigitChar(c) && c != u'-' && c != fs.ThousandSeparator && c != fs.DecimalSeparator)
        scan.floatOk = false;
    if (!IsSignedFloatChar(c, fs) || c == fs.ThousandSeparator)
        scan.sciOk = false;
    if (c == fs.ThousandSeparator) {
        if (scan.lastThousand > 0 && pos - scan.lastThousand < 4)
            scan.floatOk = false;
        scan.lastThousand = pos;
    }
    if (c == fs.DecimalSeparator)
        ++scan.decimalCount;
}

} // namespace

int DetectNumberKind(const QString& Text)
{
    if (Text.isEmpty())
        return nkNoNumber;
    const TFormatSettings fs = FormatSettings();
    NumberScan scan;
    for (int pos = 1; pos <= Text.size(); ++pos)
        scanCharacter(scan, Text, pos, fs);

    int kind = nkInteger;
    if (!scan.intOk) {
        kind = scan.floatOk && !scan.hasE ? nkFloat : nkNoNumber;
        if (scan.sciOk && scan.hasE) {
            kind = nkScientific;
            // The mantissa and the exponent may each carry one minus.
            if (scan.minusCount == 2)
                scan.minusCount = 1;
        }
    }
    if (scan.minusCount > 1 || scan.decimalCount > 1)
        return nkNoNumber;
    return kind;
}

QString ExtractNumericText(const QString& Text)
{
    if (Text.isEmpty())
        return QString();
    const TFormatSettings fs = FormatSettings();
    QString s = Trim(Text);
    bool negative = s.startsWith(u'(') && s.endsWith(u')');
    while (s.size() >= 2 && !IsFloatChar(s[0], fs)) {
        if (s[0] == u'-')
            negative = true;
        s.remove(0, 1);
    }
    QString result;
    for (QChar c : s) {
        if (c == fs.ThousandSeparator)
            continue;
        if (c == fs.DecimalSeparator)
            result += u'.';
        else if (IsNumberTextChar(c))
            result += c;
        else
            break;
    }
    return negative ? u'-' + result : result;
}

QString NormalizeNumberText(const QString& Text)
{
    const TFormatSettings fs = FormatSettings();
    QString result;
    result.reserve(Text.size());
    for (QChar c : Text) {
        if (c == fs.ThousandSeparator)
            continue;
        result += c == fs.DecimalSeparator ? QChar(u'.') : c;
    }
    return result;
}

int MaxOfTwo(int A, int B)
{
    return A >= B ? A : B;
}

int MinOfTwo(int A, int B)
{
    return A <= B ? A : B;
}

int ClampToLimits(int Value, int Minimum, int Maximum)
{
    if (Minimum == Maximum)
        return Value;
    if (Maximum > 0 && Value > Maximum)
        return Maximum;
    if (Minimum > 0 && Value < Minimum)
        return Minimum;
    return Value;
}
