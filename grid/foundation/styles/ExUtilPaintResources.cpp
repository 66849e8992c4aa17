#include "grid/foundation/styles/ExUtilPaintResources.h"

#include "platform/ui/paint/Colors.h"

#include <QtGui/QImage>

#include <initializer_list>

namespace {

// The sixteen colours of the pictures, one letter each; "." is the key colour.
TColor paletteColor(char letter) {
  switch (letter) {
    case 'k': return clBlack;
    case 'm': return clMaroon;
    case 'G': return clGreen;
    case 'o': return clOlive;
    case 'n': return clNavy;
    case 'p': return clPurple;
    case 't': return clTeal;
    case 'g': return clGray;
    case 's': return clSilver;
    case 'r': return clRed;
    case 'l': return clLime;
    case 'y': return clYellow;
    case 'b': return clBlue;
    case 'a': return clAqua;
    case 'w': return clWhite;
    default: return clFuchsia;
  }
}

using Rows = std::initializer_list<const char*>;

QImage fromRows(Rows rows, char from = 0, char to = 0) {
  const int width = int(qstrlen(*rows.begin()));
  QImage image(width, int(rows.size()), QImage::Format_RGB32);
  int y = 0;
  for (const char* row : rows) {
    const int length = int(qstrlen(row));
    for (int x = 0; x < width; ++x) {
      const char letter = x >= length ? '.' : row[x] == from ? to : row[x];
      image.setPixelColor(x, y, ToQColor(paletteColor(letter)));
    }
    ++y;
  }
  return image;
}

const Rows kLeafClosed = {".ggggggg.", "gwwwwwwwg", "gwwwkwwwg", "gwwwkwwwg", "gwkkkkkwg",
                          "gwwwkwwwg", "gwwwkwwwg", "gwwwwwwwg", ".ggggggg."};
const Rows kLeafOpen = {".ggggggg.", "gwwwwwwwg", "gwwwwwwwg", "gwwwwwwwg", "gwkkkkkwg",
                        "gwwwwwwwg", "gwwwwwwwg", "gwwwwwwwg", ".ggggggg."};
const Rows kXPNodeClosed = {".ttttttt.", "twwwwwwwt", "twwwkwwwt", "twwwkwwwt", "twkkkkkwt",
                            "twwwkwwwt", "tssskssst", "tssssssst", ".ttttttt."};
const Rows kXPNodeOpen = {".ttttttt.", "twwwwwwwt", "twwwwwwwt", "twwwwwwwt", "twkkkkkwt",
                          "twwwwwwwt", "tssssssst", "tssssssst", ".ttttttt."};

const Rows kEdit = {".............", ".........kk..", "........kyyk.", ".......kyyk..",
                    "......kyyk...", ".....kyyk....", "....kyyk.....", "...kyyk......",
                    "...kkk.......", "...kk........", "............."};
const Rows kNew = {".............", ".....GGG.....", ".....GGG.....", ".....GGG.....",
                   ".GGGGGGGGGGG.", ".GGGGGGGGGGG.", ".GGGGGGGGGGG.", ".....GGG.....",
                   ".....GGG.....", ".....GGG.....", "............."};
const Rows kDelete = {".............", ".rr.......rr.", "..rr.....rr..", "...rr...rr...",
                      "....rr.rr....", ".....rrr.....", "....rr.rr....", "...rr...rr...",
                      "..rr.....rr..", ".rr.......rr.", "............."};
const Rows kUp = {".............", ".............", ".............", "......k......",
                  ".....kkk.....", "....kkkkk....", "...kkkkkkk...", "..kkkkkkkkk..",
                  ".............", ".............", "............."};
const Rows kDown = {".............", ".............", ".............", "..kkkkkkkkk..",
                    "...kkkkkkk...", "....kkkkk....", ".....kkk.....", "......k......",
                    ".............", ".............", "............."};
const Rows kPinLoose = {".............", ".............", ".......k.....", ".......kkkkkk",
                        ".......kwwwsk", ".kkkkkkkwwwsk", ".......kssssk", ".......kkkkkk",
                        ".......k.....", ".............", "............."};
const Rows kPinFixed = {"...kkkkkkk...", "....kwwsk....", "....kwwsk....", "....kwwsk....",
                        "...kkkkkkk...", "......k......", "......k......", "......k......",
                        "......k......", ".............", "............."};
const Rows kFilter = {"................", "................", "..kkkkkkkkkkkk..", "..kwwwwwwwwwwk..",
                      "...kwwwwwwwwk...", "....kwwwwwwk....", ".....kwwwwk.....", "......kwwk......",
                      "......kwwk......", "......kwwk......", "......kwwk......", "......kwwk......",
                      "......kwwkk.....", "......kkkk......", "................", "................"};

// The flat check boxes and radio buttons of tone sets: gray frames, a dark tick
// or dot when on.
const Rows kMetroCheckOff = {"................", "................", "..gggggggggggg..", "..gwwwwwwwwwwg..",
                             "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..",
                             "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..",
                             "..gwwwwwwwwwwg..", "..gggggggggggg..", "................", "................"};
const Rows kMetroCheckOn = {"................", "................", "..gggggggggggg..", "..gwwwwwwwwwwg..",
                            "..gwwwwwwwwkwg..", "..gwwwwwwwkkwg..", "..gwwwwwwkkwwg..", "..gwkwwwkkwwwg..",
                            "..gwkkwkkwwwwg..", "..gwwkkkwwwwwg..", "..gwwwkwwwwwwg..", "..gwwwwwwwwwwg..",
                            "..gwwwwwwwwwwg..", "..gggggggggggg..", "................", "................"};
const Rows kMetroRadioOff = {"................", "................", "......gggg......", "....ggwwwwgg....",
                             "...gwwwwwwwwg...", "...gwwwwwwwwg...", "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..",
                             "..gwwwwwwwwwwg..", "..gwwwwwwwwwwg..", "...gwwwwwwwwg...", "...gwwwwwwwwg...",
                             "....ggwwwwgg....", "......gggg......", "................", "................"};
const Rows kMetroRadioOn = {"................", "................", "......gggg......", "....ggwwwwgg....",
                            "...gwwwwwwwwg...", "...gwwwkkwwwg...", "..gwwwkkkkwwwg..", "..gwwkkkkkkwwg..",
                            "..gwwkkkkkkwwg..", "..gwwwkkkkwwwg..", "...gwwwkkwwwg...", "...gwwwwwwwwg...",
                            "....ggwwwwgg....", "......gggg......", "................", "................"};

// Loose and fixed pin, then both greyed, side by side.
QImage pinStrip() {
  const QImage parts[] = {fromRows(kPinLoose), fromRows(kPinFixed), fromRows(kPinLoose, 'k', 'g'),
                          fromRows(kPinFixed, 'k', 'g')};
  QImage strip(13 * 4, 11, QImage::Format_RGB32);
  for (int i = 0; i < 4; ++i)
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 13; ++x) strip.setPixel(13 * i + x, y, parts[i].pixel(x, y));
  return strip;
}

