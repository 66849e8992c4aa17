#pragma once

// Shared set-up of the markup renderer tests: a white image with a canvas in a
// fixed font, and one call of RenderMarkupText with every argument at hand.

#include "grid/foundation/markup/EsgHTMLE.h"
#include "tests/support/CanvasPixels.h"
#include "tests/support/TempExeFolder.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <memory>

class THTMLPictureCache;
class TImageList;
class TPictureContainer;

namespace esghtmletest {

enum class Mode { Draw, Measure, HitTest };

struct MarkupCall {
  // Inputs.
  Mode mode = Mode::Draw;
  TRect bounds = Rect(0, 0, 400, 300);
  int pointX = -1;
  int pointY = -1;
  int focusAnchor = -1;
  int hoverAnchor = -1;
  bool keepColors = false;
  bool blinkVisible = true;
  bool hoverOnly = false;
  bool wordWrap = true;
  bool mouseDown = false;
  bool scaleImages = false;
  double imageScale = 1.0;
  TColor anchorColor = clBlue;
  TColor hoverBackColor = clNone;
  TColor hoverTextColor = clNone;
  TImageList* images = nullptr;
  THTMLPictureCache* cache = nullptr;
  TPictureContainer* container = nullptr;

  // Outputs; HitAnchor and ControlID keep what is set here when nothing changes them.
  bool result = false;
  QString hitAnchor = QStringLiteral("(none)");
  QString plainText;
  QString focusAnchorRef;
  QString hitAnchorTitle;
  int textWidth = -1;
  int textHeight = -1;
  int anchorCount = -1;
  int hitAnchorIndex = -2;
  TRect hitAnchorRect = Rect(-9, -9, -9, -9);
  TRect controlRect;
  QString controlID;
  QString controlValue;
  QString controlType;

  bool run(TCanvas& canvas, const QString& text) {
    result = RenderMarkupText(&canvas, text, bounds, images, pointX, pointY, focusAnchor, hoverAnchor, 1,
                              mode == Mode::HitTest, mode == Mode::Measure, scaleImages, keepColors, blinkVisible,
                              hoverOnly, wordWrap, mouseDown, imageScale, anchorColor, hoverBackColor, hoverTextColor,
                              clGray, hitAnchor, plainText, focusAnchorRef, hitAnchorTitle, textWidth, textHeight,
                              anchorCount, hitAnchorIndex, hitAnchorRect, controlRect, controlID, controlValue,
                              controlType, cache, container, nullptr, bdLeftToRight);
    return result;
  }
};

class MarkupRenderTest : public ::testing::Test {
 protected:
  MarkupRenderTest() : image(420, 320, QImage::Format_RGB32) {
    image.fill(Qt::white);
    canvas = std::make_unique<TCanvas>(&image);
    canvas->Font()->SetName(QStringLiteral("DejaVu Sans"));
    canvas->Font()->SetSize(10);
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetColor(clWhite);
  }

  // Metrics of the canvas font, or of it with extra styles or another size.
  int width(const QString& text, TFontStyles styles = {}, int size = 0) const {
    TCanvas probe;
    probe.Font()->Assign(*canvas->Font());
    probe.Font()->SetStyle(styles);
    if (size > 0) {
      probe.Font()->SetSize(size);
    }
    return probe.TextWidth(text);
  }
  int gh(int size = 0) const {
    TCanvas probe;
    probe.Font()->Assign(*canvas->Font());
    if (size > 0) {
      probe.Font()->SetSize(size);
    }
    return probe.TextHeight(QStringLiteral("gh"));
  }

  QImage pixels() {
    canvas->Release();
    return image;
  }

  QImage image;
  std::unique_ptr<TCanvas> canvas;
};

using testsupport::inkBox;

inline int countColor(const QImage& image, const QRect& area, QRgb color) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      n += image.pixel(x, y) == color ? 1 : 0;
    }
  }
  return n;
}

}  // namespace esghtmletest
