#include "grid/foundation/markup/EsgHTMLEUtilSearch.h"

#include "grid/foundation/util/ExUtilCase.h"

#include <vector>

namespace {

QString escapeBrackets(const QString& text)
{
    QString out = text;
    out.replace(u'<', QLatin1StringView("&lt;"));
    out.replace(u'>', QLatin1StringView("&gt;"));
    return out;
}

// The index of every visible character of the markup, in order, as
// MarkupIndexOfVisible counts them: a character is hidden from a "<" through
// the next ">".
std::vector<qsizetype> visibleCharacterIndexes(const QString& markup)
{
    std::vector<qsizetype> indexes;
    indexes.reserve(size_t(markup.size()));
    bool insideTag = false;
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup[i];
        if (c == u'<')
            insideTag = true;
        if (!insideTag)
            indexes.push_back(i);
        if (c == u'>')
            insideTag = false;
    }
    return indexes;
}

// Where the tags of one match go into the markup (0-based indexes): the opening
// tag before the first matched character (after any tags before it), the
// closing tag after the last one (before any tags after it).
struct TagPlaces {
    qsizetype opening;
    qsizetype closing;
};

// The places of every non-overlapping match, from left to right; false when a
// match lies beyond the markup's visible characters (the visible text was read
// differently from the markup, which happens only with stray brackets).
bool matchPlaces(const QString& markup, const QString& visible, const QString& search, bool caseSensitive,
                 std::vector<TagPlaces>& places)
{
    if (search.isEmpty())
        return true;
    // Upper-casing keeps every character in its place, so positions in the
    // upper-cased text are positions in the visible text.
    const QString haystack = caseSensitive ? visible : platform::UpperCaseSameLength(visible);
    const QString needle = caseSensitive ? search : platform::UpperCaseSameLength(search);
    const std::vector<qsizetype> indexes = visibleCharacterIndexes(markup);
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + needle.size())) {
        const qsizetype last = at + needle.size() - 1;
        if (last >= qsizetype(indexes.size()))
            return false;
        places.push_back({indexes[size_t(at)], indexes[size_t(last)] + 1});
    }
    return true;
}

// The markup with the tag pair around every place, copied in one pass.
QString insertTagPairs(const QString& text, const std::vector<TagPlaces>& places, const QString& tag)
{
    const QString opening = u'<' + tag + u'>';
    const QString closing = QLatin1StringView("</") + tag + u'>';
    QString out;
    out.reserve(text.size() + qsizetype(places.size()) * (opening.size() + closing.size()));
    qsizetype copied = 0;
    const auto copyUpTo = [&](qsizetype index, const QString& inserted) {
        out += QStringView(text).sliced(copied, index - copied);
        out += inserted;
        copied = index;
    };
    for (const TagPlaces& place : places) {
        copyUpTo(place.opening, opening);
        copyUpTo(place.closing, closing);
    }
    out += QStringView(text).sliced(copied);
    return out;
}

// The entities that escaping writes, each shown as one character.
struct EscapedEntity {
    QLatin1StringView text;
    QChar shown;
};
constexpr EscapedEntity escapedEntities[] = {{QLatin1StringView("&amp;"), u'&'},
                                             {QLatin1StringView("&lt;"), u'<'},
                                             {QLatin1StringView("&gt;"), u'>'},
                                             {QLatin1StringView("&quot;"), u'"'}};

} // namespace

QString VisibleTextOfMarkup(const QString& Text)
{
    // Each search starts where the last tag ended, so the text is read once.
    QString out;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = Text.indexOf(u'<', from);
        const qsizetype close = Text.indexOf(u'>', from);
        if (open < 0 || close < 0 || open > close)
            break;
        out += QStringView(Text).sliced(from, open - from);
        from = close + 1;
    }
    out += QStringView(Text).sliced(from);
    return out;
}

