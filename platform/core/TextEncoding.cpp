#include "platform/core/TextEncoding.h"

#include "platform/core/CodePages.h"

#include <QStringDecoder>

namespace {

QString fromUtf16(const QByteArray& bytes, qsizetype start, bool littleEndian)
{
    const qsizetype units = (bytes.size() - start) / 2;
    QString out(units, Qt::Uninitialized);
    for (qsizetype i = 0; i < units; ++i) {
        const auto b0 = static_cast<unsigned char>(bytes[start + 2 * i]);
        const auto b1 = static_cast<unsigned char>(bytes[start + 2 * i + 1]);
        out[i] = QChar(littleEndian ? char16_t(b0 | (b1 << 8)) : char16_t(b1 | (b0 << 8)));
    }
    return out;
}

QByteArray toUtf16Le(const QString& text)
{
    QByteArray out;
    out.reserve(2 + 2 * text.size());
    out += "\xFF\xFE";
    for (const QChar c : text) {
        out += static_cast<char>(c.unicode() & 0xFF);
        out += static_cast<char>(c.unicode() >> 8);
    }
    return out;
}

} // namespace

namespace platform {

QString StringFromUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

QString DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return StringFromUtf8(QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return fromUtf16(bytes, 2, true);
    if (bytes.startsWith("\xFE\xFF"))
        return fromUtf16(bytes, 2, false);
    return StringFromAnsi(bytes);
}

QByteArray EncodeText(const QString& text, TEncoding encoding)
{
    switch (encoding) {
    case TEncoding::UTF8:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TEncoding::UTF8NoBOM:
        return text.toUtf8();
    case TEncoding::Unicode:
        return toUtf16Le(text);
    case TEncoding::ANSI:
        break;
    }
    return AnsiFromString(text);
}

} // namespace platform
