#include "platform/core/Format.h"
#include "platform/core/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

const QChar kMark(0xFEFF);

TEST(TextEncoding, Utf8ValuesKeepEveryCharacterALeadingMarkIncluded)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
        bool bytesComeBack = true;
    };
    const Case cases[] = {
        {"empty", QByteArray(), QString()},
        {"plain", QByteArray("caf\xC3\xA9"), QString::fromUtf16(u"caf\u00E9")},
        {"leading mark", QByteArray("\xEF\xBB\xBFx"), kMark + QString("x")},
        {"only a mark", QByteArray("\xEF\xBB\xBF"), QString(kMark)},
        {"two marks", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"), QString(2, kMark)},
        {"mark inside", QByteArray("a\xEF\xBB\xBF"), QString("a") + kMark},
        {"broken sequence", QByteArray("\xEF\xBB\xBF\xFF"), QString(kMark) + QChar(QChar::ReplacementCharacter), false},
    };
    for (const Case& c : cases) {
        const QString text = platform::StringFromUtf8(c.bytes);
        EXPECT_EQ(text, c.text) << c.name;
        if (c.bytesComeBack) {
            EXPECT_EQ(text.toUtf8(), c.bytes) << c.name << ": the bytes come back";
        }
    }
}

TEST(TextEncoding, OnlyTheFilesOwnMarkIsDroppedWhenDecodingAFile)
{
    EXPECT_EQ(platform::DecodeText(QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx")), kMark + QString("x"));
    EXPECT_EQ(platform::DecodeText(QByteArray("\xEF\xBB\xBFx")), QString("x"));
}

TEST(TextEncoding, FormatArgumentsKeepALeadingMark)
{
    EXPECT_EQ(Format("[%s]", {"\xEF\xBB\xBFv"}), QString("[") + kMark + QString("v]"));
}

} // namespace
