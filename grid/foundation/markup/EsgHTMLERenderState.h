#pragma once

// Private to the markup renderer: the state of one RenderMarkupText call and the
// routines of its line passes, split over the EsgHTMLE*.cpp files by concern.

#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "platform/ui/paint/Font.h"

#include <memory>

namespace esghtmle {

// The arguments of one call.
struct RenderArgs {
  TCanvas* canvas = nullptr;
  TRect bounds;
  TImageList* images = nullptr;
  int pointX = -1;
  int pointY = -1;
  int focusAnchor = -1;
  int hoverAnchor = -1;
  int shadowOffset = 1;
  bool hitTestOnly = false;
  bool measureOnly = false;
  bool scaleImages = false;
  bool keepColors = false;
  bool blinkVisible = true;
  bool hoverOnly = false;
  bool wordWrap = true;
  bool mouseDown = false;
  double imageScale = 1.0;
  TColor anchorColor = clNone;
  TColor hoverBackColor = clNone;
  TColor hoverTextColor = clNone;
  TColor shadowColor = clNone;
  THTMLPictureCache* pictureCache = nullptr;
  TPictureContainer* container = nullptr;
  QWidget* ownerWindow = nullptr;
  TBiDiMode biDiMode = bdLeftToRight;
};

// Where the call's results go.
struct RenderOutputs {
  QString& hitAnchor;
  QString& plainText;
  QString& focusAnchorRef;
  QString& hitAnchorTitle;
  int& textWidth;
  int& textHeight;
  int& anchorCount;
  int& hitAnchorIndex;
  TRect& hitAnchorRect;
  TRect& controlRect;
  QString& controlID;
  QString& controlValue;
  QString& controlType;
};

// What a line collects over its passes.
struct LineMetrics {
  int width = 0;
  int height = 0;
  int subRoom = 0;
  int supRoom = 0;
  int baseShift = 0;
  bool anchorHit = false;  // of the last pass
  bool objectHit = false;  // a picture in an anchor or a form control, of the last pass
};

// One pass over one line.
struct LinePass {
  TRect rect;
  bool measuring = true;
  bool firstPass = true;  // the plain text is collected here only
  int x = 0;
  int textBottom = 0;
  int trailingBlank = 0;
  QString markup;   // the line's markup, handed to the second pass
  QString visible;  // the line's accepted text so far
  bool lineBreak = false;
  bool itemDidNotFit = false;
  bool listItemSeen = false;
  bool anchorStartedHere = false;
};

// Switches that both passes of a line must start with alike.
struct StyleSwitches {
  bool subscript = false;
  bool superscript = false;
  bool shadow = false;
  bool hidden = false;
  bool errorMark = false;
  int rotation = 0;  // tenths of a degree
};

class Renderer {
 public:
  Renderer(const RenderArgs& args, RenderOutputs& out);
  ~Renderer();
  bool run(const QString& text);

  // Line pass (EsgHTMLERenderLine.cpp).
  QString renderLine(QString& text, const TRect& rect, bool measuring, bool firstPass, LineMetrics& line);

 private:
  void begin();
  void finish();
  bool renderOneLine(QString& text, int& y);
  int alignedLeft(int width) const;

  bool takeTag(QString& text, LinePass& pass, LineMetrics& line);

  // Runs of text (EsgHTMLERenderText.cpp).
  bool takeRun(QString& text, LinePass& pass, LineMetrics& line);
  int measureRun(const QString& run, const LinePass& pass);
  int drawRun(const QString& run, LinePass& pass, const LineMetrics& line);
  void drawRunText(const QString& run, TRect r);
  void drawErrorZigzag(int left, int right, int textBottom);
  void testAnchorOnText(const LinePass& pass, LineMetrics& line, int before, int after);
  bool runFits(const LinePass& pass, const LineMetrics& line, int w) const;

  // Tags (EsgHTMLERenderTags.cpp), given the text from the tag's "<" on: false
  // when the tag's object did not fit and the tag stays for the next line.
  bool handleTag(const QString& rest, LinePass& pass, LineMetrics& line);
  bool handleOpeningTag(MarkupTag tag, const QString& tagText, LinePass& pass, LineMetrics& line);
  void handleClosingTag(MarkupTag tag, LinePass& pass, LineMetrics& line);
  void setFontStyle(TFontStyle bit, bool on);
  void lineBreak(LinePass& pass);
  void openAnchor(const QString& tagText, LinePass& pass, const LineMetrics& line);
  void closeAnchor(LinePass& pass, const LineMetrics& line);
  void applyFont(const QString& tagText, const LinePass& pass);
  void closeFont(const LinePass& pass);
  void applyBody(const QString& tagText, const LinePass& pass);
  void applyParagraph(const QString& tagText, const LinePass& pass);
  void closeParagraph(LinePass& pass);
  void highlight(const LinePass& pass, bool on);
  bool listItem(LinePass& pass, LineMetrics& line);
  void horizontalRule(const LinePass& pass);
  void indentTo(const QString& tagText, LinePass& pass, LineMetrics& line);
  void closeFocusRectAtLineEnd(LinePass& pass);

  // Pictures (EsgHTMLEPictures.cpp) and form controls (EsgHTMLEControls.cpp).
  bool picture(const QString& tagText, LinePass& pass, LineMetrics& line);
  void tileBackground(const MarkupPictureSource& source);
  bool formControl(const QString& tagText, LinePass& pass, LineMetrics& line);
  // Fit of a picture or control of the given layout size: false when the line
  // ends before it; otherwise the line and x make room for it.
  bool placeObject(LinePass& pass, LineMetrics& line, int width, int height);

  // Canvas helpers.
  void setBrushColor(TColor color);
  TColor brushColorOrNone() const;
  void setTextColor(TColor color);
  int ghHeight() const;
  bool drawing(const LinePass& pass) const { return !pass.measuring; }
  // Measure mode reports no hits: the point is not tested there.
  bool testsPoint() const { return !a.measureOnly; }

 public:
  const RenderArgs& a;
  RenderOutputs& out;
  TCanvas* canvas;

  // Saved canvas settings.
  TColor savedPenColor = clBlack;
  int savedPenWidth = 1;
  TColor savedBrushColor = clNone;
  TColor entryBrushColor = clWhite;
  TFont initialFont;
  TFont measureFont;
  TFont drawFont;

  unsigned textFlags = 0;
  bool rightToLeftReading = false;
  bool themed = false;

  // Anchors.
  bool inAnchor = false;
  QString anchorHref;
  QString anchorTitle;
  int anchorNumber = 0;
  TColor hoverSavedBrush = clNone;
  TColor hoverSavedText = clNone;
  int anchorStartOffset = 0;
  int anchorStartTop = 0;
  bool pendingAnchorHit = false;
  bool inFocusAnchor = false;
  TRect focusRect;

  // Paragraphs.
  int alignment = 0;  // 0 left, 1 right, 2 centre
  int indent = 0;
  bool band = false;
  TColor paragraphSavedBrush = clNone;

  StyleSwitches style;
  int listLevel = 0;
  TColor highlightSavedText = clNone;
  TColor highlightSavedBrush = clNone;
  TColor fontBackSaved = clNone;

  // Pictures and controls.
  int pictureCounter = 0;
  int pictureUnderPoint = -1;
  int controlWidth = 0;
  int controlHeight = 0;
};

}  // namespace esghtmle
