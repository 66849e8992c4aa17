// The text side of the cell markup: preparing a text, cutting runs, reading
// every tag and its attributes, entity escaping, and the find highlighting.
// The input is the markup, a zero byte, and the text searched for.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"
#include "grid/foundation/markup/EsgHTMLEUtilSearch.h"

#include <cstdlib>

namespace {

void ReadTag(const QString& rest)
{
    const MarkupTagKind kind = RecognizeMarkupTag(rest);
    const QString tagText = MarkupTagText(rest);
    const QString attributes = MarkupAttributeText(tagText, kind.Tag);
    QString value;
    (void)FindMarkupAttribute(attributes, QStringLiteral("SRC"), value);
    (void)FindMarkupAttributeSpan(attributes, QStringLiteral("HREF"));
    (void)ParseAnchorTag(tagText);
    (void)ParseFontTag(tagText);
    (void)ParseParagraphTag(tagText);
    (void)ParseBodyTag(tagText);
    (void)ParseImageTag(tagText);
    (void)ParseIndentTag(tagText);
    (void)ParseRotationTag(tagText);
    (void)ParseControlTag(tagText);
    (void)MarkupColorValue(attributes);
    (void)ReadMarkupNumber(attributes);
}

void ReadRuns(const QString& prepared)
{
    QString rest = prepared;
    while (!rest.isEmpty()) {
        if (rest.at(0) == u'<') {
            ReadTag(rest);
            const int end = MarkupTagEnd(rest);
            rest = end >= 0 && end < rest.size() ? rest.mid(end + 1) : QString();
            continue;
        }
        const int length = MarkupRunLength(rest, true);
        (void)ReplaceMarkupRunEntities(rest.left(std::max(length, 1)));
        rest = rest.mid(std::max(length, 1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    const QString text = QString::fromUtf8(parts[0]);
    const QString search = parts.size() > 1 ? QString::fromUtf8(parts[1]) : QStringLiteral("a");

    const QString prepared = PreprocessMarkupText(text);
    (void)ReplaceMarkupCharacterEntities(text);
    (void)RemoveHashTagBrackets(text);
    (void)LineEndsToBreakTags(text, true);
    ReadRuns(prepared);
    (void)StripMarkupTags(text);
    (void)ColorFromHex(text);
    (void)ColorFromName(text);
    (void)ParseMarkupPictureSource(text);
    (void)ParseLeadingInt(text);
    (void)HexPairValue(text);

    for (const bool withCharacters : {false, true}) {
        if (UnescapeMarkupText(EscapeMarkupText(text, withCharacters), withCharacters) != text)
            std::abort(); // escaping is undone by unescaping
        (void)UnescapeMarkupText(text, withCharacters);
    }

    const QString visible = VisibleTextOfMarkup(text);
    for (int n = 0; n <= visible.size() + 1; n += std::max<int>(1, visible.size() / 8))
        (void)MarkupIndexOfVisible(text, n);
    for (const bool caseSensitive : {false, true}) {
        const QString wrapped = WrapMatchesInTag(text, search, QStringLiteral("HI"), caseSensitive);
        const QString unwrapped = RemoveTagPairs(wrapped, QStringLiteral("HI"));
        const bool plain = !text.contains(u'<') && !text.contains(u'>') && !text.contains(u'&');
        if (plain && unwrapped != text)
            std::abort(); // on plain text nothing but the tags is added
    }
    int position = 0;
    (void)FindPos(search, text, position);
    position = 0;
    (void)FindPosUpper(search, text, position);
    (void)PosIgnoreCase(search, text);
    return 0;
}
