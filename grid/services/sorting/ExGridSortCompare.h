#pragma once

// How two cell texts compare when rows are sorted, apart from the grid: the
// style a pair of texts is detected as, the comparisons that need nothing but
// the texts (text, numbers, dates, times), and where blanks go. Styles that ask
// the grid (check boxes, images, markup, the compare events) stay with the
// grid. The locale's separators and formats are read at every call.

#include "grid/engine/ExGridDataSettings.h"
#include "grid/foundation/objects/ExObj.h"

#include <QtCore/QString>

// An integer, a decimal number or a number in scientific notation.
bool IsSortNumber(const QString& Text);

// The style the automatic style becomes for two texts: check boxes when the
// first cell holds one, numbers when the first text is one, dates, date-times
// or times when both texts carry the locale's separators where a date or a
// time has them, else text (case-blind with IgnoreCase).
TSortStyle DetectSortStyle(const QString& First, const QString& Second, bool FirstIsCheckBox, bool IgnoreCase);

// The alphanumeric styles compare as numbers when both texts are numbers,
// else as text; every other style stays.
TSortStyle ResolveAlphaNumeric(TSortStyle Style, const QString& First, const QString& Second);

// Whether CompareSortTexts decides the style on its own.
bool IsTextSortStyle(TSortStyle Style);

// -1, 0 or 1 as First is below, equal to or above Second. The number styles
// take the first prefix and suffix out of each text, in place, so that the
// blank rule afterwards sees the texts that were compared.
int CompareSortTexts(TSortStyle Style, QString& First, QString& Second, const QString& Prefix,
                     const QString& Suffix);

// With exactly one of the texts empty, the result that sends the blank to the
// BlankPos end whatever the direction; otherwise Result itself.
int ApplySortBlanks(int Result, const QString& First, const QString& Second, TSortDirection Direction,
                    TSortBlankPosition BlankPos);
