#pragma once

#include <QString>

#include <concepts>
#include <type_traits>

// Text trimming: every character up to U+0020 counts as blank.
QString Trim(const QString& s);
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);

// Case conversion of the letters a..z / A..Z only; every other character is
// left as it is.
QString UpperCase(const QString& s);
QString LowerCase(const QString& s);

// Comparison without regard to the case of a..z (ASCII only).
int CompareText(const QString& a, const QString& b);
bool SameText(const QString& a, const QString& b);

// Case conversion and comparison following the user's locale.
QString AnsiUpperCase(const QString& s);
QString AnsiLowerCase(const QString& s);
int AnsiCompareText(const QString& a, const QString& b);
bool AnsiSameText(const QString& a, const QString& b);

namespace platform {
QString signedToStr(qint64 v);
QString unsignedToStr(quint64 v);
QString bitsToHex(quint64 bits, int digits);
} // namespace platform

// Decimal text of any whole number.
template <std::integral T>
QString IntToStr(T v)
{
    if constexpr (std::is_signed_v<T>)
        return platform::signedToStr(static_cast<qint64>(v));
    else
        return platform::unsignedToStr(static_cast<quint64>(v));
}

// Upper-case hexadecimal text of the value's bit pattern at its own width
// (IntToHex(-1, 2) of an int gives "FFFFFFFF"), at least `digits` digits.
template <std::integral T>
QString IntToHex(T v, int digits)
{
    using U = std::make_unsigned_t<T>;
    return platform::bitsToHex(static_cast<quint64>(static_cast<U>(v)), digits);
}

// Lenient whole numbers: optional leading blanks, an optional sign, then
// decimal digits or hexadecimal digits after "$" or "0x". Anything else, an
// empty text, or a value outside the type's range gives the default. A
// hexadecimal number is the type's bit pattern: StrToIntDef("$FFFFFFFF", 0)
// is -1, and only a ninth significant digit overflows.
int StrToIntDef(const QString& s, int def);
qint64 StrToInt64Def(const QString& s, qint64 def);
bool TryStrToInt(const QString& s, int& value);
bool TryStrToInt64(const QString& s, qint64& value);
// The same rules; a text that is not a number raises EConvertError.
int StrToInt(const QString& s);
qint64 StrToInt64(const QString& s);
// The number at the start of the text by the same rules: reading stops at
// the first character that does not fit and keeps the digits read so far
// ("12abc" is 12); no digits give 0, and a number too long for 32 bits wraps.
int ReadLeadingInt(const QString& s);

// Decimal numbers: optional blanks around, an optional sign, digits with one
// decimal separator that may be "," or ".", an optional exponent.
bool TryStrToFloat(const QString& s, double& value);
double StrToFloatDef(const QString& s, double def);
double StrToFloat(const QString& s); // raises EConvertError

// Shortest text of up to 15 significant digits with the user's decimal
// separator; very large or very small values in exponent form ("1E15").
QString FloatToStr(double v);
