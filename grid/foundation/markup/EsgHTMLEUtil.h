#pragma once

// The text routines that the grid uses around cell markup: plain text of a
// markup text, small search routines, the text-drawing flags for right-to-left
// reading, and (through the headers below) escaping, form controls and search
// marking. The markup's own syntax is in EsgHTMLESyntax.h. Positions count from
// 1; 0 means none.

#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/markup/EsgHTMLEUtilControls.h"
#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"
#include "grid/foundation/markup/EsgHTMLEUtilSearch.h"

#include <QtCore/QString>

// "<BR>" and "<HR>" (any case) become a carriage return and line feed, then
// every tag is removed; a "<" with no ">" after it stays with the rest of the
// text. Entities are not decoded.
QString StripMarkupTags(const QString& Text);

// Position of Needle in Text, both upper-cased (letters a to z only).
int PosIgnoreCase(const QString& Needle, const QString& Text);
// Position of Needle in Text, also stored in Position.
int FindPos(const QString& Needle, const QString& Text, int& Position);
// The same in the upper-cased text; Needle is given in upper case.
int FindPosUpper(const QString& Needle, const QString& Text, int& Position);
// Replaces the first occurrence of Old (found with PosIgnoreCase) by New;
// false when there is none.
bool ReplaceFirst(const QString& Old, const QString& New, QString& Text);

// Text-drawing flag for right-to-left reading.
inline constexpr unsigned MarkupRtlReadingFlag = 0x20000;
// Whether the user's locale reads from right to left.
bool MarkupMiddleEastLocale();
// In a right-to-left locale, bidi mode 1 (right-to-left) mirrors the alignment
// (right becomes left, neither centre nor right becomes right), and any mode
// but 0 (left-to-right) adds right-to-left reading.
unsigned BiDiTextFlags(unsigned Flags, int BiDiMode, bool MiddleEastLocale = MarkupMiddleEastLocale());

// Whether the system offers visual styles to the markup's form controls (it
// does here; whether they are active is the visual-style binding's answer).
bool MarkupIsWinXP();
