#pragma once

// The records of the grid's binary cell stream in the component-stream
// layout: "TPF0", the class name, an empty record name, named property values
// each behind a type tag, and two closing zero bytes. A writer encodes values
// by the tag rules (integers in the smallest size, texts by their characters,
// named identifiers and colours); a reader takes one record whole, checking
// every length against the bytes left, so that no input makes it allocate
// past its own size.

#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <vector>

class QIODevice;

// A stream that does not hold what its reader expects.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

namespace gridstream {

enum TValueType : quint8 {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaWString = 18,
    vaUTF8String = 20,
};

// The x87 80-bit form of a double, little-endian, and back.
QByteArray DoubleToExtended(double Value);
double ExtendedToDouble(const QByteArray& Bytes);

class RecordWriter {
public:
    explicit RecordWriter(QIODevice& Stream) : m_stream(Stream) {}
    void Begin(const char* ClassName);
    void End();
    void Int(const char* Name, qint64 Value);
    void Bool(const char* Name, bool Value);
    void Text(const char* Name, const QString& Value);
    void Ident(const char* Name, const QString& Value);
    // A named colour as its identifier, any other as an integer.
    void Color(const char* Name, TColor Value);
    void Extended(const char* Name, double Value);
    void Binary(const char* Name, const QByteArray& Value);
    void Set(const char* Name, const QStringList& Elements);
    void List(const char* Name, const QStringList& Items);

private:
    void name(const char* Name);
    void text(const QString& Value);
    void put(const QByteArray& Bytes);
    QIODevice& m_stream;
};

// One property value as read; the reader's tag says which field holds it.
struct Value {
    TValueType type = vaNull;
    qint64 integer = 0;
    double real = 0;
    QString text;        // texts and identifiers
    QByteArray bytes;    // binary data
    QStringList items;   // set elements and list items
    bool IsInt() const { return type == vaInt8 || type == vaInt16 || type == vaInt32; }
    bool IsText() const;
};

struct Property {
    QString name;
    Value value;
};

// Reads one record: EReadError "Invalid stream format" without the signature
// or with a length past the end, "Stream read error" when the stream ends
// inside it.
std::vector<Property> ReadRecord(QIODevice& Stream);

// Value checks of the record readers; a value of another kind is a broken
// stream ("Invalid property value").
qint64 AsInt(const Value& V);
bool AsBool(const Value& V);
QString AsText(const Value& V);
QString AsIdent(const Value& V);
TColor AsColor(const Value& V);
double AsReal(const Value& V);
// Raises "Property <Name> does not exist".
[[noreturn]] void UnknownProperty(const QString& Name);

} // namespace gridstream
