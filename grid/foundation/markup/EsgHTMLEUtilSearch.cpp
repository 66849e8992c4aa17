#include "grid/foundation/markup/EsgHTMLEUtilSearch.h"

#include "grid/foundation/util/ExUtilCase.h"

namespace {

QString escapeBrackets(const QString& text)
{
    QString out = text;
    out.replace(u'<', QLatin1StringView("&lt;"));
    out.replace(u'>', QLatin1StringView("&gt;"));
    return out;
}

// Inserts at a 1-based markup index; false when the index lies outside.
bool insertAt(QString& text, int index, const QString& what)
{
    if (index < 1 || index > text.size() + 1)
        return false;
    text.insert(index - 1, what);
    return true;
}

// The index (from 1) of the n-th visible character itself, after any tags that
// precede it; 0 when there is none.
int indexOfVisibleCharacter(const QString& markup, int n)
{
    int counter = 1;
    bool insideTag = false;
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup[i];
        if (c == u'<')
            insideTag = true;
        if (!insideTag) {
            if (counter == n)
                return int(i + 1);
            ++counter;
        }
        if (c == u'>')
            insideTag = false;
    }
    return 0;
}

} // namespace

QString VisibleTextOfMarkup(const QString& Text)
{
    QString rest = Text;
    QString out;
    while (true) {
        const qsizetype open = rest.indexOf(u'<');
        const qsizetype close = rest.indexOf(u'>');
        if (open < 0 || close < 0 || open > close)
            break;
        out += rest.left(open);
        rest.remove(0, close + 1);
    }
    return out + rest;
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
    const QString opening = u'<' + Tag + u'>';
    const QString closing = QLatin1StringView("</") + Tag + u'>';
    int consumed = 0;
    int position = 0;
    while (FindNextVisibleMatch(search, visible, consumed, CaseSensitive, position) > 0) {
        const int end = position + int(search.size());
        // The opening tag goes directly before the first matched character, so that
        // it follows the closing tag of a match right before it.
        if (!insertAt(text, indexOfVisibleCharacter(text, position), opening) ||
            !insertAt(text, MarkupIndexOfVisible(text, end), closing))
            return Text; // the markup does not match its visible text: leave it alone
        consumed = end - 1;
    }
    return text;
}

QString RemoveTagPairs(const QString& Text, const QString& Tag)
{
    const QString opening = u'<' + Tag + u'>';
    const QString closing = QLatin1StringView("</") + Tag + u'>';
    QString out = Text;
    bool removed = true;
    while (removed) {
        removed = false;
        for (const QString& tag : {opening, closing}) {
            const qsizetype at = out.indexOf(tag, 0, Qt::CaseInsensitive);
            if (at >= 0) {
                out.remove(at, tag.size());
                removed = true;
            }
        }
    }
    out.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
    out.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
    return out;
}
