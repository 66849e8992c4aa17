#include "platform/core/SysUtils.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

// Blanks before a number: the space and the tab.
bool isLeadingBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// What the lenient whole-number rules read from the start of a text: leading
// blanks, a sign, "$" or "0x" for hexadecimal, then digits up to the first
// character that does not fit. For a signed type of `bits` width (32 or 64),
// decimal values must lie in the type's range; a hexadecimal number is the
// type's bit pattern ("$FFFFFFFF" is -1 as a 32-bit number, so colour values
// with the high byte set read back) and overflows only beyond it.
struct WholeScan {
    quint64 magnitude = 0; // the digits read, wrapping past 64 bits
    bool negative = false;
    bool anyDigit = false;
    bool toEnd = false;    // the digits run to the end of the text
    bool inRange = true;
};

WholeScan scanWhole(const QString& s, int bits)
{
    WholeScan scan;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n && isLeadingBlank(s[i]))
        ++i;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        scan.negative = s[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    const quint64 signedMax = bits == 64 ? quint64(std::numeric_limits<qint64>::max()) : quint64(std::numeric_limits<qint32>::max());
    const quint64 limit = base == 16 ? signedMax * 2 + 1 : signedMax + (scan.negative ? 1 : 0);
    for (; i < n; ++i) {
        const int digit = digitValue(s[i], base);
        if (digit < 0)
            break;
        if (scan.magnitude > (limit - quint64(digit)) / quint64(base))
            scan.inRange = false;
        scan.magnitude = scan.magnitude * quint64(base) + quint64(digit);
        scan.anyDigit = true;
    }
    scan.toEnd = i == n;
    return scan;
}

// The scanned value in the type's width, wrapped to it.
qint64 scannedValue(const WholeScan& scan, int bits)
{
    const quint64 value = scan.negative ? ~scan.magnitude + 1 : scan.magnitude;
    return bits == 64 ? static_cast<qint64>(value) : static_cast<qint64>(static_cast<qint32>(static_cast<quint32>(value)));
}

// The whole text as one number by the lenient rules, or nothing.
std::optional<qint64> parseWhole(const QString& s, int bits)
{
    const WholeScan scan = scanWhole(s, bits);
    if (!scan.anyDigit || !scan.toEnd || !scan.inRange)
        return std::nullopt;
    return scannedValue(scan, bits);
}

[[noreturn]] void throwNotInteger(const QString& s)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
}

// Digits of a decimal number in C notation, or nothing when the text does
// not follow the rules.
std::optional<std::string> normalisedDecimal(const QString& s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isLeadingBlank(s[begin]))
        ++begin;
    while (end > begin && isLeadingBlank(s[end - 1]))
        --end;
    std::string out;
    qsizetype i = begin;
    if (i < end && (s[i] == u'+' || s[i] == u'-'))
        out += char(s[i++].unicode());
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        const char16_t c = s[i].unicode();
        if (c >= u'0' && c <= u'9') {
            out += char(c);
            ++mantissaDigits;
        } else if ((c == u',' || c == u'.') && !separatorSeen) {
            out += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (s[i] == u'e' || s[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < end && (s[i] == u'+' || s[i] == u'-'))
            out += char(s[i++].unicode());
        int exponentDigits = 0;
        for (; i < end && s[i] >= u'0' && s[i] <= u'9'; ++i, ++exponentDigits)
            out += char(s[i].unicode());
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    if (out[0] == '+')
        out.erase(0, 1);
    return out;
}

} // namespace

QString TrimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return s.mid(i);
}

QString TrimRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && isBlank(s[n - 1]))
        --n;
    return s.left(n);
}

QString Trim(const QString& s)
{
    return TrimLeft(TrimRight(s));
}

QString UpperCase(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = QChar(asciiUpper(c.unicode()));
    return r;
}

QString LowerCase(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = QChar(asciiLower(c.unicode()));
    return r;
}

int CompareText(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = int(asciiUpper(a[i].unicode())) - int(asciiUpper(b[i].unicode()));
        if (d != 0)
            return d;
    }
    return int(a.size() - b.size());
}

bool SameText(const QString& a, const QString& b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

QString AnsiUpperCase(const QString& s)
{
    return QLocale::system().toUpper(s);
}

QString AnsiLowerCase(const QString& s)
{
    return QLocale::system().toLower(s);
}

int AnsiCompareText(const QString& a, const QString& b)
{
    // The collation decides the order; texts it holds equal are ordered by
    // their case-folded code points so that only case-equal texts compare 0.
    const int r = QString::localeAwareCompare(a.toCaseFolded(), b.toCaseFolded());
    if (r != 0)
        return r;
    return QString::compare(a, b, Qt::CaseInsensitive);
}

bool AnsiSameText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

namespace platform {

QString signedToStr(qint64 v)
{
    return QString::number(v);
}

QString unsignedToStr(quint64 v)
{
    return QString::number(v);
}

QString bitsToHex(quint64 bits, int digits)
{
    QString r = QString::number(bits, 16).toUpper();
    if (r.size() < digits)
        r.prepend(QString(digits - r.size(), u'0'));
    return r;
}

} // namespace platform

bool TryStrToInt64(const QString& s, qint64& value)
{
    const auto parsed = parseWhole(s, 64);
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}

bool TryStrToInt(const QString& s, int& value)
{
    const auto parsed = parseWhole(s, 32);
    if (parsed)
        value = int(*parsed);
    return parsed.has_value();
}

int ReadLeadingInt(const QString& s)
{
    return int(scannedValue(scanWhole(s, 32), 32));
}

int StrToIntDef(const QString& s, int def)
{
    int v = def;
    return TryStrToInt(s, v) ? v : def;
}

qint64 StrToInt64Def(const QString& s, qint64 def)
{
    qint64 v = def;
    return TryStrToInt64(s, v) ? v : def;
}

int StrToInt(const QString& s)
{
    int v = 0;
    if (!TryStrToInt(s, v))
        throwNotInteger(s);
    return v;
}

qint64 StrToInt64(const QString& s)
{
    qint64 v = 0;
    if (!TryStrToInt64(s, v))
        throwNotInteger(s);
    return v;
}

bool TryStrToFloat(const QString& s, double& value)
{
    const auto text = normalisedDecimal(s);
    if (!text)
        return false;
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc() || ptr != text->data() + text->size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

double StrToFloatDef(const QString& s, double def)
{
    double v = def;
    return TryStrToFloat(s, v) ? v : def;
}

double StrToFloat(const QString& s)
{
    double v = 0.0;
    if (!TryStrToFloat(s, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
    return v;
}

QString FloatToStr(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (v == 0.0)
        return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde[+-]x
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    const QString raw = QString::fromLatin1(buf);
    const bool negative = raw.startsWith(u'-');
    const qsizetype ePos = raw.indexOf(u'e');
    QString digits = raw.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0)).remove(u'.');
    const int exponent = raw.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    const QChar sep = platform::NumberDecimalSeparator();
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out += sep + digits.mid(1);
        out += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const qsizetype intDigits = exponent + 1;
        if (digits.size() <= intDigits)
            out += digits + QString(intDigits - digits.size(), u'0');
        else
            out += digits.left(intDigits) + sep + digits.mid(intDigits);
    } else {
        out += u'0' + QString(sep) + QString(-exponent - 1, u'0') + digits;
    }
    return out;
}