int MarkupIndexOfVisible(const QString& Markup, int N)
{
    int counter = 1;
    bool insideTag = false;
    for (qsizetype i = 0; i < Markup.size(); ++i) {
        if (counter == N)
            return int(i + 1);
        const QChar c = Markup[i];
        if (c == u'<')
            insideTag = true;
        if (!insideTag)
            ++counter;
        if (c == u'>')
            insideTag = false;
    }
    return counter == N ? int(Markup.size() + 1) : 0;
}

int FindNextVisibleMatch(const QString& Search, const QString& Visible, int Start, bool CaseSensitive,
                         int& Position)
{
    Position = 0;
    if (Search.isEmpty() || Start < 0)
        return 0;
    const QString rest = Visible.mid(Start);
    const qsizetype at = CaseSensitive
                             ? rest.indexOf(Search)
                             : platform::UpperCaseSameLength(rest).indexOf(platform::UpperCaseSameLength(Search));
    if (at >= 0)
        Position = Start + int(at) + 1;
    return Position;
}

QString WrapMatchesInTag(const QString& Text, const QString& Search, const QString& Tag, bool CaseSensitive)
{
    QString text = Text;
    QString search = Search;
    QString visible = VisibleTextOfMarkup(text);
    if (text.contains(search) && (visible.contains(u'<') || visible.contains(u'>'))) {
        visible = escapeBrackets(visible);
        text = visible;
        search = escapeBrackets(search);
    }
    std::vector<TagPlaces> places;
    if (!matchPlaces(text, visible, search, CaseSensitive, places))
        return Text; // the markup does not match its visible text: leave it alone
    if (places.empty())
        return text;
    return insertTagPairs(text, places, Tag);
}

QString WrapMatchesInEscapedMarkup(const QString& Markup, const QString& Search, const QString& Tag,
                                   bool CaseSensitive)
{
    if (Search.isEmpty())
        return Markup;
    // What the markup shows, and for each shown character the markup it
    // stands for: from its opening index up to its closing one.
    QString shown;
    std::vector<TagPlaces> spans;
    bool insideTag = false;
    for (qsizetype i = 0; i < Markup.size(); ++i) {
        const QChar c = Markup[i];
        if (c == u'<')
            insideTag = true;
        if (!insideTag) {
            qsizetype length = 1;
            QChar character = c;
            const QStringView rest = QStringView(Markup).sliced(i);
            for (const EscapedEntity& entity : escapedEntities)
                if (c == u'&' && rest.startsWith(entity.text)) {
                    length = entity.text.size();
                    character = entity.shown;
                    break;
                }
            shown += character;
            spans.push_back({i, i + length});
            i += length - 1;
            continue;
        }
        if (c == u'>')
            insideTag = false;
    }
    const QString haystack = CaseSensitive ? shown : platform::UpperCaseSameLength(shown);
    const QString needle = CaseSensitive ? Search : platform::UpperCaseSameLength(Search);
    std::vector<TagPlaces> places;
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + needle.size()))
        places.push_back({spans[size_t(at)].opening, spans[size_t(at + needle.size() - 1)].closing});
    return insertTagPairs(Markup, places, Tag);
}

QString StripTagPairs(const QString& Text, const QString& Tag)
{
    const QString opening = u'<' + Tag + u'>';
    const QString closing = QLatin1StringView("</") + Tag + u'>';
    // One pass: a tag is dropped as soon as its last character is copied, so a
    // tag that forms only once an inner one is gone ("<h<hi>i>") goes as well,
    // as removing until none is left would have it.
    QString out;
    out.reserve(Text.size());
    for (const QChar c : Text) {
        out += c;
        if (c != u'>')
            continue;
        for (const QString& tag : {opening, closing}) {
            if (out.endsWith(tag, Qt::CaseInsensitive)) {
                out.chop(tag.size());
                break;
            }
        }
    }
    return out;
}

QString RemoveTagPairs(const QString& Text, const QString& Tag)
{
    QString out = StripTagPairs(Text, Tag);
    out.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
    out.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
    return out;
}
