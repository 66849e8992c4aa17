#pragma once

#include "platform/ui/paint/Colors.h"

#include <QtCore/QFlags>
#include <QtCore/QString>

#include <functional>
#include <memory>

class QFont;

enum TFontStyle : unsigned {
  fsBold = 0x1,
  fsItalic = 0x2,
  fsUnderline = 0x4,
  fsStrikeOut = 0x8,
};
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

using TFontCharset = int;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset OEM_CHARSET = 255;

namespace platform {
// The screen resolution every size conversion uses.
inline constexpr int ScreenPixelsPerInch = 96;
// Rounded a * b / c, as the size conversions of the fonts need it.
int MulDiv(int a, int b, int c);
}  // namespace platform

// A font description: Size is in points, Height in pixels at 96 dpi (negative: the
// character height without internal leading; positive: the cell height). Every
// change raises OnChange once.
class TFont {
 public:
  TFont();
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  QString Name() const;
  void SetName(const QString& name);
  int Size() const;
  void SetSize(int points);
  int Height() const;
  void SetHeight(int pixels);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  TColor Color() const;
  void SetColor(TColor color);
  // Text angle in tenths of a degree, counter-clockwise.
  int Orientation() const;
  void SetOrientation(int tenthsOfDegree);
  TFontCharset Charset() const;
  void SetCharset(TFontCharset charset);
  int PixelsPerInch() const { return platform::ScreenPixelsPerInch; }

  // Copies every property and raises OnChange once.
  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;
  QFont ToQFont() const;

  std::function<void(TFont* sender)> OnChange;

 private:
  void changed();
  struct Data;
  std::unique_ptr<Data> d;
};
