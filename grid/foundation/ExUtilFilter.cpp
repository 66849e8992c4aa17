#include "grid/foundation/ExUtilFilter.h"

#include "grid/foundation/ExUtilCase.h"
#include "grid/foundation/ExUtilDate.h"
#include "grid/foundation/ExUtilNumber.h"
#include "platform/core/SysUtils.h"

#include <QtCore/QHash>

#include <unordered_map>
#include <vector>

namespace {

constexpr int MaxCompareLength = 255;
const QString OperatorChars = QStringLiteral("(;^&|");

// Blanks inside double quotes belong to literal text; all others go.
QString removeBlanksOutsideQuotes(const QString& s)
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

int findOperatorOutsideQuotes(const QString& s)
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
int findGroupEnd(const QString& s)
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

bool EvaluateFilterCondition(const QString& Condition, const QString& Text, bool CaseSensitive)
{
    QString c = removeBlanksOutsideQuotes(Trim(Condition));
    if (c.startsWith(u'='))
        c.remove(0, 1);
    bool result = true;
    QChar pending; // null while no operator has been passed
    for (int pos = findOperatorOutsideQuotes(c); pos >= 0; pos = findOperatorOutsideQuotes(c)) {
        bool value = false;
        QChar found;
        if (c.startsWith(u'(')) {
            const int end = findGroupEnd(c);
            value = EvaluateFilterCondition(c.mid(1, end - 1), Text, CaseSensitive);
            found = u'(';
            c.remove(0, end + 1);
        } else {
            value = MatchFilterTerm(c.left(pos), Text, CaseSensitive);
            found = c[pos];
            c.remove(0, pos + 1);
        }
        result = combine(result, pending, value);
        pending = found;
    }
    return combine(result, pending, MatchFilterTerm(c, Text, CaseSensitive));
}
