#pragma once

#include <QString>

#include <initializer_list>

// One argument of Format; it keeps its kind so that a directive that does not
// fit it can be refused.
class FormatArg {
public:
    enum class Kind { Signed, Unsigned, Float, Text };

    FormatArg(int v);
    FormatArg(long v);
    FormatArg(long long v);
    FormatArg(unsigned v);
    FormatArg(unsigned long v);
    FormatArg(unsigned long long v);
    FormatArg(double v);
    FormatArg(const QString& v);
    FormatArg(const char* v);

    Kind kind() const { return kind_; }
    qint64 signedValue() const { return signed_; }
    quint64 unsignedValue() const { return unsigned_; }
    double floatValue() const { return float_; }
    const QString& textValue() const { return text_; }

private:
    Kind kind_;
    qint64 signed_ = 0;
    quint64 unsigned_ = 0;
    double float_ = 0.0;
    QString text_;
};

// Fills the directives of `format` from `args` in order:
//   %[-][width][.precision]type with type d, u, x (upper-case), s, f, and %%.
// For d/u/x the precision is the minimum number of digits, for s the maximum
// number of characters, for f the number of decimals (2 when not given; the
// user's decimal separator). A directive that is ill-formed, that has no
// argument left or that does not fit its argument's kind raises EConvertError;
// no argument is ever read that was not given.
QString Format(const QString& format, std::initializer_list<FormatArg> args);

// Whether the first directive of format ("%%" is none) converts a whole number
// (d, u or x, in either case).
bool IsIntegerFormat(const QString& format);
