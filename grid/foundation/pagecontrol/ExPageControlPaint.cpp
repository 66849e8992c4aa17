// Painting of the tab page control: the area behind the tabs, the page frame,
// every tab with its colours, outline, close button, image and caption, the
// hover outline and the focus frame; and the unit's drawing routines.

#include "grid/foundation/pagecontrol/ExPageControlPaint.h"

#include "grid/foundation/pagecontrol/ExPageControlPrivate.h"
#include "platform/picture/Graphic.h"
#include "platform/picture/ImageList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QRegion>

#include <algorithm>
#include <cmath>

namespace {

int nearest(double x) { return int(std::nearbyint(x)); }

void penAndBrush(TCanvas* canvas, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetColor(color);
}

void polyline(TCanvas* canvas, std::initializer_list<TPoint> points) {
  const TPoint* p = points.begin();
  canvas->MoveTo(p->X, p->Y);
  for (++p; p != points.end(); ++p) canvas->LineTo(p->X, p->Y);
}

TColor bottomLeftPixel(const TBitmap* bitmap) {
  const QImage image = bitmap->pixels();
  return image.isNull() ? clNone : FromQColor(image.pixelColor(0, image.height() - 1));
}

// The region with the transparent colour made see-through.
QImage transparentRegion(const TBitmap* bitmap, TColor transparentColor, int x, int y, int width, int height) {
  return platform::withKeyColorTransparent(bitmap->pixels().copy(x, y, width, height), ColorToRGB(transparentColor));
}

}  // namespace

void DrawGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int bands,
                  ExPageControl::TGradientDirection direction, const TRect& r) {
  if (bands == 0) bands = 1;
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  const double stepR = double(GetRValue(to) - GetRValue(from)) / bands;
  const double stepG = double(GetGValue(to) - GetGValue(from)) / bands;
  const double stepB = double(GetBValue(to) - GetBValue(from)) / bands;
  const bool horizontal = direction == ExPageControl::gdHorizontal;
  const double size = double(horizontal ? r.Width() : r.Height()) / bands;
  for (int n = 0; n < bands; ++n) {
    penAndBrush(canvas, RGB(GetRValue(from) + nearest(n * stepR), GetGValue(from) + nearest(n * stepG),
                            GetBValue(from) + nearest(n * stepB)));
    const int p = nearest(n * size);
    if (horizontal)
      canvas->Rectangle(r.Left + p, r.Top, r.Left + p + nearest(size) + 1, r.Bottom);
    else
      canvas->Rectangle(r.Left, r.Top + p, r.Right, r.Top + p + nearest(size) + 1);
  }
}

void DrawTransparentBitmap(TCanvas* target, const TBitmap* bitmap, int x, int y, TColor transparentColor, int sourceX,
                           int sourceY, int width, int height) {
  StretchTransparentBitmap(target, bitmap, x, y, width, height, transparentColor, sourceX, sourceY, width, height);
}

