// Encoding and decoding of the binary cell stream's records.

#include "grid/services/files/ExGridStreamRecords.h"

#include <QtCore/QIODevice>

#include <cmath>
#include <cstring>

namespace gridstream {

namespace {

const QByteArray Signature("TPF0");

void AppendLE(QByteArray& Bytes, quint64 Value, int Size)
{
    for (int i = 0; i < Size; ++i)
        Bytes.append(char((Value >> (8 * i)) & 0xFF));
}

quint64 ReadLE(const QByteArray& Bytes, int Size)
{
    quint64 value = 0;
    for (int i = 0; i < Size; ++i)
        value |= quint64(quint8(Bytes[i])) << (8 * i);
    return value;
}

QByteArray ShortString(const QByteArray& Utf8)
{
    const QByteArray cut = Utf8.left(255);
    return char(cut.size()) + cut;
}

[[noreturn]] void InvalidFormat() { throw EReadError(QStringLiteral("Invalid stream format")); }

// Reads what a record holds, refusing any length that the stream cannot have.
class Reader {
public:
    explicit Reader(QIODevice& Stream) : m_stream(Stream) {}

    QByteArray Exact(qint64 Size)
    {
        QByteArray bytes = m_stream.read(Size);
        if (bytes.size() != Size)
            throw EReadError(QStringLiteral("Stream read error"));
        return bytes;
    }
    // A length read from the stream: more than is left is no stream of ours.
    QByteArray Counted(qint64 Size)
    {
        if (Size < 0 || Size > m_stream.bytesAvailable())
            InvalidFormat();
        return Exact(Size);
    }
    quint8 Byte() { return quint8(Exact(1)[0]); }
    quint64 LE(int Size) { return ReadLE(Exact(Size), Size); }
    QString Short() { return QString::fromUtf8(Counted(Byte())); }

    // A scalar value behind the tag already read; lists hold scalars only.
    Value Scalar(TValueType Type)
    {
        Value v;
        v.type = Type;
        switch (Type) {
        case vaNull:
        case vaFalse:
        case vaTrue:
        case vaNil: break;
        case vaInt8: v.integer = qint8(Byte()); break;
        case vaInt16: v.integer = qint16(LE(2)); break;
        case vaInt32: v.integer = qint32(LE(4)); break;
        case vaExtended: v.real = ExtendedToDouble(Exact(10)); break;
        case vaString: v.text = QString::fromLatin1(Counted(Byte())); break;
        case vaIdent: v.text = Short(); break;
        case vaLString: v.text = QString::fromLatin1(Counted(qint32(LE(4)))); break;
        case vaUTF8String: v.text = QString::fromUtf8(Counted(qint32(LE(4)))); break;
        case vaWString: {
            const qint64 units = qint32(LE(4));
            const QByteArray bytes = Counted(units < 0 ? -1 : units * 2);
            v.text = QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
            break;
        }
        case vaBinary: v.bytes = Counted(qint32(LE(4))); break;
        default: InvalidFormat();
        }
        return v;
    }

    Value Any()
    {
        const auto type = TValueType(Byte());
        if (type == vaSet) {
            Value v;
            v.type = vaSet;
            for (QString element = Short(); !element.isEmpty(); element = Short())
                v.items.append(element);
            return v;
        }
        if (type == vaList) {
            Value v;
            v.type = vaList;
            for (auto item = TValueType(Byte()); item != vaNull; item = TValueType(Byte())) {
                const Value entry = Scalar(item);
                if (!entry.IsText())
                    InvalidFormat();
                v.items.append(entry.text);
            }
            return v;
        }
        return Scalar(type);
    }

private:
    QIODevice& m_stream;
};

} // namespace

// ---- 80-bit floating point ----------------------------------------------------------------

QByteArray DoubleToExtended(double Value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &Value, sizeof bits);
    const quint64 sign = bits >> 63;
    int exponent = int((bits >> 52) & 0x7FF);
    quint64 fraction = bits & ((quint64(1) << 52) - 1);
    quint64 mantissa = 0;
    int extended = 0;
    if (exponent == 0x7FF) {
        extended = 0x7FFF;
        mantissa = (quint64(1) << 63) | (fraction << 11);
    } else if (exponent != 0 || fraction != 0) {
        if (exponent == 0) {
            // A subnormal double is a normal extended number.
            exponent = 1;
            while (!(fraction & (quint64(1) << 52))) {
                fraction <<= 1;
                --exponent;
            }
            fraction &= (quint64(1) << 52) - 1;
        }
        extended = exponent - 1023 + 16383;
        mantissa = (quint64(1) << 63) | (fraction << 11);
    }
    QByteArray bytes;
    AppendLE(bytes, mantissa, 8);
    AppendLE(bytes, quint64(extended) | (sign << 15), 2);
    return bytes;
}

