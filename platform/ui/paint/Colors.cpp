#include "platform/ui/paint/Colors.h"

#include "platform/core/Exceptions.h"

#include <QtGui/QColor>

#include <array>

namespace {

// Classic Windows "Windows Standard" scheme.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // gray text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3D dark shadow
    RGB(212, 208, 200),  // 3D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(181, 181, 181),  // (alternate button face)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // gradient of the active caption
    RGB(192, 192, 192),  // gradient of the inactive caption
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

struct ColorName {
  TColor color;
  const char* name;
};

constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

// Whole number as a colour: optional blanks and sign, then decimal digits or hex
// after "$" or "0x". Values outside 32 bits are refused.
bool parseColorNumber(const QString& text, TColor& color) {
  QString t = text.trimmed();
  bool negative = false;
  if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
    negative = t.startsWith(QLatin1Char('-'));
    t = t.mid(1);
  }
  int base = 10;
  if (t.startsWith(QLatin1Char('$'))) {
    base = 16;
    t = t.mid(1);
  } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    base = 16;
    t = t.mid(2);
  }
  if (t.isEmpty() || t.front() == QLatin1Char('+') || t.front() == QLatin1Char('-')) {
    return false;
  }
  bool ok = false;
  const qulonglong value = t.toULongLong(&ok, base);
  if (!ok || value > 0xFFFFFFFFull) {
    return false;
  }
  color = negative ? TColor(0u - TColor(value)) : TColor(value);
  return true;
}

}  // namespace

TColor GetSysColor(int index) {
  if (index < 0 || index >= int(kSystemColors.size())) {
    return 0;
  }
  return kSystemColors[size_t(index)];
}

bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == clSystemColor; }

TColor ColorToRGB(TColor color) {
  return IsSystemColor(color) ? GetSysColor(int(color & 0xFF)) : color;
}

QColor ToQColor(TColor color) {
  if (color == clNone) {
    return QColor(0, 0, 0, 0);
  }
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

bool ColorToIdent(TColor color, QString& ident) {
  for (const ColorName& entry : kColorNames) {
    if (entry.color == color) {
      ident = QLatin1String(entry.name);
      return true;
    }
  }
  return false;
}

bool IdentToColor(const QString& ident, TColor& color) {
  for (const ColorName& entry : kColorNames) {
    if (ident.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
      color = entry.color;
      return true;
    }
  }
  return false;
}

QString ColorToString(TColor color) {
  QString ident;
  if (ColorToIdent(color, ident)) {
    return ident;
  }
  return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const QString& text) {
  TColor color = 0;
  if (IdentToColor(text, color) || parseColorNumber(text, color)) {
    return color;
  }
  throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