void StretchTransparentBitmap(TCanvas* target, const TBitmap* bitmap, int x, int y, int width, int height,
                              TColor transparentColor, int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
  QPainter* painter = target->painter();
  if (!painter || !bitmap || bitmap->Empty() || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
    return;
  const QImage source = transparentRegion(bitmap, transparentColor, sourceX, sourceY, sourceWidth, sourceHeight);
  painter->save();
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter->drawImage(QRect(x, y, width, height), source);
  painter->restore();
}

void DrawBitmapStretchedVertically(const TBitmap* bitmap, TCanvas* canvas, int x, int height, int y) {
  if (!bitmap || bitmap->Empty()) return;
  const int w = bitmap->Width(), h = bitmap->Height(), half = h / 2;
  const TColor key = bottomLeftPixel(bitmap);
  DrawTransparentBitmap(canvas, bitmap, x, y, key, 0, 0, w, half);
  StretchTransparentBitmap(canvas, bitmap, x, y + half, w, height - h, key, 0, std::max(half - 1, 0), w, 2);
  DrawTransparentBitmap(canvas, bitmap, x, y + half + height - h, key, 0, half, w, half);
}

void DrawBitmapStretchedHorizontally(const TBitmap* bitmap, TCanvas* canvas, int x, int width, int y) {
  if (!bitmap || bitmap->Empty()) return;
  const int w = bitmap->Width(), h = bitmap->Height(), half = w / 2;
  const TColor key = bottomLeftPixel(bitmap);
  DrawTransparentBitmap(canvas, bitmap, x, y, key, 0, 0, half, h);
  StretchTransparentBitmap(canvas, bitmap, x + half, y, width - w, h, key, std::max(half - 1, 0), 0, 2, h);
  DrawTransparentBitmap(canvas, bitmap, x + half + width - w, y, key, half, 0, half, h);
}

// One paint of the control: the quantities computed at its start and the steps.
class PageControlPainter {
 public:
  PageControlPainter(TExPageControl& control, TCanvas& canvas)
      : c_(control),
        d_(*control.d),
        canvas_(canvas),
        pos_(control.TabPosition()),
        w_(control.width()),
        h_(control.height()) {}

  void paint() {
    canvas_.Brush()->SetColor(parentColor());
    canvas_.SetFont(c_.Font());
    wipeTabs();
    paintBehindTabs();
    paintColouredFrame();
    if (!d_.tabSheet3D) paintFrameLines();
    paintTabs();
    paintActiveBackground();
    paintHoverOutline();
  }

  void drawCloseButton(TRect r, bool active, CloseLook look);

 private:
  bool horizontal() const { return pos_ == tpTop || pos_ == tpBottom; }
  bool visibleTab(int page) const { return d_.pages[size_t(page)]->d->tabVisible; }
  TColor parentColor() const {
    const platform::TControl* parent = platform::AsControl(c_.parentWidget());
    return parent ? parent->Color() : clBtnFace;
  }
  void line(int x1, int y1, int x2, int y2) { polyline(&canvas_, {{x1, y1}, {x2, y2}}); }

  void wipeTabs();
  void paintBehindTabs();
  void paintColouredFrame();
  void paintFrameLines();
  void paintRoundEdges();
  void paintSplitLine();
  void paintTabs();
  void paintTab(int page);
  // The tab's picture at (x, y); moves the caption origin past it.
  void drawTabImage(int imageIndex, int& x, int& y);
  void paintTabOutline(const TRect& r, bool active, int page);
  void paintDotNetSeparator(const TRect& r, int page);
  void paintTabBackGround(const TRect& r, const TBitmap& bitmap, bool activeBitmap);
  void paintCaption(int page, const TRect& stripRect, const TRect& r, int x, int y, bool active);
  void paintActiveBackground();
  void paintHoverOutline();
  void paintFocusFrame(const TRect& r, bool active, int overlap);

  TExPageControl& c_;
  TExPageControl::Data& d_;
  TCanvas& canvas_;
  TTabPosition pos_;
  int w_, h_;
  int maxBottom_ = 0, minTop_ = 0, minLeft_ = 0, maxRight_ = 0;
  int s_ = 0;
  bool coloured_ = false;
  // The active tab whose background picture is drawn after all other tabs.
  bool activeLeftOver_ = false;
  TRect activeRect_;
  TRect activeStripRect_;
  TPoint activeOrigin_;
};

void PageControlPainter::wipeTabs() {
  const int count = c_.PageCount();
  maxBottom_ = 0;
  minTop_ = c_.PageTabRect(0).Top;
  minLeft_ = w_;
  maxRight_ = 0;
  s_ = !d_.tabSheet3D && !d_.tabSplitLine && count > 0 ? 1 : 0;
  bool any = false;
  for (int i = count - 1; i >= 0; --i) {
    if (!visibleTab(i)) continue;
    any = true;
    TRect r = c_.PageTabRect(i);
    maxBottom_ = std::max(maxBottom_, r.Bottom);
    minTop_ = std::min(minTop_, r.Top);
    minLeft_ = std::min(minLeft_, r.Left);
    maxRight_ = std::max(maxRight_, r.Right);
    r.Right += 2;
    switch (pos_) {
      case tpTop: r.Left -= 2, r.Top -= 2; break;
      case tpBottom: r.Left -= 2, r.Bottom += 2; break;
      case tpLeft: r.Left -= 2, r.Bottom += 2, r.Right -= 2, r.Top -= 2; break;
      case tpRight: r.Bottom += 2, r.Top -= 2; break;
    }
    canvas_.FillRect(r);
  }
  if (!any) {
    switch (pos_) {
      case tpTop: maxBottom_ = 2; break;
      case tpBottom: minTop_ = h_ - 2; break;
      case tpLeft: maxRight_ = 2; break;
      case tpRight: minLeft_ = w_ - 2; break;
    }
  }
}

void PageControlPainter::paintBehindTabs() {
  if (!c_.MultiLine() && pos_ == tpTop) {
    canvas_.Brush()->SetColor(c_.Color());
    canvas_.FillRect(Rect(w_ - 35, 0, w_, maxBottom_));
    canvas_.Pen()->SetColor(clWhite);
    line(std::max(w_ - 35, maxRight_), maxBottom_, w_, maxBottom_);
  } else if (!c_.MultiLine() && pos_ == tpBottom) {
    canvas_.Brush()->SetColor(c_.Color());
    canvas_.FillRect(Rect(w_ - 35, minTop_, w_, h_));
    canvas_.Pen()->SetColor(cl3DDkShadow);
    line(std::max(w_ - 35, maxRight_), minTop_ - 1, w_, minTop_ - 1);
  }
  canvas_.Brush()->SetColor(d_.tabBackGroundColor);
  switch (pos_) {
    case tpTop: canvas_.FillRect(Rect(0, 0, w_, maxBottom_)); break;
    case tpBottom: canvas_.FillRect(Rect(0, minTop_, w_, h_)); break;
    case tpLeft: canvas_.FillRect(Rect(0, 0, maxRight_, h_ - 1)); break;
    case tpRight: canvas_.FillRect(Rect(minLeft_, 0, w_, h_ - 1)); break;
  }
}

void PageControlPainter::paintColouredFrame() {
  const TExTabSheet* page = d_.activePage;
  if (!page || (page->d->colorTo == clNone && page->Color() == c_.Color())) return;
  coloured_ = true;
  const int o = d_.tabSheet3D ? 1 : 0;
  const int mb = maxBottom_, mt = minTop_, mr = maxRight_, ml = minLeft_, w = w_, h = h_;
  std::vector<TRect> bands;
  TRect topBand;
  switch (pos_) {
    case tpTop:
      bands = {Rect(1, mb + o, w - 1, mb + 4), Rect(1, h - 4, w - 1, h - 1), Rect(1, mb + o, 4, h - 1),
               Rect(w - 4, mb + o, w - 1, h - 1)};
      topBand = Rect(1, mb + 1, w - 1, mb + 4);
      break;
    case tpBottom:
      bands = {Rect(1, mt - 4, w - 1, mt - o), Rect(1, 1, w - 1, 4), Rect(1, 1, 4, mt - o),
               Rect(w - 4, 1, w - 1, mt - o)};
      topBand = Rect(1, 1, w - 1, 4);
      break;
    case tpLeft:
      bands = {Rect(mr + o, 1, mr + 4, h - 1), Rect(w - 4, 1, w - 1, h - 1), Rect(mr + o, 1, w - 1, 4),
               Rect(mr + o, h - 4, w - 1, h - 1)};
      topBand = Rect(mr + o, 1, w - 1, 4);
      break;
    case tpRight:
      bands = {Rect(ml - 4, 1, ml - o, h - 2), Rect(1, 1, 4, h - 2), Rect(1, 1, ml - o, 4),
               Rect(1, h - 4, ml - o, h - 2)};
      topBand = Rect(1, 1, ml - o, 4);
      break;
  }
  QRegion clip;
  for (const TRect& band : bands) clip += ToQRect(band);
  QPainter* painter = canvas_.painter();
  if (!painter) return;
  painter->save();
  painter->setClipRegion(clip);
  const TRect client = Rect(0, 0, w_, h_);
  if (page->d->colorTo == clNone) {
    penAndBrush(&canvas_, page->Color());
    canvas_.Rectangle(client);
  } else {
    DrawGradient(&canvas_, page->Color(), page->d->colorTo, 16, ExPageControl::gdVertical, client);
    penAndBrush(&canvas_, page->Color());
    canvas_.Rectangle(topBand);
  }
  painter->restore();
}

void PageControlPainter::paintFrameLines() {
  const int mb = maxBottom_, mt = minTop_, mr = maxRight_, ml = minLeft_, w = w_, h = h_;
  const TColor border = d_.tabSheetBorderColor, color = c_.Color();
  canvas_.Pen()->SetColor(border);
  switch (pos_) {
    case tpTop:
      line(0, mb, 0, h);
      line(0, h - 1, w, h - 1);
      line(w - 1, h - 2, w - 1, mb);
      line(0, mb, w, mb);
      canvas_.Pen()->SetColor(color);
      if (!coloured_) {
        line(1, h - 2, w - 1, h - 2);
        line(w - 2, h - 2, w - 2, mb);
      }
      break;
    case tpBottom:
      line(0, 0, 0, mt);
      line(0, mt - 1, w, mt - 1);
      line(w - 1, mt - 1, w - 1, 0);
      line(0, 0, w, 0);
      canvas_.Pen()->SetColor(color);
      if (!coloured_) {
        line(1, mt - 2, w - 1, mt - 2);
        line(w - 2, mt - 2, w - 2, 0);
      }
      break;
    case tpLeft:
      line(mr, 0, mr, h);
      line(mr, h - 2, w - 2, h - 2);
      polyline(&canvas_, {{w - 2, h}, {w - 2, 0}, {mr, 0}});
      canvas_.Pen()->SetColor(color);
      line(mr, h - 1, w - 1, h - 1);
      line(w - 1, h - 1, w - 1, -1);
      break;
    case tpRight:
      line(0, 0, 0, h);
      line(0, h, ml, h);
      line(ml - 1, h, ml - 1, 0);
      line(ml - 1, 0, 0, 0);
      canvas_.Pen()->SetColor(color);
      line(0, h - 1, ml, h - 1);
      if (!coloured_) line(ml - 2, h - 3, ml - 2, 0);
      break;
  }
  if (d_.roundEdges) paintRoundEdges();
  if (!d_.tabSplitLine && c_.PageCount() > 0) paintSplitLine();
}

void PageControlPainter::paintRoundEdges() {
  const int w = w_, h = h_;
  const TColor color = c_.Color(), border = d_.tabSheetBorderColor;
  // The corners away from the tabs; tabs at the bottom and on the right mirror
  // the cuts of tabs on top and on the left.
  const auto my = [&](int y) { return pos_ == tpBottom ? h - 1 - y : y; };
  const auto mx = [&](int x) { return pos_ == tpRight ? w - 1 - x : x; };
  if (horizontal()) {
    canvas_.Pen()->SetColor(color);
    polyline(&canvas_, {{0, my(h - 4)}, {0, my(h - 1)}, {4, my(h - 1)}});
    polyline(&canvas_, {{w - 4, my(h - 1)}, {w - 1, my(h - 1)}, {w - 1, my(h - 5)}});
    canvas_.Pen()->SetColor(border);
    line(1, my(h - 4), 1, my(h - 2));
    line(2, my(h - 2), 4, my(h - 2));
    line(w - 4, my(h - 2), w - 2, my(h - 2));
    line(w - 2, my(h - 3), w - 2, my(h - 5));
  } else {
    canvas_.Pen()->SetColor(color);
    polyline(&canvas_, {{mx(w - 5), h - 2}, {mx(w - 2), h - 2}, {mx(w - 2), h - 6}});
    polyline(&canvas_, {{mx(w - 2), 3}, {mx(w - 2), 0}, {mx(w - 6), 0}});
    canvas_.Pen()->SetColor(border);
    line(mx(w - 5), h - 3, mx(w - 3), h - 3);
    line(mx(w - 3), h - 4, mx(w - 3), h - 6);
    line(mx(w - 3), 3, mx(w - 3), 1);
    line(mx(w - 4), 1, mx(w - 6), 1);
  }
}

void PageControlPainter::paintSplitLine() {
  s_ = 1;
  const TExTabSheet* page = d_.activePage;
  TColor color = c_.Color();
  if (coloured_) {
    color = page->Color();
    if (pos_ == tpBottom && page->d->colorTo != clNone) color = page->d->colorTo;
  }
  canvas_.Pen()->SetColor(color);
  const int overlap = d_.tabOverlap;
  switch (pos_) {
    case tpTop: line(2, maxBottom_, overlap + maxRight_, maxBottom_); break;
    case tpBottom: line(2, minTop_ - 1, overlap + maxRight_, minTop_ - 1); break;
    case tpLeft: {
      const int longer = d_.tabStyle == ExPageControl::tsClassic && !d_.tabBackGround.Empty() ? 2 : 0;
      line(maxRight_, 2, maxRight_, maxBottom_ + overlap + longer);
      break;
    }
    case tpRight: line(minLeft_ - 1, maxBottom_ + overlap - 1, minLeft_ - 1, 2); break;
  }
}

void PageControlPainter::paintTabs() {
  for (int i = c_.PageCount() - 1; i >= 0; --i)
    if (visibleTab(i)) paintTab(i);
}

void PageControlPainter::paintTab(int pageIndex) {
  const TExTabSheet* page = d_.pages[size_t(pageIndex)];
  const TRect stripRect = c_.PageTabRect(pageIndex);
  TRect r = stripRect;
  const bool active = pageIndex == c_.ActivePageIndex();
  const bool close = page->d->showClose;
  const int lower = active ? d_.lowerActive : 0;

  TColor from = page->d->tabColor, to = page->d->tabColorTo;
  ExPageControl::TGradientDirection direction = page->d->tabGradientDirection;
  if (active && d_.activeColor != clNone) {
    from = d_.activeColor, to = d_.activeColorTo;
  } else if (pageIndex == d_.hoverTab && (d_.tabHoverColor != clNone || d_.tabHoverColorTo != clNone)) {
    from = d_.tabHoverColor, to = d_.tabHoverColorTo, direction = page->d->hoverGradientDirection;
  }
  const bool gradientHorizontal = direction == ExPageControl::gdHorizontal;

  int x = 0, y = 0;
  TRect gradient;
  switch (pos_) {
    case tpTop:
      r.Top -= 1;
      x = r.Left + (close ? 18 : 4);
      y = r.Top + 1 + lower;
      gradient = Rect(r.Left, r.Top, gradientHorizontal ? r.Right - 1 : r.Right, r.Bottom - 1);
      break;
    case tpBottom:
      r.Bottom += 1;
      x = r.Left + (close ? 18 : 4);
      y = active ? r.Top + d_.lowerActive + 1 : r.Top;
      gradient =
          gradientHorizontal ? Rect(r.Left, r.Top, r.Right - 1, r.Bottom) : Rect(r.Left, r.Top, r.Right, r.Bottom - 1);
      break;
    case tpLeft:
      x = r.Left + 1 + lower;
      y = r.Bottom - (close ? 17 : 4);
      r.Left -= 1;
      gradient = Rect(r.Left, r.Top, r.Right - 1, gradientHorizontal ? r.Bottom : r.Bottom - 1);
      break;
    case tpRight:
      x = r.Right - 1 - lower;
      y = r.Top + (close ? 17 : 4);
      gradient = !active && !gradientHorizontal ? Rect(r.Left, r.Top, r.Right, r.Bottom - 1) : r;
      break;
  }

  const bool pictures = !d_.tabBackGround.Empty();
  if (!pictures) {
    if (to != clNone) {
      DrawGradient(&canvas_, from, to, 16, direction, gradient);
    } else if (from != clNone) {
      canvas_.Brush()->SetColor(from);
      canvas_.FillRect(r);
    }
    if (pos_ == tpRight) r.Right += 1;
    canvas_.Brush()->SetStyle(bsClear);
    canvas_.Pen()->SetColor(d_.tabBorderColor);
    paintTabOutline(r, active, pageIndex);
  } else {
    if (pos_ == tpRight) r.Right += 1;
    switch (pos_) {
      case tpTop: break;
      case tpBottom: y += 3; break;
      case tpLeft: x -= 2, y -= 3; break;
      case tpRight: x -= c_.TabHeight() / 3, y -= 3; break;
    }
    if (!(active && !d_.tabBackGroundActive.Empty())) paintTabBackGround(r, d_.tabBackGround, false);
  }

  const TTabMargin& m = d_.tabMargin;
  x += m.LeftMargin();
  if (pos_ == tpLeft) {
    y -= m.TopMargin();
    if (!d_.tabBackGroundActive.Empty()) y += d_.tabOverlap + 3;
  } else {
    y += m.TopMargin();
  }

  if (active && pictures && !d_.tabBackGroundActive.Empty()) {
    activeLeftOver_ = true;
    activeRect_ = r;
    activeStripRect_ = stripRect;
    activeOrigin_ = Point(x, y);
    return;
  }
  paintCaption(pageIndex, stripRect, r, x, y, active);
  paintFocusFrame(r, active, 0);
}

void PageControlPainter::paintTabOutline(const TRect& r, bool active, int pageIndex) {
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  const int R1 = R > w_ - 5 ? R : R + 1, B1 = B > h_ - 5 ? B : B + 1;
  if (d_.tabStyle == ExPageControl::tsDotNet) {
    if (active) {
      switch (pos_) {
        case tpTop: polyline(&canvas_, {{L, B}, {L, T}, {R, T}, {R, B}}); break;
        case tpBottom: polyline(&canvas_, {{L, T - 1}, {L, B}, {R, B}, {R, T - 1}}); break;
        case tpLeft: polyline(&canvas_, {{R, T}, {L, T}, {L, B}, {R, B}}); break;
        case tpRight: polyline(&canvas_, {{L - 1, T}, {R - 1, T}, {R - 1, B}, {L - 1, B}}); break;
      }
      return;
    }
    switch (pos_) {
      case tpTop: line(L, B, R, B); break;
      case tpBottom: line(L, T - 1, R, T - 1); break;
      case tpLeft: line(R, T, R, B); break;
      case tpRight: line(L - 1, T, L - 1, B); break;
    }
    paintDotNetSeparator(r, pageIndex);
    return;
  }
  if (active) {
    switch (pos_) {
      case tpTop: polyline(&canvas_, {{L, B - 1}, {L, T}, {R, T}, {R, B}}); break;
      case tpBottom: polyline(&canvas_, {{L, T}, {L, B}, {R, B}, {R, T - 1}}); break;
      case tpLeft: polyline(&canvas_, {{R - 1, T}, {L, T}, {L, B}, {R, B}}); break;
      case tpRight: polyline(&canvas_, {{L, T}, {R - 1, T}, {R - 1, B}, {L - 1, B}}); break;
    }
    return;
  }
  // Only the tabs of the row next to the page reach into the page's frame.
  const bool outerRow = (pos_ == tpTop && B < maxBottom_) || (pos_ == tpBottom && T > minTop_) ||
                        (pos_ == tpLeft && R < maxRight_) || (pos_ == tpRight && L > minLeft_);
  if (outerRow) s_ = 0;
  switch (pos_) {
    case tpTop: canvas_.Rectangle(L, T, R1, B + s_); break;
    case tpBottom: canvas_.Rectangle(L, T - s_, R1, B); break;
    case tpLeft: canvas_.Rectangle(L, T, R + s_, B1); break;
    case tpRight: canvas_.Rectangle(L - s_, T, R, B1); break;
  }
  if (!d_.tabSheet3D && !d_.tabSplitLine) s_ = 1;
}

void PageControlPainter::paintDotNetSeparator(const TRect& r, int pageIndex) {
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  const bool lastOfRow = horizontal() ? R > maxRight_ - 3 : B > maxBottom_ - 3;
  const TExTabSheet* next = c_.FindNextPage(d_.pages[size_t(pageIndex)], true, true);
  if (!lastOfRow && next == d_.activePage) return;
  canvas_.Pen()->SetColor(d_.activeColor);
  if (horizontal()) {
    line(R - 2, B - 3, R - 2, T + 2);
    line(R - 3, B - 3, R - 3, T + 2);
  } else {
    line(L + 2, B - 2, R - 2, B - 2);
    line(L + 2, B - 3, R - 2, B - 3);
  }
}

void PageControlPainter::paintTabBackGround(const TRect& r, const TBitmap& bitmap, bool activeBitmap) {
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom, overlap = d_.tabOverlap;
  const bool raised = activeBitmap && d_.lowerActive >= 1;
  switch (pos_) {
    case tpTop:
      DrawBitmapStretchedHorizontally(&bitmap, &canvas_, activeBitmap ? L - 2 : L - 1, R + overlap - L + 2,
                                      raised ? T - 1 : T - 2);
      break;
    case tpBottom:
      DrawBitmapStretchedHorizontally(&bitmap, &canvas_, L - 2, R + overlap - L + 2,
                                      activeBitmap ? (raised ? T - 3 : T - 1) : T - 1);
      break;
    case tpLeft: DrawBitmapStretchedVertically(&bitmap, &canvas_, raised ? L + 1 : L, B + overlap - T + 3, T); break;
    case tpRight:
      DrawBitmapStretchedVertically(&bitmap, &canvas_, raised ? L - 3 : L - 1, B + overlap - T + 3, T - 2);
      break;
  }
}

void PageControlPainter::paintCaption(int pageIndex, const TRect& stripRect, const TRect& r, int x, int y,
                                      bool active) {
  const TExTabSheet* page = d_.pages[size_t(pageIndex)];
  if (!horizontal()) {
    TFont rotated;
    rotated.Assign(active ? d_.activeFont : *canvas_.Font());
    rotated.SetOrientation(pos_ == tpLeft ? 900 : -900);
    canvas_.SetFont(rotated);
  }
  if (page->d->showClose) c_.paintCloseButton(canvas_, stripRect, active);
  drawTabImage(page->d->imageIndex, x, y);
  if ((active && pos_ == tpTop) || pos_ == tpBottom)
    canvas_.SetFont(d_.activeFont);
  else
    canvas_.Font()->SetColor(page->d->textColor);
  if (!page->d->tabEnable) canvas_.Font()->SetColor(clGray);
  canvas_.Brush()->SetStyle(bsClear);
  if (horizontal()) {
    TRect text = Rect(x, y, r.Right, r.Bottom);
    DrawText(canvas_, page->Caption(), text, DT_SINGLELINE | DT_NOCLIP);
  } else {
    canvas_.TextOut(x, y, page->Caption());
  }
  if (active) canvas_.SetFont(c_.Font());
}

void PageControlPainter::drawTabImage(int imageIndex, int& x, int& y) {
  if (!d_.images || imageIndex < 0) return;
  switch (pos_) {
    case tpLeft:
      d_.images->Draw(&canvas_, x, y - 14, imageIndex);
      y -= d_.images->Height();
      break;
    case tpRight:
      d_.images->Draw(&canvas_, x - 14, y, imageIndex);
      y += d_.images->Height();
      break;
    default:
      d_.images->Draw(&canvas_, x - 2, y, imageIndex);
      x += d_.images->Width();
      break;
  }
}

void PageControlPainter::paintActiveBackground() {
  if (!activeLeftOver_) return;
  const int pageIndex = c_.ActivePageIndex();
  const TExTabSheet* page = d_.pages[size_t(pageIndex)];
  paintTabBackGround(activeRect_, d_.tabBackGroundActive, true);
  c_.paintCloseButton(canvas_, activeStripRect_, true);
  int x = activeOrigin_.X, y = activeOrigin_.Y;
  drawTabImage(page->d->imageIndex, x, y);
  if (!horizontal()) {
    TFont rotated;
    rotated.Assign(d_.activeFont);
    rotated.SetOrientation(pos_ == tpLeft ? 900 : -900);
    canvas_.SetFont(rotated);
  } else {
    canvas_.SetFont(d_.activeFont);
  }
  canvas_.Font()->SetColor(page->d->textColor);
  canvas_.Brush()->SetStyle(bsClear);
  if (horizontal()) {
    if (pos_ == tpBottom) y -= 2;
    TRect text = Rect(x, y, activeRect_.Right, activeRect_.Bottom);
    DrawText(canvas_, page->Caption(), text, DT_SINGLELINE | DT_NOCLIP);
  } else {
    canvas_.TextOut(x, y, page->Caption());
  }
  canvas_.SetFont(c_.Font());
  paintFocusFrame(activeRect_, true, d_.tabOverlap);
}

void PageControlPainter::paintHoverOutline() {
  const int hover = d_.hoverTab;
  if (hover < 0 || hover >= c_.PageCount() || hover == c_.ActivePageIndex() || d_.tabHoverBorder == clNone ||
      !visibleTab(hover))
    return;
  TRect r = c_.PageTabRect(hover);
  if (horizontal() && r.Right > w_ - 5) r.Right -= 1;
  if (!horizontal() && r.Bottom > h_ - 5) r.Bottom -= 1;
  canvas_.Pen()->SetColor(d_.tabHoverBorder);
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  switch (pos_) {
    case tpTop: polyline(&canvas_, {{L, B - 2}, {L, T - 1}, {R, T - 1}, {R, B - 1}}); break;
    case tpBottom: polyline(&canvas_, {{L, T + 1}, {L, B}, {R, B}, {R, T}}); break;
    case tpLeft: polyline(&canvas_, {{R - 1, T}, {L - 1, T}, {L - 1, B}, {R, B}}); break;
    case tpRight: polyline(&canvas_, {{L + 1, T}, {R, T}, {R, B}, {L, B}}); break;
  }
}

void PageControlPainter::paintFocusFrame(const TRect& r, bool active, int overlap) {
  if (!active || !d_.showFocus || !c_.hasFocus()) return;
  canvas_.Brush()->SetStyle(bsClear);
  canvas_.Pen()->SetColor(clBlack);
  canvas_.Pen()->SetStyle(psDot);
  if (horizontal())
    canvas_.Rectangle(r.Left + 5, r.Top + 3, r.Right - overlap - 5, r.Bottom - 3);
  else
    canvas_.Rectangle(r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - overlap - 3);
  canvas_.Pen()->SetStyle(psSolid);
}

void PageControlPainter::drawCloseButton(TRect r, bool active, CloseLook look) {
  const TTabMargin& m = d_.tabMargin;
  const int lower = d_.lowerActive, dNormal = active ? lower : 0;
  const bool normal = look == CloseLook::Normal;
  TPoint p;
  const int left = r.Left + m.LeftMargin(), top = r.Top + m.TopMargin();
  if (pos_ == tpLeft) {
    const int base = r.Bottom - m.TopMargin() + (d_.tabBackGroundActive.Empty() ? 0 : d_.tabOverlap);
    p = Point(left + (normal ? dNormal : lower) + 2, base - 13);
  } else if (pos_ == tpRight) {
    switch (look) {
      case CloseLook::Normal: p = Point(left - dNormal + 4, top + 2); break;
      case CloseLook::Hot: p = Point(left + 2, top + 2); break;
      case CloseLook::Pressed: p = Point(left - lower + 4, top + 2); break;
    }
  } else {
    p = Point(left + 2, top + (normal ? dNormal : lower) + 2);
  }
  if (!d_.closeGlyph.Empty()) {
    DrawTransparentBitmap(&canvas_, &d_.closeGlyph, p.X, p.Y, bottomLeftPixel(&d_.closeGlyph), 0, 0,
                          std::min(12, d_.closeGlyph.Width()), std::min(11, d_.closeGlyph.Height()));
    return;
  }
  const TColor box = look == CloseLook::Normal ? clGray : clBlack;
  const TColor cross = look == CloseLook::Hot ? clGray : clBlack;
  canvas_.Brush()->SetColor(look == CloseLook::Pressed ? clSilver : clWhite);
  canvas_.Pen()->SetColor(box);
  canvas_.Rectangle(p.X, p.Y, p.X + 12, p.Y + 11);
  canvas_.Pen()->SetColor(cross);
  const int a = p.X - 2, b = p.Y - 2;
  line(a + 5, b + 9, a + 11, b + 4);
  line(a + 6, b + 9, a + 10, b + 4);
  line(a + 5, b + 5, a + 11, b + 10);
  line(a + 6, b + 5, a + 10, b + 10);
}

void TExPageControl::Paint(TCanvas& canvas) {
  PaintStrip(canvas, d->tabBorder3D);
  if (!d->tabBorder3D) paintTabs(canvas);
}

void TExPageControl::paintTabs(TCanvas& canvas) { PageControlPainter(*this, canvas).paint(); }

void TExPageControl::paintCloseButton(TCanvas& canvas, const TRect& tabRect, bool active) {
  // The active tab's button shows how the pointer works on it.
  const CloseLook look = active ? d->closeLook : CloseLook::Normal;
  PageControlPainter(*this, canvas).drawCloseButton(tabRect, active, look);
}
