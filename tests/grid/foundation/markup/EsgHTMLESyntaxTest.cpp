#include "grid/foundation/markup/EsgHTMLESyntax.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkupPreprocessing, PreparesTheWholeText)
{
    struct Case {
        const char16_t* text;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"a&amp;b", u"a&&b"},
        // Repeated until nothing changes: what one replacement yields is read again.
        {u"&amp;amp;", u"&&&"},
        {u"&amp;quot;", u"&\""},
        {u"&quot;&sect;&permil;&reg;&copy;&para;&trade;&euro;",
         u"\"\u00A7\u2030\u00AE\u00A9\u00B6\u2122\u20AC"},
        {u"&euro;&euro;", u"\u20AC\u20AC"},
        {u"&eacute; &QUOT; &amp", u"&eacute; &QUOT; &amp"},
        {u"&lt;b&gt;", u"&lt;b&gt;"},
        {u"<#tag> x", u"#tag x"},
        {u"a <#1> and <#2>", u"a #1 and #2"},
        {u"<#open", u"#open"},
        {u"<<#x>", u"#x"},
        {u"one\r\ntwo", u"one<BR>two"},
        {u"one\ntwo\r", u"onetwo<BR>"},
        {u"<#1>&amp;\r\n", u"#1&&<BR>"},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreprocessMarkupText(QString::fromUtf16(c.text)), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(MarkupPreprocessing, StepsAreAvailableOnTheirOwn)
{
    EXPECT_EQ(RemoveHashTagBrackets("x<#a>&amp;"), "x#a&amp;");
    EXPECT_EQ(LineEndsToBreakTags("a\r\nb\nc\r", false), "abc");
    EXPECT_EQ(LineEndsToBreakTags("a\r\nb\nc\r", true), "a<BR>bc<BR>");
    EXPECT_EQ(ReplaceMarkupCharacterEntities("<#a>&amp;"), "<#a>&&");
}

TEST(MarkupRuns, AreCutAtTagsAndBlanks)
{
    struct Case {
        const char* text;
        bool wordWrap;
        int length;
    };
    const Case cases[] = {
        {"ab cd<B>", true, 3}, {"ab cd<B>", false, 5}, {"abc", true, 3},   {"ab<B> cd", true, 2},
        {"<B>x", true, 0},     {"", true, 0},          {" x", true, 1},    {"a&nbsp;b c", true, 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MarkupRunLength(c.text, c.wordWrap), c.length) << c.text << " " << c.wordWrap;
}

TEST(MarkupRuns, ReplaceTheirThreeEntities)
{
    EXPECT_EQ(ReplaceMarkupRunEntities("&lt;b&gt;"), "<b>");
    EXPECT_EQ(ReplaceMarkupRunEntities("a&nbsp;b&nbsp;&nbsp;c"), "a b  c");
    EXPECT_EQ(ReplaceMarkupRunEntities("&eacute;&LT;"), "&eacute;&LT;");
    EXPECT_EQ(ReplaceMarkupRunEntities("&&lt;"), "&<");
}

TEST(MarkupTags, AreRecognisedByTheirLeadingLetters)
{
    using T = MarkupTag;
    struct Case {
        const char* rest;
        T tag;
        bool closing;
    };
    const Case cases[] = {
        {"<A HREF=\"x\">", T::A, false},
        {"<ANYTHING>", T::A, false},
        {"<B>", T::B, false},
        {"<b>", T::B, false},
        {"<BR>", T::BR, false},
        {"<br/>", T::BR, false},
        {"<BLINK>", T::BLINK, false},
        {"<BODY bgcolor=\"clred\">", T::BODY, false},
        {"<BIG>", T::Unknown, false},
        {"<B", T::Unknown, false},
        {"<CONTROL TYPE=\"EDIT\">", T::CONTROL, false},
        {"<E>", T::E, false},
        {"<FONT>", T::FONT, false},
        {"<HI>", T::HI, false},
        {"<HR>", T::HR, false},
        {"<H1>", T::Unknown, false},
        {"<I>", T::I, false},
        {"<IN x=\"3\">", T::IN, false},
        {"<IMG SRC=\"A\">", T::IMG, false},
        {"<IX>", T::Unknown, false},
        {"<LI>", T::LI, false},
        {"<P>", T::P, false},
        {"<R a=\"90\">", T::R, false},
        {"<S>", T::S, false},
        {"<SH>", T::SH, false},
        {"<SUB>", T::SUB, false},
        {"<sup>", T::SUP, false},
        {"<SUBX>", T::Unknown, false},
        {"<SPAN>", T::Unknown, false},
        {"<U>", T::U, false},
        {"<UL>", T::UL, false},
        {"<Ux", T::UL, false},
        {"<Z>", T::Z, false},
        {"<Q>", T::Unknown, false},
        {"<#x>", T::Unknown, false},
        {"</A>", T::A, true},
        {"</B>", T::B, true},
        {"</BLINK>", T::BLINK, true},
        {"</BODY>", T::BLINK, true},
        {"</E>", T::E, true},
        {"</FONT>", T::FONT, true},
        {"</HI>", T::HI, true},
        {"</I>", T::I, true},
        {"</LI>", T::LI, true},
        {"</P>", T::P, true},
        {"</R>", T::R, true},
        {"</SUB>", T::SUB, true},
        {"</sup>", T::SUB, true},
        {"</SH>", T::SH, true},
        {"</S>", T::S, true},
        {"</STRIKE>", T::S, true},
        {"</U>", T::U, true},
        {"</UL>", T::UL, true},
        {"</Z>", T::Z, true},
        {"</C>", T::Unknown, true},
        {"</B", T::Unknown, true}, // not longer than three characters
        {"", T::Unknown, false},
        {"B>", T::Unknown, false},
    };
    for (const Case& c : cases) {
        const MarkupTagKind kind = RecognizeMarkupTag(c.rest);
        EXPECT_EQ(kind.Tag, c.tag) << c.rest;
        EXPECT_EQ(kind.Closing, c.closing) << c.rest;
    }
}

TEST(MarkupTags, TagTextEndsBeforeTheFirstClosingBracket)
{
    EXPECT_EQ(MarkupTagText("<B>rest>"), "<B");
    EXPECT_EQ(MarkupTagText("<A HREF=\"a\">x"), "<A HREF=\"a\"");
    EXPECT_EQ(MarkupTagText("<open"), "<open");
    EXPECT_EQ(MarkupTagEnd("ab<c>d"), 4);
    EXPECT_EQ(MarkupTagEnd("ab<c>d>", 5), 6);
    EXPECT_EQ(MarkupTagEnd("ab<c"), -1);

    EXPECT_EQ(MarkupAttributeText("<FONT COLOR=\"clred\"", MarkupTag::FONT), " COLOR=\"clred\"");
    EXPECT_EQ(MarkupAttributeText("<BODY BGCOLOR=\"#FF0000\"", MarkupTag::BODY), " BGCOLOR=\"#FF0000\"");
    EXPECT_EQ(MarkupAttributeText("<CONTROL ID=\"1\"", MarkupTag::CONTROL), " ID=\"1\"");
    EXPECT_EQ(MarkupAttributeText("<A HREF=\"x\"", MarkupTag::A), " HREF=\"x\"");
}

TEST(MarkupTags, AttributesAreFoundAnywhereWithoutCase)
{
    struct Case {
        const char* text;
        const char* name;
        bool found;
        const char* value;
    };
    const Case cases[] = {
        {" href=\"Page.htm\"", "HREF", true, "Page.htm"},
        {" HREF = \"a b\" title=\"T\"", "title", true, "T"},
        {" href='x'", "HREF", true, ""},   // single quotes give no value
        {" href=x", "HREF", true, ""},     // unquoted gives no value
        {" href=\"open", "HREF", true, ""}, // no closing quote
        {" title=\"t\"", "HREF", false, ""},
        {" xhrefy=\"v\"", "HREF", true, "v"}, // the name is searched anywhere
    };
    for (const Case& c : cases) {
        QString value = "untouched";
        EXPECT_EQ(FindMarkupAttribute(c.text, c.name, value), c.found) << c.text;
        EXPECT_EQ(value, c.found ? QString(c.value) : QString("untouched")) << c.text;
    }

    const auto quoted = FindMarkupAttributeSpan(" id=\"a\" value=\"xy\"", "VALUE");
    ASSERT_TRUE(quoted.has_value());
    EXPECT_EQ(quoted->NameStart, 8);
    EXPECT_EQ(quoted->ValueStart, 15);
    EXPECT_EQ(quoted->ValueLength, 2);
    const auto unquoted = FindMarkupAttributeSpan(" value=xy", "value");
    ASSERT_TRUE(unquoted.has_value());
    EXPECT_EQ(unquoted->ValueStart, -1);
    EXPECT_FALSE(FindMarkupAttributeSpan(" id=\"a\"", "VALUE").has_value());
}

TEST(MarkupNumbers, AreReadFromTheStartOfTheValue)
{
    struct Case {
        const char* text;
        int value;
        bool readable;
    };
    const Case cases[] = {
        {"12", 12, true},           {"  12px", 12, true},   {"007", 7, true},
        {"$1F", 31, true},          {"x1f", 31, true},      {"X10", 16, true},
        {"0x10", 16, true},         {"0X1g", 1, true},      {"0", 0, true},
        {"", 0, false},             {"abc", 0, false},      {"-5", 0, false},
        {"$", 0, false},            {"0xZ", 0, false},      {"2147483647", 2147483647, true},
        {"2147483648", 0, false},   {"99999999999", 0, false},
    };
    for (const Case& c : cases) {
        const MarkupNumber number = ReadMarkupNumber(c.text);
        EXPECT_EQ(number.Value, c.value) << c.text;
        EXPECT_EQ(number.Readable, c.readable) << c.text;
        EXPECT_EQ(ParseLeadingInt(c.text), c.value) << c.text;
    }
}

TEST(MarkupColors, HexadecimalPairsAndForms)
{
    struct PairCase {
        const char* text;
        int value;
    };
    const PairCase pairs[] = {
        {"00", 0}, {"FF", 255}, {"1A", 26}, {"9F", 159}, {"F", 0}, {"", 0},
        {"ff", 16 * 47 + 47}, // lower-case digits count as their code minus 55
    };
    for (const PairCase& c : pairs)
        EXPECT_EQ(HexPairValue(c.text), c.value) << c.text;

    struct ColorCase {
        const char* text;
        TColor color;
    };
    const ColorCase colors[] = {
        {"#00FF00", RGB(0, 255, 0)},
        {"#FF0000", RGB(255, 0, 0)}, // red lands in the lowest byte
        {"#0000FF", RGB(0, 0, 255)},
        {"#102030", RGB(0x10, 0x20, 0x30)},
        {"#FF00", RGB(255, 0, 0)},
        {"#", 0},
        {"#ff0000", RGB(0x1F, 0, 0)},
    };
    for (const ColorCase& c : colors)
        EXPECT_EQ(ColorFromHex(c.text), c.color) << c.text;
}

TEST(MarkupColors, NamesGiveFixedAndSystemColours)
{
    struct Case {
        const char* name;
        TColor color;
    };
    const Case names[] = {
        {"clred", RGB(255, 0, 0)},       {"clgreen", RGB(0, 128, 0)},   {"clnavy", RGB(0, 0, 128)},
        {"clmaroon", RGB(128, 0, 0)},    {"clsilver", RGB(192, 192, 192)}, {"clblack", 0},
        {"clbackground", 0xFF000001},    {"clbtnface", 0xFF00000F},     {"cl3ddkshadow", 0xFF000015},
        {"clinfobk", 0xFF000018},        {"clhighlight", 0xFF00000D},   {"clunknown", 0},
        {"CLRED", 0}, // the name arrives in lower case
        {"", 0},
    };
    for (const Case& c : names)
        EXPECT_EQ(ColorFromName(c.name), c.color) << c.name;

    const Case values[] = {
        {"#00FF00", RGB(0, 255, 0)}, {"clGreen", RGB(0, 128, 0)}, {"CLGREEN", RGB(0, 128, 0)},
        {"red", 0},                  {"CLWINDOW", clWindow},      {"", 0},
    };
    for (const Case& c : values)
        EXPECT_EQ(MarkupColorValue(c.name), c.color) << c.name;
}

TEST(MarkupColors, HighlightColoursStartAsTheSystemHighlight)
{
    EXPECT_EQ(MarkupHighlightBackColor(), clHighlight);
    EXPECT_EQ(MarkupHighlightTextColor(), clHighlightText);
    SetMarkupHighlightColors(clYellow, clBlack);
    EXPECT_EQ(MarkupHighlightBackColor(), clYellow);
    EXPECT_EQ(MarkupHighlightTextColor(), clBlack);
    SetMarkupHighlightColors(clHighlight, clHighlightText);
}

TEST(MarkupTagAttributes, Anchor)
{
    const MarkupAnchorAttributes a = ParseAnchorTag("<A href=\"Page.HTM\" title=\"The Page\"");
    EXPECT_TRUE(a.HasHref);
    EXPECT_EQ(a.Href, "Page.HTM");
    EXPECT_EQ(a.Title, "The Page");

    const MarkupAnchorAttributes none = ParseAnchorTag("<A title=\"t\"");
    EXPECT_FALSE(none.HasHref);
    EXPECT_EQ(none.Title, "t");
    EXPECT_FALSE(ParseAnchorTag("<A href=\"\"").HasHref);
}

TEST(MarkupTagAttributes, Font)
{
    const MarkupFontAttributes f =
        ParseFontTag("<FONT face=\"Arial\" color=\"clGreen\" bgcolor=\"#0000FF\" size=\"3\"");
    EXPECT_EQ(f.Face, "ARIAL");
    EXPECT_EQ(f.Color, RGB(0, 128, 0));
    EXPECT_EQ(f.BackColor, RGB(0, 0, 255));
    EXPECT_EQ(f.SizePoints, 12);

    // BGCOLOR alone is no COLOR.
    const MarkupFontAttributes bg = ParseFontTag("<FONT bgcolor=\"clred\"");
    EXPECT_FALSE(bg.Color.has_value());
    EXPECT_EQ(bg.BackColor, RGB(255, 0, 0));
    EXPECT_FALSE(bg.Face.has_value());
    EXPECT_FALSE(bg.SizePoints.has_value());

    struct SizeCase {
        const char* tag;
        std::optional<int> points;
    };
    const SizeCase sizes[] = {
        {"<FONT size=\"1\"", 8},  {"<FONT size=\"2\"", 10}, {"<FONT size=\"3\"", 12},
        {"<FONT size=\"4\"", 14}, {"<FONT size=\"5\"", 16}, {"<FONT size=\"20\"", 20},
        {"<FONT size=7", 7},      // unquoted: read right after "="
        {"<FONT size=3 color=\"clred\"", 0}, // a later quote is taken instead
        {"<FONT size", std::nullopt},
        {"<FONT color=\"#00FF00\"", std::nullopt},
    };
    for (const SizeCase& c : sizes)
        EXPECT_EQ(ParseFontTag(c.tag).SizePoints, c.points) << c.tag;

    EXPECT_EQ(ParseFontTag("<FONT color=\"#00ff00\"").Color, RGB(0, 255, 0)); // upper-cased first
    EXPECT_EQ(ParseFontTag("<FONT color=\"nothing\"").Color, 0u);
}

TEST(MarkupTagAttributes, Paragraph)
{
    struct Case {
        const char* tag;
        std::optional<int> alignment;
        std::optional<int> indent;
        std::optional<TColor> back;
    };
    const Case cases[] = {
        {"<P align=\"right\"", 1, std::nullopt, std::nullopt},
        {"<P align=\"center\" indent=\"12\"", 2, 12, std::nullopt},
        {"<P align=\"left\"", 0, std::nullopt, std::nullopt},
        {"<P align=\"rightleft\"", 0, std::nullopt, std::nullopt}, // the last match wins
        {"<P align=\"centerright\"", 2, std::nullopt, std::nullopt},
        {"<P align=\"justify\"", 0, std::nullopt, std::nullopt},
        {"<P bgcolor=\"clYellow\"", std::nullopt, std::nullopt, RGB(255, 255, 0)},
        {"<P bgcolor=\"\"", std::nullopt, std::nullopt, clNone},
        {"<P indent=\"x\"", std::nullopt, 0, std::nullopt},
        {"<P", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const MarkupParagraphAttributes p = ParseParagraphTag(c.tag);
        EXPECT_EQ(p.Alignment, c.alignment) << c.tag;
        EXPECT_EQ(p.Indent, c.indent) << c.tag;
        EXPECT_EQ(p.BackColor, c.back) << c.tag;
    }
}

TEST(MarkupPictureSources, TakeTheirFormsInOrder)
{
    using K = MarkupPictureKind;
    using S = MarkupLocationScheme;
    struct Case {
        const char* source;
        K kind;
        int number;
        bool numberGiven;
        const char* name;
        S scheme;
    };
    const Case cases[] = {
        {"IDX:2", K::ImageListIndex, 2, true, "", S::Other},
        {"idx:12", K::ImageListIndex, 12, true, "", S::Other},
        {"IDX:", K::ImageListIndex, 0, true, "", S::Other},
        {"SSYS:3", K::SmallSystemIcon, 3, true, "3", S::Other},
        {"LSYS:/home/x", K::LargeSystemIcon, 0, false, "/home/x", S::Other},
        {"LOGO", K::ContainerName, 0, false, "LOGO", S::Other},
        {"logo", K::ContainerName, 0, false, "LOGO", S::Other},
        {"file:///Pics/a.png", K::Location, 0, false, "file:///Pics/a.png", S::File},
        {"RES://LOGO", K::Location, 0, false, "RES://LOGO", S::Resource},
        {"http://x/a.png", K::Location, 0, false, "http://x/a.png", S::Other},
        {"C:\\a.bmp", K::None, 0, false, "", S::Other},
        {"", K::None, 0, false, "", S::Other},
    };
    for (const Case& c : cases) {
        const MarkupPictureSource s = ParseMarkupPictureSource(c.source);
        EXPECT_EQ(s.Kind, c.kind) << c.source;
        EXPECT_EQ(s.Number, c.number) << c.source;
        EXPECT_EQ(s.NumberGiven, c.numberGiven) << c.source;
        if (c.kind == K::ImageListIndex)
            continue;
        EXPECT_EQ(s.Name, c.name) << c.source;
        EXPECT_EQ(s.Scheme, c.scheme) << c.source;
    }
}

TEST(MarkupTagAttributes, Image)
{
    const MarkupImageAttributes img =
        ParseImageTag("<IMG src=\"idx:1\" alt=\"Logo\" width=\"32\" height=\"x\" align=\"middle\"");
    EXPECT_EQ(img.Source.Kind, MarkupPictureKind::ImageListIndex);
    EXPECT_EQ(img.Source.Number, 1);
    ASSERT_TRUE(img.HoverSource.has_value());
    EXPECT_EQ(img.HoverSource->Kind, MarkupPictureKind::ContainerName);
    EXPECT_EQ(img.HoverSource->Name, "LOGO");
    EXPECT_EQ(img.Width, 32);
    EXPECT_EQ(img.Height, 0);
    EXPECT_EQ(img.Align, MarkupImageAlign::Middle);

    const MarkupImageAttributes file = ParseImageTag("<IMG src=\"file:///home/Me/a.png\" align=\"top\"");
    EXPECT_EQ(file.Source.Kind, MarkupPictureKind::Location);
    EXPECT_EQ(file.Source.Name, "file:///home/Me/a.png");
    EXPECT_EQ(file.Source.Scheme, MarkupLocationScheme::File);
    EXPECT_FALSE(file.HoverSource.has_value());
    EXPECT_EQ(file.Align, MarkupImageAlign::Top);
    EXPECT_EQ(file.Width, 0);

    EXPECT_EQ(ParseImageTag("<IMG src=\"a\" align=bottom").Align, MarkupImageAlign::None);
    EXPECT_EQ(ParseImageTag("<IMG").Source.Kind, MarkupPictureKind::None);
}

TEST(MarkupTagAttributes, Body)
{
    const MarkupBodyAttributes b = ParseBodyTag("<BODY background=\"Tile\" bgcolor=\"clRed\"");
    ASSERT_TRUE(b.Background.has_value());
    EXPECT_EQ(b.Background->Kind, MarkupPictureKind::ContainerName);
    EXPECT_EQ(b.Background->Name, "TILE");
    EXPECT_EQ(b.BackColor, RGB(255, 0, 0));

    // No image lists and no system icons behind a body.
    EXPECT_EQ(ParseBodyTag("<BODY background=\"IDX:1\"").Background->Kind, MarkupPictureKind::None);
    EXPECT_EQ(ParseBodyTag("<BODY background=\"res://Tile\"").Background->Name, "res://Tile");

    struct Case {
        const char* tag;
        std::optional<TColor> back;
    };
    const Case cases[] = {
        {"<BODY bgcolor=\"#00FF00\"", RGB(0, 255, 0)},
        {"<BODY bgcolor=\"clWindow\"", clWindow},
        {"<BODY bgcolor=\"red\"", clNone},
        {"<BODY", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseBodyTag(c.tag).BackColor, c.back) << c.tag;
}

TEST(MarkupTagAttributes, IndentAndRotation)
{
    struct Case {
        const char* tag;
        std::optional<int> indent;
    };
    const Case indents[] = {
        {"<IN x=\"40\"", 40}, {"<IN X=\"$10\"", 16}, {"<IN x=\"far\"", std::nullopt},
        {"<IN", std::nullopt}, {"<IN x=40", std::nullopt},
    };
    for (const Case& c : indents)
        EXPECT_EQ(ParseIndentTag(c.tag), c.indent) << c.tag;

    EXPECT_EQ(ParseRotationTag("<R a=\"90\""), 90);
    EXPECT_EQ(ParseRotationTag("<R A=\"45\""), 45);
    EXPECT_EQ(ParseRotationTag("<R"), 0);
}

TEST(MarkupControls, TagAttributesKindsAndValues)
{
    const MarkupControlTag c = ParseControlTag(
        "<CONTROL type=\"edit\" id=\"Name\" value=\"Caf&eacute; &lt;1&gt;\" width=\"80\" height=\"30\" "
        "prop=\"a&amp;b\" maxlen=\"12\"");
    EXPECT_EQ(c.Type, "EDIT");
    EXPECT_EQ(c.ID, "Name");
    EXPECT_EQ(c.Value, QString::fromUtf16(u"Caf\u00E9 <1>"));
    EXPECT_EQ(c.Width, "80");
    EXPECT_EQ(c.Height, "30");
    EXPECT_EQ(c.Prop, "a&b");
    EXPECT_EQ(c.MaxLen, "12");

    const MarkupControlTag bare = ParseControlTag("<CONTROL TYPE=\"CHECK\"");
    EXPECT_EQ(bare.Type, "CHECK");
    EXPECT_TRUE(bare.ID.isEmpty());
    EXPECT_TRUE(bare.Width.isEmpty());
    EXPECT_TRUE(bare.MaxLen.isEmpty());

    struct KindCase {
        const char* type;
        MarkupControlKind kind;
    };
    const KindCase kinds[] = {
        {"CHECK", MarkupControlKind::Check},       {"RADIO", MarkupControlKind::Radio},
        {"EDIT", MarkupControlKind::Edit},         {"MASK", MarkupControlKind::Mask},
        {"PASSWORD", MarkupControlKind::Password}, {"COMBO", MarkupControlKind::Combo},
        {"BUTTON", MarkupControlKind::Button},     {"SLIDER", MarkupControlKind::Unknown},
        {"", MarkupControlKind::Unknown},
    };
    for (const KindCase& k : kinds)
        EXPECT_EQ(MarkupControlKindOf(k.type), k.kind) << k.type;

    EXPECT_TRUE(MarkupControlChecked("true"));
    EXPECT_TRUE(MarkupControlChecked("TRUE"));
    EXPECT_FALSE(MarkupControlChecked("FALSE"));
    EXPECT_FALSE(MarkupControlChecked("1"));
    EXPECT_EQ(PasswordMask("abc d"), "*****");
    EXPECT_EQ(PasswordMask(""), "");
}

} // namespace