// The check boxes of the XP (16 pixels) and studio (20 pixels) looks: a framed
// box inside a key-coloured margin, a tick when checked; disabled ones grey.
QImage checkPicture(int size, bool checked, bool enabled) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(ToQColor(clFuchsia));
  const int lo = (size - 13) / 2;
  const int hi = lo + 12;
  const QColor frame = ToQColor(enabled ? TColor(0x7F3D1C) : clSilver);
  const QColor fill = ToQColor(enabled ? clWhite : TColor(0xF0F0F0));
  const QColor tick = ToQColor(enabled ? TColor(0x21A121) : clGray);
  for (int y = lo; y <= hi; ++y)
    for (int x = lo; x <= hi; ++x)
      image.setPixelColor(x, y, x == lo || x == hi || y == lo || y == hi ? frame : fill);
  if (!checked) return image;
  for (int i = 0; i < 3; ++i)
    for (int t = 0; t < 3; ++t) image.setPixelColor(lo + 3 + i, lo + 5 + i + t, tick);
  for (int i = 0; i < 4; ++i)
    for (int t = 0; t < 3; ++t) image.setPixelColor(lo + 6 + i, lo + 6 - i + t, tick);
  return image;
}

// The radio buttons of the XP and studio looks (16 pixels): a ring, a dot when
// checked.
QImage radioPicture(bool checked, bool enabled) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(ToQColor(clFuchsia));
  const QColor ring = ToQColor(enabled ? TColor(0x7F3D1C) : clSilver);
  const QColor fill = ToQColor(enabled ? clWhite : TColor(0xF0F0F0));
  const QColor dot = ToQColor(enabled ? TColor(0x21A121) : clGray);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const double dx = x - 7.5, dy = y - 7.5;
      const double d = dx * dx + dy * dy;
      if (d <= 42.25) image.setPixelColor(x, y, d >= 30.25 ? ring : checked && d <= 9 ? dot : fill);
    }
  return image;
}

// "ESGCHK01" ... "ESGCHK08", "ESGRAD01" ... "ESGRAD08": checked, unchecked,
// checked disabled, unchecked disabled; 01-04 the studio look, 05-08 XP.
QImage stylePicture(const QString& name) {
  bool ok = false;
  const int index = name.mid(6).toInt(&ok);
  if (name.size() != 8 || !ok || index < 1 || index > 8) return QImage();
  const int state = (index - 1) % 4;
  const bool checked = state == 0 || state == 2;
  const bool enabled = state < 2;
  if (name.startsWith(u"ESGRAD")) return radioPicture(checked, enabled);
  return checkPicture(index <= 4 ? 20 : 16, checked, enabled);
}

}  // namespace

QImage BitmapResourcePixels(const QString& resourceName) {
  const QString name = resourceName.toUpper();
  if (name == u"ESGLEAFCLOSE") return fromRows(kLeafClosed);
  if (name == u"ESGLEAFOPEN") return fromRows(kLeafOpen);
  if (name == u"XPNODEC") return fromRows(kXPNodeClosed);
  if (name == u"XPNODEO") return fromRows(kXPNodeOpen);
  if (name == u"CBX_BMP_EDIT") return fromRows(kEdit);
  if (name == u"CBX_BMP_NEW") return fromRows(kNew);
  if (name == u"CBX_BMP_NEW_D") return fromRows(kNew, 'G', 'g');
  if (name == u"CBX_BMP_DEL") return fromRows(kDelete);
  if (name == u"CBX_BMP_DEL_D") return fromRows(kDelete, 'r', 'g');
  if (name == u"CBX_BMP_UP") return fromRows(kUp);
  if (name == u"CBX_BMP_DOWN") return fromRows(kDown);
  if (name == u"CBX_BMP_PINS") return pinStrip();
  if (name == u"ESGFILT") return fromRows(kFilter);
  if (name == u"METROCHECKON") return fromRows(kMetroCheckOn);
  if (name == u"METROCHECKOFF") return fromRows(kMetroCheckOff);
  if (name == u"METRORADIOON") return fromRows(kMetroRadioOn);
  if (name == u"METRORADIOOFF") return fromRows(kMetroRadioOff);
  if (name.startsWith(u"ESGCHK") || name.startsWith(u"ESGRAD")) return stylePicture(name);
  return QImage();
}
