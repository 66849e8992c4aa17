#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Colors.h"

#include <QtGui/QColor>

#include <gtest/gtest.h>

namespace {

TEST(Colors, RedIsInTheLowestByte) {
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
  EXPECT_EQ(GetRValue(0x563412), 0x12);
  EXPECT_EQ(GetGValue(0x563412), 0x34);
  EXPECT_EQ(GetBValue(0x563412), 0x56);
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(FromQColor(QColor(1, 2, 3)), RGB(1, 2, 3));
}

TEST(Colors, SystemColoursResolveThroughTheFixedTable) {
  EXPECT_EQ(clBtnFace, 0xFF00000Fu);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
  EXPECT_EQ(ColorToRGB(clGray), clGray);
  EXPECT_EQ(ColorToRGB(clSystemColor | 200), clBlack);
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
}

TEST(Colors, NoneIsFullyTransparent) {
  EXPECT_EQ(clNone, 0x1FFFFFFFu);
  EXPECT_EQ(ToQColor(clNone).alpha(), 0);
  EXPECT_EQ(ToQColor(clBtnFace).alpha(), 255);
}

TEST(Colors, NamesBothWays) {
  const std::pair<TColor, const char*> names[] = {
      {clBlack, "clBlack"},   {clMaroon, "clMaroon"}, {clGreen, "clGreen"},
      {clOlive, "clOlive"},   {clNavy, "clNavy"},     {clPurple, "clPurple"},
      {clTeal, "clTeal"},     {clGray, "clGray"},     {clSilver, "clSilver"},
      {clRed, "clRed"},       {clLime, "clLime"},     {clYellow, "clYellow"},
      {clBlue, "clBlue"},     {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"},
      {clWhite, "clWhite"},   {clBtnFace, "clBtnFace"}, {clWindow, "clWindow"},
      {clWindowText, "clWindowText"}, {clHighlight, "clHighlight"},
      {clHighlightText, "clHighlightText"}, {clInfoBk, "clInfoBk"},
      {cl3DLight, "cl3DLight"}, {cl3DDkShadow, "cl3DDkShadow"},
      {clBtnShadow, "clBtnShadow"}, {clBtnHighlight, "clBtnHighlight"},
      {clGrayText, "clGrayText"}, {clNone, "clNone"}, {clDefault, "clDefault"},
  };
  for (const auto& [color, name] : names) {
    EXPECT_EQ(ColorToString(color), QLatin1String(name));
    EXPECT_EQ(StringToColor(QLatin1String(name)), color) << name;
  }
}

TEST(Colors, IdentsCompareWithoutCaseAndUnknownValuesBecomeHex) {
  TColor color = 0;
  EXPECT_TRUE(IdentToColor(QStringLiteral("CLBTNFACE"), color));
  EXPECT_EQ(color, clBtnFace);
  EXPECT_FALSE(IdentToColor(QStringLiteral("clPink"), color));
  QString ident;
  EXPECT_FALSE(ColorToIdent(0x123456, ident));
  EXPECT_EQ(ColorToString(0x00ABCDEF), QStringLiteral("$00ABCDEF"));
  EXPECT_EQ(StringToColor(QStringLiteral("$00ABCDEF")), 0x00ABCDEFu);
  EXPECT_EQ(StringToColor(QStringLiteral("255")), clRed);
  EXPECT_EQ(StringToColor(QStringLiteral("0xFF000005")), clWindow);
  EXPECT_EQ(StringToColor(QStringLiteral("-16777201")), clBtnFace);
}

TEST(Colors, TextThatIsNeitherNameNorNumberThrows) {
  for (const char* bad : {"", "clPink", "12abc", "$", "$1FFFFFFFF"}) {
    EXPECT_THROW(StringToColor(QLatin1String(bad)), EConvertError) << bad;
  }
}

}  // namespace
