#include "grid/foundation/ExUtilPaintResources.h"

#include "platform/ui/Colors.h"

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
  return QImage();
}
