#pragma once

// Marking search matches in markup: the grid's find highlighting encloses them
// in "hi" tags and its text marking in "e" tags, and removes both again.
// Positions count from 1; 0 means none.

#include <QtCore/QString>

// The text outside tags: while the first "<" stands before the first ">", the
// text before the "<" is kept and everything up to that ">" dropped; the rest
// is kept as it is.
QString VisibleTextOfMarkup(const QString& Text);

// The index in the markup before which the n-th visible character stands
// (before any tags that precede it); the markup's length + 1 for the position
// just after the last visible character; 0 beyond that.
int MarkupIndexOfVisible(const QString& Markup, int N);

// The position of the next match of Search in the visible text that begins
// after its first Start characters; without CaseSensitive both are compared
// upper-cased. An empty search finds nothing.
int FindNextVisibleMatch(const QString& Search, const QString& Visible, int Start, bool CaseSensitive,
                         int& Position);

// Every match of Search in the visible text enclosed in "<Tag>" and "</Tag>";
// adjacent matches are enclosed each. When the text holds the search text and
// its visible part holds "<" or ">", the text is first replaced by its visible
// part with those brackets escaped (tags are then lost), and so is the search.
// The text is read and written once, however many matches it holds, so a big
// grid's search highlighting stays instant. Tag is a tag name (no "<" or ">").
QString WrapMatchesInTag(const QString& Text, const QString& Search, const QString& Tag, bool CaseSensitive);

// Every match of the plain text Search in what a markup escaped with
// EscapeMarkupText shows, enclosed in "<Tag>" and "</Tag>": an entity of the
// escaping counts as the one character it stands for, so a tag never splits
// it and a search never matches its letters; tags already in the markup stay.
// Adjacent matches are enclosed each; an empty search finds nothing.
QString WrapMatchesInEscapedMarkup(const QString& Markup, const QString& Search, const QString& Tag,
                                   bool CaseSensitive);

// Removes every "<Tag>" and "</Tag>" (without case, until none is left) and
// nothing else, so that other tags and every entity stay as they are. In one
// pass over the text.
QString StripTagPairs(const QString& Text, const QString& Tag);

// StripTagPairs, then every "&lt;" and "&gt;" turned into "<" and ">": undoes
// WrapMatchesInTag.
QString RemoveTagPairs(const QString& Text, const QString& Tag);
