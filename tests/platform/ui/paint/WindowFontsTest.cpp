#include "platform/ui/paint/WindowFonts.h"

#include "platform/ui/paint/Font.h"

#include <QtGui/QFont>
#include <QtGui/QFontInfo>
#include <QtGui/QFontMetrics>

#include <gtest/gtest.h>

namespace {

// The test main has registered them already; asking again registers nothing
// more and tells the same.
TEST(WindowFonts, RegistersTheWineFacesOnce) {
  const QStringList families = platform::RegisterWindowFonts();
  EXPECT_EQ(families, QStringList({"Tahoma", "MS Sans Serif"}));
  EXPECT_EQ(platform::RegisterWindowFonts(), families);
}

// A font made from a Windows name outside TFont (markup faces, rich text)
// resolves as TFont does, not to whatever the desktop would choose.
TEST(WindowFonts, NamesWithoutAFaceAreSubstitutedForEveryFont) {
  for (const char* name : {"Verdana", "Segoe UI", "Arial"}) {
    QFont font{QString::fromLatin1(name)};
    font.setPixelSize(11);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("DejaVu Sans")) << name;
  }
  QFont tahoma(QStringLiteral("Tahoma"));
  tahoma.setPixelSize(11);
  EXPECT_EQ(QFontInfo(tahoma).family(), QStringLiteral("Tahoma"));
}

// Bold and regular Tahoma come from their own files: the bold face is wider
// than the regular one, not a regular face smeared by the renderer, and both
// are narrower than the substitute the desktop offered before.
TEST(WindowFonts, TahomaHasItsBoldFaceAndIsNarrowerThanTheSubstitute) {
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetSize(8);
  const QString header = QStringLiteral("On Change");
  const int regular = QFontMetrics(font.ToQFont()).horizontalAdvance(header);
  font.SetStyle(fsBold);
  const QFont bold = font.ToQFont();
  EXPECT_EQ(QFontInfo(bold).styleName(), QStringLiteral("Bold"));
  const int boldWidth = QFontMetrics(bold).horizontalAdvance(header);
  EXPECT_GT(boldWidth, regular);
  font.SetName(QStringLiteral("Verdana"));
  EXPECT_LT(boldWidth, QFontMetrics(font.ToQFont()).horizontalAdvance(header));
}

// MS Sans Serif is a bitmap face: 8 points take its 13-pixel strike, the
// cell height the windows of that font were laid out for.
TEST(WindowFonts, MSSansSerifAtEightPointsIsThirteenPixelsHigh) {
  TFont font;
  font.SetName(QStringLiteral("MS Sans Serif"));
  font.SetSize(8);
  EXPECT_EQ(QFontInfo(font.ToQFont()).family(), QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(QFontMetrics(font.ToQFont()).height(), 13);
}

}  // namespace
