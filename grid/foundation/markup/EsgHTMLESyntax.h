#pragma once

// The syntax of the cell markup: how a markup text is prepared before layout,
// how its plain-text runs and tags are told apart, which tag a "<...>" is, and
// what the attributes of each tag say. Nothing here draws or measures; the
// markup renderer lays out what these routines recognise. Markup is never
// rejected: every malformed construct has a forgiving outcome.
//
// A tag text is the markup from its "<" up to, not including, the first ">"
// after it.

#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>

#include <optional>

// ---------------------------------------------------------------------------
// Preparing the whole text

// The three steps run on the whole text before layout, in this order:
// ReplaceMarkupCharacterEntities, RemoveHashTagBrackets, then
// LineEndsToBreakTags(..., true).
QString PreprocessMarkupText(const QString& Text);

// "&amp;" (as "&&", which the mnemonic-prefix drawing shows as one "&"),
// "&quot;", "&sect;", "&permil;", "&reg;", "&copy;", "&para;", "&trade;" and
// "&euro;" are replaced, the first occurrence of each per pass, in that order,
// until a pass replaces none.
QString ReplaceMarkupCharacterEntities(const QString& Text);

// A "<" directly followed by "#" opens no tag: that "<" and the first ">" after
// it are removed, so "<#tag>" shows as "#tag".
QString RemoveHashTagBrackets(const QString& Text);

// The text without carriage returns and line feeds; with BreakTags every
// carriage return becomes "<BR>".
QString LineEndsToBreakTags(const QString& Text, bool BreakTags);

// ---------------------------------------------------------------------------
// Plain-text runs

// Length of the run at the start of Text: everything before the next "<"; with
// WordWrap the run ends after the first blank before that "<" (the blank
// belongs to the run).
int MarkupRunLength(const QString& Text, bool WordWrap);

// In a run already cut off at the next tag: "&nbsp;" becomes a blank, "&lt;"
// "<" and "&gt;" ">", every occurrence. Other entities stay as written.
QString ReplaceMarkupRunEntities(const QString& Run);

// ---------------------------------------------------------------------------
// Tags

enum class MarkupTag {
  Unknown, // consumed without effect
  A,
  B,
  BR,
  BLINK, // closing: "</B" followed by anything but ">" closes BLINK and BODY alike
  BODY,
  CONTROL,
  E,
  FONT,
  HI,
  HR,
  I,
  IN,
  IMG,
  LI,
  P,
  R,
  S,
  SH,
  SUB, // closing: "</SU..." ends subscript and superscript alike
  SUP,
  U,
  UL,
  Z,
};

struct MarkupTagKind {
  MarkupTag Tag = MarkupTag::Unknown;
  bool Closing = false;
};

// Which tag the markup at the start of Rest (starting with "<") is, by its
// leading letters compared without case (a to z). A closing tag is only
// examined when Rest is longer than three characters; otherwise it is Unknown.
MarkupTagKind RecognizeMarkupTag(const QString& Rest);

// Index in Text of the first ">" at or after From; -1 when there is none (the
// rest of the text is then dropped by the layout).
int MarkupTagEnd(const QString& Text, int From = 0);

// The tag text of the tag at the start of Rest: from its "<" up to, not
// including, the first ">"; the whole of Rest when there is no ">".
QString MarkupTagText(const QString& Rest);

// The part of a tag text that holds the attributes: from the sixth character on
// for BODY and FONT, from the ninth for CONTROL, from the third for the others.
QString MarkupAttributeText(const QString& TagText, MarkupTag Tag);

// The attribute Name searched anywhere in AttributeText without regard to case
// (a to z). Its value is the text between the first double quote after the name
// and the next double quote; empty when the value is not written in double
// quotes. Returns whether the name was found.
bool FindMarkupAttribute(const QString& AttributeText, const QString& Name, QString& Value);

// Where FindMarkupAttribute finds the name and the value (indexes from 0 in
// AttributeText); ValueStart is -1 when the value is not written in double quotes.
struct MarkupAttributeSpan {
  qsizetype NameStart = -1;
  qsizetype ValueStart = -1;
  qsizetype ValueLength = 0;
};
std::optional<MarkupAttributeSpan> FindMarkupAttributeSpan(const QString& AttributeText, const QString& Name);

// ---------------------------------------------------------------------------
// Numbers and colours

// A number read from the start of a value: blanks skipped, then decimal digits
// up to the first non-digit, or hexadecimal digits after "$", "x" or "0x";
// whatever follows is ignored. A value that starts with no digit, or a number
// too large for an int, is unreadable and reads as 0.
struct MarkupNumber {
  int Value = 0;
  bool Readable = false;
};
MarkupNumber ReadMarkupNumber(const QString& Text);
// The value of ReadMarkupNumber.
int ParseLeadingInt(const QString& Text);

// 16 x value(first) + value(second), where value(c) is c minus the code of "0"
// when c is below "A", else c minus 55; 0 when Text has fewer than two
// characters. Only 0-9 and A-F are meaningful.
int HexPairValue(const QString& Text);
// Characters 2-3, 4-5 and 6-7 of "#RRGGBB" as red, green and blue (each taken
// to its low byte); missing pairs count 0.
TColor ColorFromHex(const QString& Text);
// The colour of a lower-case name of the markup's colour table ("clred",
// "clbtnface", ...): 16 fixed colours and 24 system colours; 0 (black) for a
// name not in the table.
TColor ColorFromName(const QString& Name);
// A colour value: hexadecimal when its first character is "#", otherwise a
// colour name in any case.
TColor MarkupColorValue(const QString& Value);

