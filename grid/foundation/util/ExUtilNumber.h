#pragma once

// Judging and converting numbers in cell texts. The locale's thousand and
// decimal separators are read at every call.

#include <QtCore/QString>

// What kind of number a text is: 0 integer, 1 real number, 2 not a number,
// 5 scientific notation.
enum : int { nkInteger = 0, nkFloat = 1, nkNoNumber = 2, nkScientific = 5 };
int DetectNumberKind(const QString& Text);

// A displayed number as plain numeric text: trimmed, leading characters that
// cannot start a number dropped (a dropped "-" or surrounding parentheses make
// it negative), thousand separators left out, the decimal separator written
// as ".", cut at the first character that belongs to no number.
QString ExtractNumericText(const QString& Text);

// Thousand separators removed and decimal separators written as ".".
QString NormalizeNumberText(const QString& Text);

int MaxOfTwo(int A, int B);
int MinOfTwo(int A, int B);

// Value held within the limits; a limit of 0 or less is no limit, and equal
// limits leave the value alone.
int ClampToLimits(int Value, int Minimum, int Maximum);
