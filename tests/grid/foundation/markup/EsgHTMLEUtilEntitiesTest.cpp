#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MarkupEntities, TableHoldsFiftyOneDistinctCharacters)
{
    const auto table = MarkupEntityTable();
    ASSERT_EQ(table.size(), 51u);
    std::set<char16_t> chars;
    std::set<std::string> entities;
    for (const MarkupEntity& e : table) {
        chars.insert(e.Char);
        entities.insert(e.Entity);
    }
    EXPECT_EQ(chars.size(), 51u);
    EXPECT_EQ(entities.size(), 51u);
    EXPECT_EQ(table.front().Char, u'\u00E9');
    EXPECT_STREQ(table.front().Entity, "&eacute;");
    EXPECT_EQ(table.back().Char, u'\u00BB');
    EXPECT_STREQ(table.back().Entity, "&raquo;");
}

struct EscapeCase {
    const char16_t* text;
    bool withCharacters;
    const char16_t* escaped;
};

const EscapeCase escapeCases[] = {
    {u"&", false, u"&amp;"},
    {u"&amp;", false, u"&amp;amp;"},
    // The system's intermediate form is a user's text like any other.
    {u"*amp;", false, u"*amp;"},
    {u"a \"b\" <c> & d", false, u"a &quot;b&quot; &lt;c&gt; &amp; d"},
    {u"Caf\u00E9 \u20AC", false, u"Caf\u00E9 \u20AC"},
    {u"Caf\u00E9 \u20AC \u00AB\u00C5\u00BB", true, u"Caf&eacute; &euro; &laquo;&Aring;&raquo;"},
    {u"&eacute;", true, u"&amp;eacute;"},
    {u"&quot;", true, u"&amp;quot;"},
    {u"\u00F1", true, u"\u00F1"}, // not in the table
    {u"", true, u""},
};

TEST(MarkupEntities, EscapeWritesEntities)
{
    for (const EscapeCase& c : escapeCases)
        EXPECT_EQ(EscapeMarkupText(QString::fromUtf16(c.text), c.withCharacters), QString::fromUtf16(c.escaped))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(MarkupEntities, UnescapeUndoesEscape)
{
    for (const EscapeCase& c : escapeCases)
        EXPECT_EQ(UnescapeMarkupText(QString::fromUtf16(c.escaped), c.withCharacters), QString::fromUtf16(c.text))
            << QString::fromUtf16(c.escaped).toStdString();
}

TEST(MarkupEntities, UnescapeReadsKnownEntitiesOnly)
{
    struct Case {
        const char16_t* text;
        bool withCharacters;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"&euro;", true, u"\u20AC"},
        {u"&euro;", false, u"&euro;"},
        {u"&lt;b&gt; &amp; &quot;", false, u"<b> & \""},
        {u"&amp;lt;", false, u"&lt;"},
        {u"&nbsp;&LT;&", true, u"&nbsp;&LT;&"},
        {u"&Eacute;&eacute;", true, u"\u00C9\u00E9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnescapeMarkupText(QString::fromUtf16(c.text), c.withCharacters), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.text).toStdString();
}

} // namespace
