#pragma once

// The filter condition language of the grid: terms joined by "&" (and), ";",
// "^" or "|" (or) from left to right without precedence, groups in "(" ")",
// comparisons ">", ">=", "<", "<=" by number, date or text, and patterns with
// "*", "?", "!" (negation) and double quotes around literal text.

#include <QtCore/QString>

// Whether Text satisfies Condition. Blanks outside double quotes are ignored
// and a leading "=" is dropped. Never fails: a "(" without its ")" groups the
// rest of the condition.
bool EvaluateFilterCondition(const QString& Condition, const QString& Text, bool CaseSensitive);

// One term of a condition; without CaseSensitive both sides are compared in
// the locale's upper case.
bool MatchFilterTerm(const QString& Term, const QString& Text, bool CaseSensitive);

// One term against a value, exactly as written.
bool MatchFilterPattern(const QString& Pattern, const QString& Value);
