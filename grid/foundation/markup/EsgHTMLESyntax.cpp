#include "grid/foundation/markup/EsgHTMLESyntax.h"

#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"
#include "platform/core/SysUtils.h"

#include <array>
#include <climits>

namespace {

QChar upperAscii(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

// The character at i upper-cased, or a null character past the end.
QChar upperAt(const QString& text, qsizetype i)
{
    return i < text.size() ? upperAscii(text[i]) : QChar();
}

// Name searched in an upper-cased text (Name given in upper case); the value is
// between the first double quote after the name and the next one.
std::optional<MarkupAttributeSpan> findAttributeSpan(const QString& upperText, QStringView upperName)
{
    const qsizetype at = upperText.indexOf(upperName);
    if (at < 0)
        return std::nullopt;
    MarkupAttributeSpan span;
    span.NameStart = at;
    const qsizetype open = upperText.indexOf(MarkupQuoteChar, at + upperName.size());
    const qsizetype close = open < 0 ? -1 : upperText.indexOf(MarkupQuoteChar, open + 1);
    if (close >= 0) {
        span.ValueStart = open + 1;
        span.ValueLength = close - open - 1;
    }
    return span;
}

// The value of a found span; empty when it is not quoted.
QString spanValue(const QString& text, const MarkupAttributeSpan& span)
{
    return span.ValueStart < 0 ? QString() : text.mid(span.ValueStart, span.ValueLength);
}

std::optional<QString> attributeValue(const QString& upperText, QStringView upperName)
{
    const auto span = findAttributeSpan(upperText, upperName);
    if (!span)
        return std::nullopt;
    return spanValue(upperText, *span);
}

// The value of a found attribute passed through f; nothing when not found.
template <typename F>
auto mapValue(const std::optional<QString>& value, F f) -> std::optional<decltype(f(QString()))>
{
    if (!value)
        return std::nullopt;
    return f(*value);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

struct NamedColor {
    const char* Name;
    TColor Color;
};

// Tested in this order: the fixed colours first, then the system colours 1 to 24.
constexpr std::array<NamedColor, 40> colorNames{{
    {"clred", RGB(255, 0, 0)},
    {"clblack", RGB(0, 0, 0)},
    {"clblue", RGB(0, 0, 255)},
    {"clgreen", RGB(0, 128, 0)},
    {"claqua", RGB(0, 255, 255)},
    {"clyellow", RGB(255, 255, 0)},
    {"clfuchsia", RGB(255, 0, 255)},
    {"clwhite", RGB(255, 255, 255)},
    {"cllime", RGB(0, 255, 0)},
    {"clsilver", RGB(192, 192, 192)},
    {"clgray", RGB(128, 128, 128)},
    {"clolive", RGB(128, 128, 0)},
    {"clnavy", RGB(0, 0, 128)},
    {"clpurple", RGB(128, 0, 128)},
    {"clteal", RGB(0, 128, 128)},
    {"clmaroon", RGB(128, 0, 0)},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

struct CharacterEntity {
    const char* Entity;
    const char16_t* Replacement;
};

constexpr std::array<CharacterEntity, 9> characterEntities{{
    {"&amp;", u"&&"},
    {"&quot;", u"\""},
    {"&sect;", u"\u00A7"},
    {"&permil;", u"\u2030"},
    {"&reg;", u"\u00AE"},
    {"&copy;", u"\u00A9"},
    {"&para;", u"\u00B6"},
    {"&trade;", u"\u2122"},
    {"&euro;", u"\u20AC"},
}};

TColor highlightBackColor = clHighlight;
TColor highlightTextColor = clHighlightText;

// The picture a source names. Upper is the upper-cased value, Original the same
// value as written (a located picture keeps its case). The background of BODY
// knows neither image lists nor system icons.
MarkupPictureSource parsePictureSource(const QString& upper, const QString& original,
                                       bool withListsAndIcons)
{
    MarkupPictureSource source;
    if (withListsAndIcons) {
        if (upper.contains(QLatin1StringView("IDX:"))) {
            source.Kind = MarkupPictureKind::ImageListIndex;
            source.Number = ParseLeadingInt(upper.mid(4));
            source.NumberGiven = true;
            return source;
        }
        const bool small = upper.contains(QLatin1StringView("SSYS:"));
        if (small || upper.contains(QLatin1StringView("LSYS:"))) {
            source.Kind = small ? MarkupPictureKind::SmallSystemIcon : MarkupPictureKind::LargeSystemIcon;
            const MarkupNumber number = ReadMarkupNumber(upper.mid(5));
            source.Number = number.Value;
            source.NumberGiven = number.Readable;
            source.Name = original.mid(5);
            return source;
        }
    }
    if (upper.isEmpty())
        return source;
    if (!upper.contains(u':')) {
        source.Kind = MarkupPictureKind::ContainerName;
        source.Name = upper;
    } else if (upper.contains(QLatin1StringView("://"))) {
        source.Kind = MarkupPictureKind::Location;
        source.Name = original;
        if (upper.startsWith(QLatin1StringView("RES://")))
            source.Scheme = MarkupLocationScheme::Resource;
        else if (upper.startsWith(QLatin1StringView("FILE://")))
            source.Scheme = MarkupLocationScheme::File;
    }
    return source;
}

// A picture source attribute: its upper-cased value and the same span as written.
std::optional<MarkupPictureSource> pictureAttribute(const QString& upperText, const QString& text,
                                                    QStringView name, bool withListsAndIcons)
{
    const auto span = findAttributeSpan(upperText, name);
    if (!span)
        return std::nullopt;
    return parsePictureSource(spanValue(upperText, *span), spanValue(text, *span), withListsAndIcons);
}

// The value of a one-letter attribute of IN and R: the letter is searched after
// the tag's first two characters.
std::optional<QString> letterAttribute(const QString& tagText, QStringView upperLetter)
{
    const QString rest = tagText.mid(2);
    const auto span = findAttributeSpan(UpperCase(rest), upperLetter);
    if (!span)
        return std::nullopt;
    return spanValue(rest, *span);
}

} // namespace

// ---------------------------------------------------------------------------

QString ReplaceMarkupCharacterEntities(const QString& Text)
{
    if (!Text.contains(u'&'))
        return Text;
    // Entity matches never overlap, and only the "&&" of "&amp;" can start a
    // new one (with its second "&"), so one scan that reads that "&" again gives
    // the same text as replacing pass after pass until nothing changes.
    QString in = Text;
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size();) {
        if (in[i] != u'&') {
            out += in[i++];
            continue;
        }
        const QStringView rest = QStringView(in).sliced(i);
        const CharacterEntity* found = nullptr;
        for (const CharacterEntity& e : characterEntities)
            if (rest.startsWith(QLatin1StringView(e.Entity))) {
                found = &e;
                break;
            }
        if (!found) {
            out += in[i++];
        } else if (found == &characterEntities[0]) {
            out += u'&';
            i += 4;
            in[i] = u'&'; // the second "&" replaces the ";" and is read again
        } else {
            out += QStringView(found->Replacement);
            i += qsizetype(qstrlen(found->Entity));
        }
    }
    return out;
}

QString RemoveHashTagBrackets(const QString& Text)
{
    QString out = Text;
    qsizetype at = out.indexOf(QLatin1StringView("<#"));
    while (at >= 0) {
        out.remove(at, 1);
        const qsizetype close = out.indexOf(u'>', at);
        if (close >= 0)
            out.remove(close, 1);
        // A "<" just before may now stand before a "#".
        at = out.indexOf(QLatin1StringView("<#"), at > 0 ? at - 1 : 0);
    }
    return out;
}

QString LineEndsToBreakTags(const QString& Text, bool BreakTags)
{
    QString out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        if (c == u'\r') {
            if (BreakTags)
                out += QLatin1StringView("<BR>");
        } else if (c != u'\n') {
            out += c;
        }
    }
    return out;
}

QString PreprocessMarkupText(const QString& Text)
{
    return LineEndsToBreakTags(RemoveHashTagBrackets(ReplaceMarkupCharacterEntities(Text)), true);
}

int MarkupRunLength(const QString& Text, bool WordWrap)
{
    const qsizetype tag = Text.indexOf(u'<');
    const qsizetype end = tag < 0 ? Text.size() : tag;
    if (WordWrap) {
        const qsizetype blank = Text.indexOf(u' ');
        if (blank >= 0 && blank < end)
            return int(blank + 1);
    }
    return int(end);
}

QString ReplaceMarkupRunEntities(const QString& Run)
{
    if (!Run.contains(u'&'))
        return Run;
    QString out = Run;
    out.replace(QLatin1StringView("&nbsp;"), QLatin1StringView(" "));
    out.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
    out.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
    return out;
}

// ---------------------------------------------------------------------------

namespace {

MarkupTag closingTag(const QString& rest)
{
    const QChar next = upperAt(rest, 3);
    switch (upperAt(rest, 2).unicode()) {
    case u'A': return MarkupTag::A;
    case u'B': return next == u'>' ? MarkupTag::B : MarkupTag::BLINK;
    case u'E': return MarkupTag::E;
    case u'F': return MarkupTag::FONT;
    case u'H': return MarkupTag::HI;
    case u'I': return MarkupTag::I;
    case u'L': return MarkupTag::LI;
    case u'P': return MarkupTag::P;
    case u'R': return MarkupTag::R;
    case u'S': return next == u'U' ? MarkupTag::SUB : next == u'H' ? MarkupTag::SH : MarkupTag::S;
    case u'U': return next == u'>' ? MarkupTag::U : MarkupTag::UL;
    case u'Z': return MarkupTag::Z;
    default: return MarkupTag::Unknown;
    }
}

MarkupTag openingTag(const QString& rest)
{
    const QChar next = upperAt(rest, 2);
    switch (upperAt(rest, 1).unicode()) {
    case u'A': return MarkupTag::A;
    case u'B':
        switch (next.unicode()) {
        case u'>': return MarkupTag::B;
        case u'R': return MarkupTag::BR;
        case u'L': return MarkupTag::BLINK;
        case u'O': return MarkupTag::BODY;
        default: return MarkupTag::Unknown;
        }
    case u'C': return MarkupTag::CONTROL;
    case u'E': return MarkupTag::E;
    case u'F': return MarkupTag::FONT;
    case u'H': return next == u'I' ? MarkupTag::HI : next == u'R' ? MarkupTag::HR : MarkupTag::Unknown;
    case u'I':
        switch (next.unicode()) {
        case u'>': return MarkupTag::I;
        case u'N': return MarkupTag::IN;
        case u'M': return MarkupTag::IMG;
        default: return MarkupTag::Unknown;
        }
    case u'L': return MarkupTag::LI;
    case u'P': return MarkupTag::P;
    case u'R': return MarkupTag::R;
    case u'S': {
        const QString start = UpperCase(rest.left(5));
        if (start == QLatin1StringView("<SUB>"))
            return MarkupTag::SUB;
        if (start == QLatin1StringView("<SUP>"))
            return MarkupTag::SUP;
        return next == u'>' ? MarkupTag::S : next == u'H' ? MarkupTag::SH : MarkupTag::Unknown;
    }
    case u'U': return next == u'>' ? MarkupTag::U : MarkupTag::UL;
    case u'Z': return MarkupTag::Z;
    default: return MarkupTag::Unknown;
    }
}

} // namespace

MarkupTagKind RecognizeMarkupTag(const QString& Rest)
{
    if (Rest.size() < 2 || Rest[0] != u'<')
        return {};
    if (Rest[1] == u'/')
        return {Rest.size() > 3 ? closingTag(Rest) : MarkupTag::Unknown, true};
    return {openingTag(Rest), false};
}

int MarkupTagEnd(const QString& Text, int From)
{
    return int(Text.indexOf(u'>', From));
}

QString MarkupTagText(const QString& Rest)
{
    const qsizetype end = Rest.indexOf(u'>');
    return end < 0 ? Rest : Rest.left(end);
}

QString MarkupAttributeText(const QString& TagText, MarkupTag Tag)
{
    switch (Tag) {
    case MarkupTag::BODY:
    case MarkupTag::FONT: return TagText.mid(5);
    case MarkupTag::CONTROL: return TagText.mid(8);
    default: return TagText.mid(2);
    }
}

bool FindMarkupAttribute(const QString& AttributeText, const QString& Name, QString& Value)
{
    const auto span = FindMarkupAttributeSpan(AttributeText, Name);
    if (!span)
        return false;
    Value = spanValue(AttributeText, *span);
    return true;
}

std::optional<MarkupAttributeSpan> FindMarkupAttributeSpan(const QString& AttributeText, const QString& Name)
{
    return findAttributeSpan(UpperCase(AttributeText), UpperCase(Name));
}

// ---------------------------------------------------------------------------

MarkupNumber ReadMarkupNumber(const QString& Text)
{
    qsizetype i = 0;
    while (i < Text.size() && Text[i] == u' ')
        ++i;
    int base = 10;
    if (i < Text.size() && (Text[i] == u'$' || Text[i] == u'x' || Text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < Text.size() && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    qint64 value = 0;
    bool any = false;
    for (; i < Text.size(); ++i) {
        const int digit = hexDigit(Text[i]);
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
        if (value > INT_MAX)
            return {};
        any = true;
    }
    if (!any)
        return {};
    return {int(value), true};
}

int ParseLeadingInt(const QString& Text)
{
    return ReadMarkupNumber(Text).Value;
}

int HexPairValue(const QString& Text)
{
    if (Text.size() < 2)
        return 0;
    const auto value = [](QChar c) { return c < u'A' ? c.unicode() - u'0' : c.unicode() - 55; };
    return 16 * value(Text[0]) + value(Text[1]);
}

TColor ColorFromHex(const QString& Text)
{
    return RGB(HexPairValue(Text.mid(1, 2)), HexPairValue(Text.mid(3, 2)), HexPairValue(Text.mid(5, 2)));
}

TColor ColorFromName(const QString& Name)
{
    for (const NamedColor& c : colorNames)
        if (Name == QLatin1StringView(c.Name))
            return c.Color;
    return 0;
}

TColor MarkupColorValue(const QString& Value)
{
    if (Value.startsWith(u'#'))
        return ColorFromHex(Value);
    return ColorFromName(LowerCase(Value));
}

TColor MarkupHighlightBackColor()
{
    return highlightBackColor;
}

TColor MarkupHighlightTextColor()
{
    return highlightTextColor;
}

void SetMarkupHighlightColors(TColor BackColor, TColor TextColor)
{
    highlightBackColor = BackColor;
    highlightTextColor = TextColor;
}

// ---------------------------------------------------------------------------

MarkupAnchorAttributes ParseAnchorTag(const QString& TagText)
{
    const QString text = MarkupAttributeText(TagText, MarkupTag::A);
    MarkupAnchorAttributes anchor;
    FindMarkupAttribute(text, QStringLiteral("HREF"), anchor.Href);
    FindMarkupAttribute(text, QStringLiteral("TITLE"), anchor.Title);
    anchor.HasHref = !anchor.Href.isEmpty();
    return anchor;
}

int MarkupFontSizePoints(int Size)
{
    switch (Size) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return Size;
    }
}

MarkupFontAttributes ParseFontTag(const QString& TagText)
{
    const QString text = UpperCase(MarkupAttributeText(TagText, MarkupTag::FONT));
    MarkupFontAttributes font;
    font.Face = attributeValue(text, u"FACE");
    // With the blank before it, so that BGCOLOR does not count as COLOR.
    font.Color = mapValue(attributeValue(text, u" COLOR"), MarkupColorValue);
    font.BackColor = mapValue(attributeValue(text, u"BGCOLOR"), MarkupColorValue);
    const qsizetype size = text.indexOf(QLatin1StringView("SIZE"));
    const qsizetype equals = size < 0 ? -1 : text.indexOf(u'=', size + 4);
    if (equals >= 0) {
        const qsizetype quote = text.indexOf(MarkupQuoteChar, equals + 1);
        font.SizePoints = MarkupFontSizePoints(ParseLeadingInt(text.mid((quote < 0 ? equals : quote) + 1)));
    }
    return font;
}

MarkupParagraphAttributes ParseParagraphTag(const QString& TagText)
{
    const QString text = UpperCase(MarkupAttributeText(TagText, MarkupTag::P));
    MarkupParagraphAttributes paragraph;
    if (const auto align = attributeValue(text, u"ALIGN")) {
        int alignment = 0;
        if (align->contains(QLatin1StringView("RIGHT")))
            alignment = 1;
        if (align->contains(QLatin1StringView("LEFT")))
            alignment = 0;
        if (align->contains(QLatin1StringView("CENTER")))
            alignment = 2;
        paragraph.Alignment = alignment;
    }
    paragraph.Indent = mapValue(attributeValue(text, u"INDENT"), ParseLeadingInt);
    paragraph.BackColor = mapValue(attributeValue(text, u"BGCOLOR"), [](const QString& v) {
        return v.isEmpty() ? clNone : MarkupColorValue(v);
    });
    return paragraph;
}

MarkupPictureSource ParseMarkupPictureSource(const QString& Source)
{
    return parsePictureSource(UpperCase(Source), Source, true);
}

MarkupBodyAttributes ParseBodyTag(const QString& TagText)
{
    const QString text = MarkupAttributeText(TagText, MarkupTag::BODY);
    const QString upper = UpperCase(text);
    MarkupBodyAttributes body;
    body.Background = pictureAttribute(upper, text, u"BACKGROUND", false);
    body.BackColor = mapValue(attributeValue(upper, u"BGCOLOR"), [](const QString& v) {
        TColor color = clNone;
        if (v.contains(QLatin1StringView("CL")))
            color = ColorFromName(LowerCase(v));
        if (v.contains(u'#'))
            color = ColorFromHex(v);
        return color;
    });
    return body;
}

MarkupImageAttributes ParseImageTag(const QString& TagText)
{
    const QString text = MarkupAttributeText(TagText, MarkupTag::IMG);
    const QString upper = UpperCase(text);
    MarkupImageAttributes image;
    if (auto source = pictureAttribute(upper, text, u"SRC", true))
        image.Source = *source;
    image.HoverSource = pictureAttribute(upper, text, u"ALT", true);
    image.Width = ParseLeadingInt(attributeValue(upper, u"WIDTH").value_or(QString()));
    image.Height = ParseLeadingInt(attributeValue(upper, u"HEIGHT").value_or(QString()));
    if (const auto align = attributeValue(upper, u"ALIGN")) {
        if (align->startsWith(QLatin1StringView("TOP")))
            image.Align = MarkupImageAlign::Top;
        else if (align->startsWith(QLatin1StringView("MIDDLE")))
            image.Align = MarkupImageAlign::Middle;
    }
    return image;
}

std::optional<int> ParseIndentTag(const QString& TagText)
{
    const auto value = letterAttribute(TagText, u"X");
    if (!value)
        return std::nullopt;
    const MarkupNumber number = ReadMarkupNumber(*value);
    return number.Readable ? std::optional<int>(number.Value) : std::nullopt;
}

int ParseRotationTag(const QString& TagText)
{
    return ParseLeadingInt(letterAttribute(TagText, u"A").value_or(QString()));
}

// ---------------------------------------------------------------------------

MarkupControlKind MarkupControlKindOf(const QString& Type)
{
    static constexpr std::array<std::pair<const char*, MarkupControlKind>, 7> kinds{{
        {"CHECK", MarkupControlKind::Check},
        {"RADIO", MarkupControlKind::Radio},
        {"EDIT", MarkupControlKind::Edit},
        {"MASK", MarkupControlKind::Mask},
        {"PASSWORD", MarkupControlKind::Password},
        {"COMBO", MarkupControlKind::Combo},
        {"BUTTON", MarkupControlKind::Button},
    }};
    for (const auto& [name, kind] : kinds)
        if (Type == QLatin1StringView(name))
            return kind;
    return MarkupControlKind::Unknown;
}

MarkupControlTag ParseControlTag(const QString& TagText)
{
    const QString upper = UpperCase(TagText);
    const auto value = [&](const char16_t* name) {
        const auto span = findAttributeSpan(upper, QStringView(name));
        return span ? spanValue(TagText, *span) : QString();
    };
    MarkupControlTag control;
    control.Type = UpperCase(value(u"TYPE="));
    control.ID = value(u"ID=");
    control.Value = UnescapeMarkupText(value(u"VALUE="), true);
    control.Width = value(u"WIDTH=");
    control.Height = value(u"HEIGHT=");
    control.Prop = UnescapeMarkupText(value(u"PROP="), true);
    control.MaxLen = value(u"MAXLEN=");
    return control;
}

bool MarkupControlChecked(const QString& Value)
{
    return UpperCase(Value) == QLatin1StringView("TRUE");
}

QString PasswordMask(const QString& Text)
{
    return QString(Text.size(), u'*');
}