// ---------------------------------------------------------------------------
// The two colours of HI: initially the system highlight and highlight text
// colours. The grid sets them when its own highlight colours change.
TColor MarkupHighlightBackColor();
TColor MarkupHighlightTextColor();
void SetMarkupHighlightColors(TColor BackColor, TColor TextColor);

// ---------------------------------------------------------------------------
// Attributes of the individual tags

// A: HREF and TITLE keep their case. An anchor with no (or an empty) HREF is
// drawn and counted but not reported by hit tests.
struct MarkupAnchorAttributes {
  bool HasHref = false;
  QString Href;
  QString Title;
};
MarkupAnchorAttributes ParseAnchorTag(const QString& TagText);

// FONT (read from an upper-cased copy): FACE upper-cased; COLOR and BGCOLOR as
// colour values; SIZE 1 to 5 as 8, 10, 12, 14, 16 points, any other number as
// points. SIZE is read after the first double quote that follows the first "="
// after the name, or right after that "=" when no double quote follows.
struct MarkupFontAttributes {
  std::optional<QString> Face;
  std::optional<TColor> Color;
  std::optional<TColor> BackColor;
  std::optional<int> SizePoints;
};
MarkupFontAttributes ParseFontTag(const QString& TagText);
// The size in points of a SIZE number.
int MarkupFontSizePoints(int Size);

// P (upper-cased copy). ALIGN: 0 left, 1 right, 2 centre; the value is searched
// for RIGHT, LEFT and CENTER, the last match winning, left when none matches.
// INDENT: pixels. BGCOLOR: a colour value, clNone for an empty value.
struct MarkupParagraphAttributes {
  std::optional<int> Alignment;
  std::optional<int> Indent;
  std::optional<TColor> BackColor;
};
MarkupParagraphAttributes ParseParagraphTag(const QString& TagText);

// Where a picture of IMG or of the BACKGROUND of BODY comes from.
enum class MarkupPictureKind {
  None,            // names nothing available: draws nothing, takes no room
  ImageListIndex,  // "IDX:" and a number: the renderer's image list
  SmallSystemIcon, // "SSYS:" and a number or path
  LargeSystemIcon, // "LSYS:" and a number or path
  ContainerName,   // a name without ":": the picture container
  Location,        // a location with "://": the picture cache
};
// The scheme of a located picture; only resources and files are ever loaded.
enum class MarkupLocationScheme { Resource, File, Other };

struct MarkupPictureSource {
  MarkupPictureKind Kind = MarkupPictureKind::None;
  int Number = 0;           // ImageListIndex, and system icons given by number
  bool NumberGiven = false; // system icons: the rest read as a number
  QString Name;             // container name, the text after a system icon prefix, or the location
  MarkupLocationScheme Scheme = MarkupLocationScheme::Other;
};
// Source is the upper-cased SRC value, examined in this order: "IDX:", "SSYS:"
// and "LSYS:" (found anywhere, their first four or five characters removed), a
// name without ":", a location containing "://". Anything else is None.
MarkupPictureSource ParseMarkupPictureSource(const QString& Source);

// BODY (upper-cased copy). BACKGROUND: a picture source limited to container
// names and locations. BGCOLOR: a value containing CL is a colour name, one
// containing "#" a hexadecimal colour (which wins); any other value is clNone.
struct MarkupBodyAttributes {
  std::optional<MarkupPictureSource> Background;
  std::optional<TColor> BackColor;
};
MarkupBodyAttributes ParseBodyTag(const QString& TagText);

// IMG (upper-cased copy). WIDTH and HEIGHT are 0 when absent or unreadable.
// ALIGN is TOP or MIDDLE written in double quotes. A location keeps the case it
// was written in, because the path of a file names a different file in another
// case on this platform.
enum class MarkupImageAlign { None, Top, Middle };
struct MarkupImageAttributes {
  MarkupPictureSource Source;
  std::optional<MarkupPictureSource> HoverSource; // ALT
  int Width = 0;
  int Height = 0;
  MarkupImageAlign Align = MarkupImageAlign::None;
};
MarkupImageAttributes ParseImageTag(const QString& TagText);

// IN: the value of the first letter x after the tag's first two characters (any
// case), as pixels. Absent when unreadable.
std::optional<int> ParseIndentTag(const QString& TagText);
// R: the value of the first letter a after the tag's first two characters (any
// case), in degrees; 0 when unreadable.
int ParseRotationTag(const QString& TagText);

// ---------------------------------------------------------------------------
// Form controls

enum class MarkupControlKind { Unknown, Check, Radio, Edit, Mask, Password, Combo, Button };
// The kind of an upper-case TYPE ("CHECK", "RADIO", "EDIT", "MASK", "PASSWORD",
// "COMBO", "BUTTON").
MarkupControlKind MarkupControlKindOf(const QString& Type);

// The attributes of a CONTROL tag, each the text between the two double quotes
// after its name and equals sign ("TYPE=", "ID=", ...), found anywhere without
// regard to case; empty when absent. TYPE is upper-cased; VALUE and PROP are
// decoded from their entities (characters included).
struct MarkupControlTag {
  QString Type;
  QString ID;
  QString Value;
  QString Width;
  QString Height;
  QString Prop;
  QString MaxLen;
};
MarkupControlTag ParseControlTag(const QString& TagText);
// CHECK and RADIO controls are set when their VALUE, upper-cased, is "TRUE".
bool MarkupControlChecked(const QString& Value);
// What a PASSWORD control shows: one "*" per character.
QString PasswordMask(const QString& Text);
