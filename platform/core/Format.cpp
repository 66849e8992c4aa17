#include "platform/core/Format.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TextEncoding.h"

#include <cmath>
#include <limits>

FormatArg::FormatArg(int v) : kind_(Kind::Signed), signed_(v) {}
FormatArg::FormatArg(long v) : kind_(Kind::Signed), signed_(v) {}
FormatArg::FormatArg(long long v) : kind_(Kind::Signed), signed_(v) {}
FormatArg::FormatArg(unsigned v) : kind_(Kind::Unsigned), unsigned_(v) {}
FormatArg::FormatArg(unsigned long v) : kind_(Kind::Unsigned), unsigned_(v) {}
FormatArg::FormatArg(unsigned long long v) : kind_(Kind::Unsigned), unsigned_(v) {}
FormatArg::FormatArg(double v) : kind_(Kind::Float), float_(v) {}
FormatArg::FormatArg(const QString& v) : kind_(Kind::Text), text_(v) {}
FormatArg::FormatArg(const char* v) : kind_(Kind::Text), text_(platform::StringFromUtf8(v)) {}

namespace {

// Widths and precisions beyond this are taken as a broken format rather
// than as a request for a huge text.
constexpr int maxFieldSize = 4096;

struct Directive {
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char16_t type = 0;
};

class Formatter {
public:
    Formatter(const QString& format, std::initializer_list<FormatArg> args)
        : format_(format)
        , args_(args)
        , next_(args.begin())
    {
    }

    QString run()
    {
        QString out;
        for (pos_ = 0; pos_ < format_.size(); ++pos_) {
            if (format_[pos_] != u'%') {
                out += format_[pos_];
                continue;
            }
            ++pos_;
            if (pos_ < format_.size() && format_[pos_] == u'%') {
                out += u'%';
                continue;
            }
            const Directive d = parseDirective();
            out += pad(d, convert(d));
        }
        return out;
    }

private:
    [[noreturn]] void fail() const
    {
        throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format_));
    }

    int parseNumber()
    {
        int value = 0;
        while (pos_ < format_.size() && format_[pos_] >= u'0' && format_[pos_] <= u'9') {
            value = value * 10 + (format_[pos_].unicode() - u'0');
            if (value > maxFieldSize)
                fail();
            ++pos_;
        }
        return value;
    }

    Directive parseDirective()
    {
        Directive d;
        if (pos_ < format_.size() && format_[pos_] == u'-') {
            d.leftAlign = true;
            ++pos_;
        }
        d.width = parseNumber();
        if (pos_ < format_.size() && format_[pos_] == u'.') {
            ++pos_;
            const qsizetype start = pos_;
            d.precision = parseNumber();
            if (pos_ == start)
                fail();
        }
        if (pos_ >= format_.size())
            fail();
        d.type = format_[pos_].toLower().unicode();
        return d;
    }

    const FormatArg& takeArgument()
    {
        if (next_ == args_.end())
            fail();
        return *next_++;
    }

    static QString withMinDigits(QString digits, int precision)
    {
        if (digits.size() < precision)
            digits.prepend(QString(precision - digits.size(), u'0'));
        return digits;
    }

    // The bit pattern a negative whole number shows as unsigned: 32 bits
    // when it fits an int, as the runtime's integers are 32 bits wide.
    static quint64 unsignedBits(const FormatArg& a)
    {
        if (a.kind() == FormatArg::Kind::Unsigned)
            return a.unsignedValue();
        const qint64 v = a.signedValue();
        if (v < 0 && v >= std::numeric_limits<qint32>::min())
            return quint32(qint32(v));
        return quint64(v);
    }

    QString convert(const Directive& d)
    {
        switch (d.type) {
        case u'd':
            return decimal(takeWhole(), d.precision);
        case u'u':
            return withMinDigits(QString::number(unsignedBits(takeWhole())), d.precision);
        case u'x':
            return withMinDigits(QString::number(unsignedBits(takeWhole()), 16).toUpper(), d.precision);
        case u's': {
            const FormatArg& a = takeArgument();
            if (a.kind() != FormatArg::Kind::Text)
                fail();
            return d.precision >= 0 ? a.textValue().left(d.precision) : a.textValue();
        }
        case u'f': {
            const FormatArg& a = takeArgument();
            if (a.kind() != FormatArg::Kind::Float)
                fail();
            return fixed(a.floatValue(), d.precision < 0 ? 2 : d.precision);
        }
        default:
            fail();
        }
    }

    const FormatArg& takeWhole()
    {
        const FormatArg& a = takeArgument();
        if (a.kind() != FormatArg::Kind::Signed && a.kind() != FormatArg::Kind::Unsigned)
            fail();
        return a;
    }

    static QString decimal(const FormatArg& a, int precision)
    {
        if (a.kind() == FormatArg::Kind::Unsigned)
            return withMinDigits(QString::number(a.unsignedValue()), precision);
        const qint64 v = a.signedValue();
        const quint64 magnitude = v < 0 ? ~quint64(v) + 1 : quint64(v);
        const QString digits = withMinDigits(QString::number(magnitude), precision);
        return v < 0 ? u'-' + digits : digits;
    }

    static QString fixed(double v, int decimals)
    {
        if (std::isnan(v))
            return QStringLiteral("NAN");
        if (std::isinf(v))
            return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
        QString text = QString::number(v, 'f', decimals);
        const qsizetype dot = text.indexOf(u'.');
        if (dot >= 0)
            text[dot] = platform::NumberDecimalSeparator();
        return text;
    }

    static QString pad(const Directive& d, const QString& text)
    {
        if (text.size() >= d.width)
            return text;
        const QString fill(d.width - text.size(), u' ');
        return d.leftAlign ? text + fill : fill + text;
    }

    const QString& format_;
    std::initializer_list<FormatArg> args_;
    const FormatArg* next_;
    qsizetype pos_ = 0;
};

} // namespace

QString Format(const QString& format, std::initializer_list<FormatArg> args)
{
    return Formatter(format, args).run();
}

bool IsIntegerFormat(const QString& format)
{
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%')
            continue;
        qsizetype j = i + 1;
        if (j < format.size() && format[j] == u'%') {
            i = j;
            continue;
        }
        while (j < format.size() && !format[j].isLetter())
            ++j;
        if (j >= format.size())
            return false;
        const QChar conversion = format[j].toLower();
        return conversion == u'd' || conversion == u'u' || conversion == u'x';
    }
    return false;
}