double ExtendedToDouble(const QByteArray& Bytes)
{
    const quint64 mantissa = ReadLE(Bytes, 8);
    const quint64 top = ReadLE(Bytes.mid(8), 2);
    const bool negative = top & 0x8000;
    const int exponent = int(top & 0x7FFF);
    double value = 0;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else
        value = std::ldexp(double(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

// ---- writing ------------------------------------------------------------------------------------

void RecordWriter::put(const QByteArray& Bytes) { m_stream.write(Bytes); }

void RecordWriter::Begin(const char* ClassName) { put(Signature + ShortString(ClassName) + char(0)); }

void RecordWriter::End() { put(QByteArray(2, '\0')); }

void RecordWriter::name(const char* Name) { put(ShortString(Name)); }

void RecordWriter::Int(const char* Name, qint64 Value)
{
    name(Name);
    QByteArray bytes;
    if (Value >= -128 && Value <= 127) {
        bytes.append(char(vaInt8));
        AppendLE(bytes, quint64(Value), 1);
    } else if (Value >= -32768 && Value <= 32767) {
        bytes.append(char(vaInt16));
        AppendLE(bytes, quint64(Value), 2);
    } else {
        bytes.append(char(vaInt32));
        AppendLE(bytes, quint64(Value), 4);
    }
    put(bytes);
}

void RecordWriter::Bool(const char* Name, bool Value)
{
    name(Name);
    put(QByteArray(1, char(Value ? vaTrue : vaFalse)));
}

void RecordWriter::text(const QString& Value)
{
    const QByteArray utf8 = Value.toUtf8();
    QByteArray bytes;
    if (utf8.size() >= 2 * Value.size()) {
        bytes.append(char(vaWString));
        AppendLE(bytes, quint64(Value.size()), 4);
        for (QChar ch : Value)
            AppendLE(bytes, ch.unicode(), 2);
    } else if (std::any_of(utf8.begin(), utf8.end(), [](char c) { return quint8(c) >= 0x80; })) {
        bytes.append(char(vaUTF8String));
        AppendLE(bytes, quint64(utf8.size()), 4);
        bytes.append(utf8);
    } else if (utf8.size() >= 256) {
        bytes.append(char(vaLString));
        AppendLE(bytes, quint64(utf8.size()), 4);
        bytes.append(utf8);
    } else {
        bytes.append(char(vaString));
        bytes.append(char(utf8.size()));
        bytes.append(utf8);
    }
    put(bytes);
}

void RecordWriter::Text(const char* Name, const QString& Value)
{
    name(Name);
    text(Value);
}

void RecordWriter::Ident(const char* Name, const QString& Value)
{
    name(Name);
    const std::pair<const char*, TValueType> bare[] = {{"False", vaFalse}, {"True", vaTrue}, {"Null", vaNull},
                                                       {"nil", vaNil}};
    for (const auto& [word, tag] : bare)
        if (Value.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) {
            put(QByteArray(1, char(tag)));
            return;
        }
    put(char(vaIdent) + ShortString(Value.toUtf8()));
}

void RecordWriter::Color(const char* Name, TColor Value)
{
    QString ident;
    if (ColorToIdent(Value, ident))
        Ident(Name, ident);
    else
        Int(Name, qint32(Value));
}

void RecordWriter::Extended(const char* Name, double Value)
{
    name(Name);
    put(char(vaExtended) + DoubleToExtended(Value));
}

void RecordWriter::Binary(const char* Name, const QByteArray& Value)
{
    name(Name);
    QByteArray bytes(1, char(vaBinary));
    AppendLE(bytes, quint64(Value.size()), 4);
    put(bytes + Value);
}

void RecordWriter::Set(const char* Name, const QStringList& Elements)
{
    name(Name);
    QByteArray bytes(1, char(vaSet));
    for (const QString& element : Elements)
        bytes.append(ShortString(element.toUtf8()));
    bytes.append(char(0));
    put(bytes);
}

void RecordWriter::List(const char* Name, const QStringList& Items)
{
    name(Name);
    put(QByteArray(1, char(vaList)));
    for (const QString& item : Items)
        text(item);
    put(QByteArray(1, char(vaNull)));
}

// ---- reading ------------------------------------------------------------------------------------

bool Value::IsText() const
{
    return type == vaString || type == vaLString || type == vaWString || type == vaUTF8String;
}

std::vector<Property> ReadRecord(QIODevice& Stream)
{
    Reader reader(Stream);
    if (reader.Exact(4) != Signature)
        InvalidFormat();
    reader.Short(); // the class name: the order of the records says what comes
    reader.Short(); // the record name, always empty
    std::vector<Property> properties;
    for (QString name = reader.Short(); !name.isEmpty(); name = reader.Short())
        properties.push_back({name, reader.Any()});
    if (reader.Byte() != 0)
        InvalidFormat(); // records of ours have no children
    return properties;
}

namespace {
[[noreturn]] void InvalidValue() { throw EReadError(QStringLiteral("Invalid property value")); }
} // namespace

qint64 AsInt(const Value& V)
{
    if (!V.IsInt())
        InvalidValue();
    return V.integer;
}

bool AsBool(const Value& V)
{
    if (V.type != vaTrue && V.type != vaFalse)
        InvalidValue();
    return V.type == vaTrue;
}

QString AsText(const Value& V)
{
    if (!V.IsText() && V.type != vaIdent)
        InvalidValue();
    return V.text;
}

QString AsIdent(const Value& V)
{
    switch (V.type) {
    case vaIdent: return V.text;
    case vaFalse: return QStringLiteral("False");
    case vaTrue: return QStringLiteral("True");
    case vaNull: return QStringLiteral("Null");
    case vaNil: return QStringLiteral("nil");
    default: InvalidValue();
    }
}

TColor AsColor(const Value& V)
{
    if (V.IsInt())
        return TColor(quint32(qint32(V.integer)));
    TColor color = 0;
    if (V.type != vaIdent || !IdentToColor(V.text, color))
        InvalidValue();
    return color;
}

double AsReal(const Value& V)
{
    if (V.type == vaExtended)
        return V.real;
    return double(AsInt(V));
}

void UnknownProperty(const QString& Name)
{
    throw EReadError(QStringLiteral("Property %1 does not exist").arg(Name));
}

} // namespace gridstream
