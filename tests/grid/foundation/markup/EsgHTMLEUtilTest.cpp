#include "grid/foundation/markup/EsgHTMLEUtil.h"

#include "platform/ui/paint/DrawText.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkupPlainText, StripRemovesTagsOnce)
{
    struct Case {
        const char* text;
        const char* plain;
    };
    const Case cases[] = {
        {"a <b>bold</b> word", "a bold word"},
        {"one<br>two<HR>three", "one\r\ntwo\r\nthree"},
        {"one<BR>two<hr>three", "one\r\ntwo\r\nthree"},
        {"one<br/>two", "onetwo"},
        {"kept <b>x</b> and <open tail", "kept x and <open tail"},
        {"a &lt;b&gt; &amp;", "a &lt;b&gt; &amp;"},
        {"", ""},
        {"<>", ""},
        {"a>b", "a>b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StripMarkupTags(c.text), QString(c.plain)) << c.text;
}

TEST(MarkupSmallRoutines, FindAndReplace)
{
    EXPECT_EQ(PosIgnoreCase("Bc", "aBC"), 2);
    EXPECT_EQ(PosIgnoreCase("x", "abc"), 0);
    EXPECT_EQ(PosIgnoreCase("", "abc"), 0);
    // Only a to z change case.
    EXPECT_EQ(PosIgnoreCase(QString::fromUtf16(u"\u00E9"), QString::fromUtf16(u"\u00C9")), 0);

    int position = 99;
    EXPECT_EQ(FindPos("c", "abc", position), 3);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(FindPos("C", "abc", position), 0);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(FindPosUpper("BC", "abc", position), 2);
    EXPECT_EQ(position, 2);

    QString text = "one <CONTROL x> <control y>";
    EXPECT_TRUE(ReplaceFirst("<control", "<C", text));
    EXPECT_EQ(text, "one <C x> <control y>");
    EXPECT_FALSE(ReplaceFirst("zz", "y", text));
    EXPECT_EQ(text, "one <C x> <control y>");
}

TEST(MarkupSmallRoutines, RightToLeftFlags)
{
    struct Case {
        unsigned flags;
        int bidi;
        bool middleEast;
        unsigned expected;
    };
    const unsigned rtl = MarkupRtlReadingFlag;
    const Case cases[] = {
        {DT_RIGHT, 1, false, DT_RIGHT},
        {DT_LEFT, 1, true, DT_RIGHT | rtl},
        {DT_RIGHT | DT_BOTTOM, 1, true, DT_BOTTOM | rtl},
        {DT_CENTER, 1, true, DT_CENTER | rtl},
        {DT_LEFT, 0, true, DT_LEFT},
        {DT_LEFT, 2, true, DT_LEFT | rtl},
        {DT_RIGHT, 3, true, DT_RIGHT | rtl},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BiDiTextFlags(c.flags, c.bidi, c.middleEast), c.expected)
            << c.flags << " " << c.bidi << " " << c.middleEast;
}

// A cell with a check box, an edit and a combo, as the grid writes them.
const QString formCell = "<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"TRUE\" WIDTH=\"16\" HEIGHT=\"30\"> agree "
                         "<control type=\"edit\" id=\"name\" value=\"Caf&eacute;\" width=\"80\" maxlen=\"20\"> "
                         "<CONTROL TYPE=\"COMBO\" ID=\"pick\" VALUE=\"b\" WIDTH=\"60\" PROP=\"a&amp;b\">";

TEST(MarkupControlValues, AreReadByControlId)
{
    EXPECT_TRUE(HasControlTag(formCell));
    EXPECT_TRUE(HasControlTag("x <Control"));
    EXPECT_FALSE(HasControlTag("<CONTRO L>"));

    struct Case {
        const char* id;
        bool found;
        QString value;
        QString prop;
        int maxLen;
    };
    const Case cases[] = {
        {"ok", true, "TRUE", "", 0},
        {"name", true, QString::fromUtf16(u"Caf\u00E9"), "", 20},
        {"pick", true, "b", "a&b", 0},
        {"NAME", false, "", "", 0}, // IDs compare exactly
        {"none", false, "", "", 0},
    };
    for (const Case& c : cases) {
        QString value = "untouched";
        EXPECT_EQ(GetControlTagValue(formCell, c.id, value), c.found) << c.id;
        EXPECT_EQ(value, c.found ? c.value : QString("untouched")) << c.id;
        EXPECT_EQ(GetControlTagProp(formCell, c.id), c.prop) << c.id;
        EXPECT_EQ(GetControlTagMaxLen(formCell, c.id), c.maxLen) << c.id;
    }
}

TEST(MarkupControlValues, NextEditableControlSkipsButtonsAndChecks)
{
    const QString cell = "<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"40\"><CONTROL TYPE=\"RADIO\" ID=\"r\" WIDTH=\"16\">"
                         "<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\"><CONTROL TYPE=\"PASSWORD\" ID=\"p\" WIDTH=\"40\">"
                         "<CONTROL TYPE=\"BUTTON\" ID=\"b2\" WIDTH=\"40\"><CONTROL TYPE=\"MASK\" ID=\"m\" WIDTH=\"40\">";
    struct Case {
        const char* id;
        const char* next;
    };
    const Case cases[] = {{"", "p"}, {"b", "p"}, {"c", "p"}, {"p", "m"}, {"b2", "m"}, {"m", ""}, {"zz", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(NextEditableControlId(cell, c.id), QString(c.next)) << c.id;
    EXPECT_EQ(NextEditableControlId("no controls", ""), "");
}

TEST(MarkupControlValues, SetRewritesOnlyTheValue)
{
    struct Case {
        QString text;
        const char* id;
        QString value;
        QString expected;
    };
    const Case cases[] = {
        // HEIGHT and every other attribute stay as written.
        {"<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"TRUE\" WIDTH=\"16\" HEIGHT=\"30\"> a", "ok", "FALSE",
         "<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"FALSE\" WIDTH=\"16\" HEIGHT=\"30\"> a"},
        {"x <control id=\"e\" value=\"\" width=\"50\" prop=\"p&amp;q\"> y", "e", QString::fromUtf16(u"<\u00E9 & \">"),
         "x <control id=\"e\" value=\"&lt;&eacute; &amp; &quot;&gt;\" width=\"50\" prop=\"p&amp;q\"> y"},
        // A control without VALUE gets one.
        {"<CONTROL ID=\"e\" WIDTH=\"50\">", "e", "v", "<CONTROL ID=\"e\" WIDTH=\"50\" VALUE=\"v\">"},
        {"<CONTROL ID=\"e\" VALUE=v>", "e", "w", "<CONTROL ID=\"e\" VALUE=\"w\"v>"},
        // The first control with the ID; the others are untouched.
        {"<CONTROL ID=\"a\" VALUE=\"1\"><CONTROL ID=\"b\" VALUE=\"2\"><CONTROL ID=\"b\" VALUE=\"3\">", "b", "9",
         "<CONTROL ID=\"a\" VALUE=\"1\"><CONTROL ID=\"b\" VALUE=\"9\"><CONTROL ID=\"b\" VALUE=\"3\">"},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        EXPECT_TRUE(SetControlTagValue(text, c.id, c.value)) << c.text.toStdString();
        EXPECT_EQ(text, c.expected);
        QString back;
        EXPECT_TRUE(GetControlTagValue(text, c.id, back));
        EXPECT_EQ(back, c.value);
    }

    QString unchanged = formCell;
    EXPECT_FALSE(SetControlTagValue(unchanged, "missing", "x"));
    EXPECT_EQ(unchanged, formCell);
}

TEST(MarkupControlValues, ClearRadioControlsSetsEveryRadioFalse)
{
    const QString cell = "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"TRUE\" WIDTH=\"16\"> one "
                         "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"> "
                         "<control type=\"radio\" id=\"r\" value=\"true\" width=\"16\"> two "
                         "<CONTROL TYPE=\"RADIO\" ID=\"s\" WIDTH=\"16\">";
    EXPECT_EQ(ClearRadioControlTags(cell),
              "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"FALSE\" WIDTH=\"16\"> one "
              "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"> "
              "<control type=\"radio\" id=\"r\" value=\"FALSE\" width=\"16\"> two "
              "<CONTROL TYPE=\"RADIO\" ID=\"s\" WIDTH=\"16\" VALUE=\"FALSE\">");
    EXPECT_EQ(ClearRadioControlTags("plain"), "plain");
}

TEST(MarkupSearchMarking, VisibleTextAndIndexes)
{
    struct VisibleCase {
        const char* markup;
        const char* visible;
    };
    const VisibleCase visibles[] = {
        {"a<b>bc</b>d", "abcd"},
        {"plain", "plain"},
        {"a>b<i>c</i>", "a>b<i>c</i>"}, // the first ">" comes before the first "<"
        {"x<open", "x<open"},
        {"<b></b>", ""},
    };
    for (const VisibleCase& c : visibles)
        EXPECT_EQ(VisibleTextOfMarkup(c.markup), QString(c.visible)) << c.markup;

    struct IndexCase {
        const char* markup;
        int n;
        int index;
    };
    const IndexCase indexes[] = {
        {"a<b>bc</b>d", 1, 1}, {"a<b>bc</b>d", 2, 2}, // before the tag that precedes "b"
        {"a<b>bc</b>d", 3, 6}, {"a<b>bc</b>d", 4, 7},
        {"a<b>bc</b>d", 5, 12}, {"a<b>bc</b>d", 6, 0},
        {"", 1, 1},
    };
    for (const IndexCase& c : indexes)
        EXPECT_EQ(MarkupIndexOfVisible(c.markup, c.n), c.index) << c.markup << " " << c.n;

    int position = 7;
    EXPECT_EQ(FindNextVisibleMatch("ab", "xabab", 0, true, position), 2);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(FindNextVisibleMatch("ab", "xabab", 2, true, position), 4);
    EXPECT_EQ(FindNextVisibleMatch("ab", "xabab", 4, true, position), 0);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(FindNextVisibleMatch("AB", "xabab", 0, true, position), 0);
    EXPECT_EQ(FindNextVisibleMatch("AB", "xabab", 0, false, position), 2);
    EXPECT_EQ(FindNextVisibleMatch(QString::fromUtf16(u"\u00C9"), QString::fromUtf16(u"caf\u00E9"), 0, false, position), 4);
    EXPECT_EQ(FindNextVisibleMatch("", "abc", 0, false, position), 0);
}

TEST(MarkupSearchMarking, WrapAndRemove)
{
    struct Case {
        const char* text;
        const char* search;
        const char* tag;
        bool caseSensitive;
        const char* wrapped;
    };
    const Case cases[] = {
        {"abab", "ab", "hi", true, "<hi>ab</hi><hi>ab</hi>"}, // adjacent matches
        {"x <b>bold</b> y", "old", "hi", true, "x <b>b<hi>old</hi></b> y"},
        {"x <b>bold</b> y", "OLD", "hi", false, "x <b>b<hi>old</hi></b> y"},
        {"x <b>bold</b> y", "OLD", "hi", true, "x <b>bold</b> y"},
        {"a<b>bc</b>d", "bc", "e", true, "a<b><e>bc</e></b>d"},
        {"<b>ab</b>ab", "ba", "hi", true, "<b>a<hi>b</b>a</hi>b"},
        {"aaa", "aa", "hi", true, "<hi>aa</hi>a"},
        // Visible brackets are escaped first; the tags go with them.
        {"1 > 0 <i>x</i>", "0", "hi", true, "1 &gt; <hi>0</hi> &lt;i&gt;x&lt;/i&gt;"},
        {"a > b", "> b", "hi", true, "a <hi>&gt; b</hi>"},
        {"text", "", "hi", true, "text"},
        {"text", "zz", "hi", true, "text"},
        // A stray ">" before a "<" makes the visible text read past what the
        // markup shows; a match there leaves the whole text as it was.
        {"a>b<c", "C", "hi", false, "a>b<c"},
        {"x>y<x", "X", "hi", false, "x>y<x"},
        {"x>y<x", "x", "hi", true, "<hi>x</hi>&gt;y&lt;<hi>x</hi>"},
    };
    for (const Case& c : cases) {
        const QString wrapped = WrapMatchesInTag(c.text, c.search, c.tag, c.caseSensitive);
        EXPECT_EQ(wrapped, QString(c.wrapped)) << c.text << " / " << c.search;
        // Removing the tags gives the text back, except where escaping dropped tags.
        if (!QString(c.text).contains("<i>")) {
            EXPECT_EQ(RemoveTagPairs(wrapped, c.tag), QString(c.text)) << c.text;
        }
    }

    EXPECT_EQ(RemoveTagPairs("x <b>b<HI>old</hi></b> <hi>y</HI>", "hi"), "x <b>bold</b> y");
    EXPECT_EQ(RemoveTagPairs("<h<hi>i>a</hi>", "hi"), "a");
    EXPECT_EQ(RemoveTagPairs("1 &gt; <e>0</e>", "e"), "1 > 0");
    EXPECT_EQ(RemoveTagPairs("<high>", "hi"), "<high>");
}

// Every match is enclosed however many there are, and the tags stand exactly
// where a match at a time would have put them: across tags, between adjacent
// matches, with and without case. Removing them gives the text back.
TEST(MarkupSearchMarking, ManyMatchesAreEachEnclosed)
{
    const auto repeated = [](const QString& piece, int count) { return piece.repeated(count); };
    struct Case {
        const char* name;
        QString text;
        QString search;
        bool caseSensitive;
        QString wrapped;
    };
    const Case cases[] = {
        {"a cell of one matching character", repeated("a", 8000), "A", false, repeated("<hi>a</hi>", 8000)},
        {"matches across bold tags", repeated("<b>x</b>y", 4000), "XY", false, repeated("<b><hi>x</b>y</hi>", 4000)},
        {"every other character", repeated("ab", 5000), "b", true, repeated("a<hi>b</hi>", 5000)},
        {"escaped brackets", repeated("1<2 ", 3000), "<", true, repeated("1<hi>&lt;</hi>2 ", 3000)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapMatchesInTag(c.text, c.search, "hi", c.caseSensitive), c.wrapped) << c.name;
        EXPECT_EQ(RemoveTagPairs(c.wrapped, "hi"), c.text) << c.name;
    }
}

// In an escaped text an entity is the one character it stands for: a search
// finds it as that character, never finds its letters, and a tag never splits
// it. Stripping the tags alone then gives the escaped text back.
TEST(MarkupSearchMarking, EscapedMarkupIsSearchedAsItIsShown)
{
    struct Case {
        const char* text;
        const char* search;
        bool caseSensitive;
        const char* wrapped;
    };
    const Case cases[] = {
        {"a &amp; b", "a", true, "<hi>a</hi> &amp; b"},
        {"a &amp; b", "amp", false, "a &amp; b"},
        {"a &amp; b", "&", true, "a <hi>&amp;</hi> b"},
        {"&lt;B&gt;x&lt;/B&gt;", "<b>", false, "<hi>&lt;B&gt;</hi>x&lt;/B&gt;"},
        {"say &quot;hi&quot;", "\"hi\"", true, "say <hi>&quot;hi&quot;</hi>"},
        {"&amp;lt;", "lt", true, "&amp;<hi>lt</hi>;"},
        {"<e>Tom</e> &amp; Jerry", "tom &", false, "<e><hi>Tom</e> &amp;</hi> Jerry"},
        {"abab", "ab", true, "<hi>ab</hi><hi>ab</hi>"},
        {"a &amp", "&", true, "a <hi>&</hi>amp"},
        {"text", "", true, "text"},
    };
    for (const Case& c : cases) {
        const QString wrapped = WrapMatchesInEscapedMarkup(c.text, c.search, "hi", c.caseSensitive);
        EXPECT_EQ(wrapped, QString(c.wrapped)) << c.text << " / " << c.search;
        EXPECT_EQ(StripTagPairs(wrapped, "hi"), QString(c.text)) << c.text;
    }
    EXPECT_EQ(StripTagPairs("&lt;<HI>x</hi><e>y</e>", "hi"), "&lt;x<e>y</e>") << "entities and other tags stay";
}

} // namespace
