#include "grid/foundation/util/ExUtilFilter.h"

#include "grid/foundation/util/ExUtilCase.h"
#include "grid/foundation/util/ExUtilDate.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "platform/core/SysUtils.h"

#include <QtCore/QHash>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

constexpr int MaxCompareLength = 255;
const QString OperatorChars = QStringLiteral("(;^&|");

// Blanks inside double quotes belong to literal text; all others go.
QString removeBlanksOutsideQuotes(QStringView s)
{
    QString result;
    bool inQuotes = false;
    for (QChar c : s) {
        if (c == u'"')
            inQuotes = !inQuotes;
        if (c == u' ' && !inQuotes)
            continue;
        result += c;
    }
    return result;
}

int findOperatorOutsideQuotes(QStringView s)
{
    bool inQuotes = false;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'"')
            inQuotes = !inQuotes;
        else if (!inQuotes && OperatorChars.contains(s[i]))
            return i;
    }
    return -1;
}

// Index of the ")" that closes the "(" at the start; the end of the text when
// the group is never closed.
int findGroupEnd(QStringView s)
{
    int depth = 0;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'(')
            ++depth;
        else if (s[i] == u')' && --depth == 0)
            return i;
    }
    return s.size();
}

bool combine(bool result, QChar pendingOperator, bool value)
{
    if (pendingOperator.isNull())
        return value;
    if (pendingOperator == u'&')
        return result && value;
    if (pendingOperator == u'(')
        return result;
    return result || value;
}

// The operand after a comparison operator: from after an optional "=" and
// blanks to the end, an "&" or "|" or a blank outside double quotes, without
// its surrounding double quotes.
QString comparisonOperand(const QString& pattern, int operatorPos, bool& equalAllowed)
{
    int i = operatorPos + 1;
    if (i < pattern.size() && pattern[i] == u'=') {
        equalAllowed = true;
        ++i;
    }
    while (i < pattern.size() && pattern[i] == u' ')
        ++i;
    QString operand;
    bool inQuotes = false;
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == u'&' || c == u'|' || c == u' '))
            break;
        operand += c;
    }
    if (operand.startsWith(u'"'))
        operand.remove(0, 1);
    if (operand.endsWith(u'"'))
        operand.chop(1);
    return operand.left(MaxCompareLength);
}

bool asNumber(const QString& s, double& value)
{
    TDateTime date = 0;
    if (ParseLocaleDateTime(s, date))
        return false;
    return TryStrToFloat(NormalizeNumberText(s), value);
}

// -1, 0 or 1 as value compares with operand: by number when both are numbers,
// by date-time when both are dates, else by text.
int compareValue(const QString& value, const QString& operand)
{
    double v = 0, o = 0;
    if (asNumber(value, v) && asNumber(operand, o))
        return v < o ? -1 : v > o ? 1 : 0;
    TDateTime dv = 0, dop = 0;
    if (ParseLocaleDateTime(value, dv) && ParseLocaleDateTime(operand, dop))
        return dv < dop ? -1 : dv > dop ? 1 : 0;
    const int c = QString::compare(value.left(MaxCompareLength), operand.left(MaxCompareLength), Qt::CaseSensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// Walks pattern and value together. The answer for a pattern position and
// a value position never changes, so it is remembered: patterns with many
// asterisks then cost polynomial instead of exponential time.
class WildcardMatcher {
public:
    WildcardMatcher(const QString& pattern, const QString& value)
        : m_pattern(pattern), m_value(value)
    {
    }

    bool match(int pi, int vi)
    {
        const qint64 state = qint64(pi) * (m_value.size() + 1) + vi;
        const auto known = m_known.constFind(state);
        if (known != m_known.constEnd())
            return *known;
        const bool matched = walk(pi, vi);
        m_known.insert(state, matched);
        return matched;
    }

private:
    bool walk(int pi, int vi)
    {
        bool negate = false;
        bool holds = true;
        while (pi < m_pattern.size() && vi < m_value.size() && holds) {
            const QChar p = m_pattern[pi];
            if (p == u'!' || p == u'"') {
                negate = negate || p == u'!';
                ++pi;
            } else if (p == u'*') {
                holds = matchAnyRun(pi, vi);
                pi = m_pattern.size();
                vi = m_value.size();
            } else {
                holds = p == u'?' || p == m_value[vi];
                ++pi;
                ++vi;
            }
        }
        const bool matched = holds && vi == m_value.size() && onlyEmptyMatchersLeft(pi);
        return negate ? !matched : matched;
    }

    // "*" matches any run: whether the rest of the pattern matches some tail
    // of the value from vi on. The answers for one pattern position are kept
    // per tail, filled from the value's end towards vi, so that each tail is
    // tried once per pattern position: a text of n characters then costs the
    // pattern n steps per position instead of n for every asterisk and every
    // value position it is reached from.
    bool matchAnyRun(int pi, int vi)
    {
        while (pi < m_pattern.size() && m_pattern[pi] == u'*')
            ++pi;
        // Node-based, so the entry stays in place while match() below adds
        // the entries of later asterisks.
        std::vector<qint8>& tails = m_tails[pi];
        if (tails.empty()) {
            tails.assign(size_t(m_value.size()) + 2, Unknown);
            tails.back() = 0; // no tail starts past the value's end
        }
        int known = vi;
        while (tails[size_t(known)] == Unknown)
            ++known;
        for (int start = known - 1; start >= vi; --start)
            tails[size_t(start)] = tails[size_t(start) + 1] == 1 || match(pi, start) ? 1 : 0;
        return tails[size_t(vi)] == 1;
    }

    // Characters that consume no value character may stand after the value's end.
    bool onlyEmptyMatchersLeft(int pi) const
    {
        for (; pi < m_pattern.size(); ++pi)
            if (m_pattern[pi] != u'*' && m_pattern[pi] != u'"')
                return false;
        return true;
    }

    const QString& m_pattern;
    const QString& m_value;
    QHash<qint64, bool> m_known;
    static constexpr qint8 Unknown = -1;
    // Per pattern position after an asterisk: per value position whether a
    // tail from there on matches (1), does not (0), or is not known yet.
    std::unordered_map<int, std::vector<qint8>> m_tails;
};

} // namespace

bool MatchFilterPattern(const QString& Pattern, const QString& Value)
{
    bool ltResult = true;
    bool gtResult = true;
    bool ltDone = false;
    bool gtDone = false;
    const int gtPos = Pattern.indexOf(u'>');
    if (gtPos >= 0) {
        bool equalAllowed = false;
        const QString operand = comparisonOperand(Pattern, gtPos, equalAllowed);
        const int c = compareValue(Value, operand);
        gtResult = equalAllowed ? c >= 0 : c > 0;
        gtDone = true;
    }
    const int ltPos = Pattern.indexOf(u'<');
    if (ltPos >= 0) {
        bool equalAllowed = false;
        const QString operand = comparisonOperand(Pattern, ltPos, equalAllowed);
        const int c = compareValue(Value, operand);
        ltResult = equalAllowed ? c <= 0 : c < 0;
        ltDone = true;
    }
    if (Pattern.contains(u'!')) {
        gtDone = gtDone || gtPos < 0;
        ltDone = ltDone || ltPos < 0;
    }
    if (Pattern.contains(u'^') && (ltDone || gtDone))
        return ltResult || gtResult;
    if (Pattern.contains(u'&') && ltDone && gtDone)
        return ltResult && gtResult;
    if (gtPos >= 0 && gtResult)
        return true;
    if (ltPos >= 0 && ltResult)
        return true;
    return WildcardMatcher(Pattern, Value).match(0, 0);
}

bool MatchFilterTerm(const QString& Term, const QString& Text, bool CaseSensitive)
{
    if (CaseSensitive)
        return MatchFilterPattern(Term, Text);
    return MatchFilterPattern(AnsiUpperCase(Term), AnsiUpperCase(Text));
}

namespace {

// A condition or a group of it, blanks outside double quotes gone and a
// leading "=" dropped. Groups are views into their enclosing text: that text
// has no blanks left outside quotes, so a group needs a copy of its own only
// in the rare case that it still has some.
struct ConditionLevel {
    QString owned;
    QStringView rest;
    bool result = true;
    QChar pending; // null while no operator has been passed
};

QStringView trimmedView(QStringView s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s[from] <= u' ')
        ++from;
    while (to > from && s[to - 1] <= u' ')
        --to;
    return s.sliced(from, to - from);
}

bool hasBlankOutsideQuotes(QStringView s)
{
    bool inQuotes = false;
    for (QChar c : s) {
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (c == u' ' && !inQuotes)
            return true;
    }
    return false;
}

// clean: the condition is known to have no blank outside double quotes.
ConditionLevel prepareLevel(QStringView condition, bool clean)
{
    ConditionLevel level;
    level.rest = trimmedView(condition);
    if (!clean && hasBlankOutsideQuotes(level.rest)) {
        level.owned = removeBlanksOutsideQuotes(level.rest.toString());
        level.rest = level.owned;
    }
    if (level.rest.startsWith(u'='))
        level.rest = level.rest.sliced(1);
    return level;
}

// Per position of a text, whether an odd number of double quotes stands
// before it, that is whether the position lies inside quotes.
std::vector<bool> insideQuotes(QStringView s)
{
    std::vector<bool> inside(size_t(s.size()) + 1, false);
    for (qsizetype i = 0; i < s.size(); ++i)
        inside[size_t(i) + 1] = inside[size_t(i)] != (s[i] == u'"');
    return inside;
}

// The index of the ")" closing each "(" of a text, -1 for one never closed.
// Whether a "(" is closed depends only on the characters after it, so this
// holds for every part of the text as well, as long as the ")" lies in it.
std::vector<qsizetype> closingBrackets(QStringView s)
{
    std::vector<qsizetype> closing(size_t(s.size()), -1);
    std::vector<qsizetype> open;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'(') {
            open.push_back(i);
        } else if (s[i] == u')' && !open.empty()) {
            closing[size_t(open.back())] = i;
            open.pop_back();
        }
    }
    return closing;
}

// findGroupEnd of a group that starts at the beginning of part, found through
// the brackets of whole when part lies in it.
// The offset of part in whole, or -1 when part is not a part of it.
qsizetype offsetIn(QStringView part, QStringView whole)
{
    const qsizetype offset = part.data() - whole.data();
    return offset >= 0 && offset + part.size() <= whole.size() ? offset : -1;
}

int groupEnd(QStringView part, QStringView whole, const std::vector<qsizetype>& closing)
{
    const qsizetype offset = offsetIn(part, whole);
    if (offset < 0)
        return findGroupEnd(part);
    const qsizetype close = closing[size_t(offset)];
    return close >= 0 && close < offset + part.size() ? int(close - offset) : int(part.size());
}

} // namespace

// Terms are combined from left to right; a group is evaluated on a level of
// its own. The levels are kept on a list rather than the call stack, and a
// group is a view of its enclosing text, so that deeply nested groups cost
// neither stack nor a copy of the text per level, and each bracket is
// matched once.
bool EvaluateFilterCondition(const QString& Condition, const QString& Text, bool CaseSensitive)
{
    std::vector<ConditionLevel> levels;
    levels.push_back(prepareLevel(Condition, false));
    const QStringView whole = levels.front().rest;
    const std::vector<qsizetype> closing = closingBrackets(whole);
    const std::vector<bool> inside = insideQuotes(whole);
    for (;;) {
        ConditionLevel& level = levels.back();
        const int pos = findOperatorOutsideQuotes(level.rest);
        if (pos >= 0 && level.rest.startsWith(u'(')) {
            const int end = groupEnd(level.rest, whole, closing);
            const QStringView group = level.rest.sliced(1, std::max(end - 1, 0));
            level.rest = level.rest.sliced(std::min<qsizetype>(end + 1, level.rest.size()));
            // A group that starts outside the quotes of the whole text reads
            // its quotes alike and so has no blank outside them either.
            const qsizetype offset = offsetIn(group, whole);
            levels.push_back(prepareLevel(group, offset >= 0 && !inside[size_t(offset)]));
            continue;
        }
        if (pos >= 0) {
            const bool value = MatchFilterTerm(level.rest.left(pos).toString(), Text, CaseSensitive);
            level.result = combine(level.result, level.pending, value);
            level.pending = level.rest[pos];
            level.rest = level.rest.sliced(pos + 1);
            continue;
        }
        const bool value =
            combine(level.result, level.pending, MatchFilterTerm(level.rest.toString(), Text, CaseSensitive));
        levels.pop_back();
        if (levels.empty())
            return value;
        ConditionLevel& outer = levels.back();
        outer.result = combine(outer.result, outer.pending, value);
        outer.pending = u'(';
    }
}
