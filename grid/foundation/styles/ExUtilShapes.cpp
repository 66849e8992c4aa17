#include "grid/foundation/styles/ExUtilShapes.h"

#include "platform/ui/paint/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

int nearest(double x) { return int(std::nearbyint(x)); }

using Points = std::vector<TPoint>;

// Star points k (0 to 9) clockwise from the top, every 36 degrees; odd points lie
// on a third of the radii.
TPoint starPoint(int k, int cw, int ch) {
  const double a = k * 36.0 * std::numbers::pi / 180.0;
  const double rx = (k % 2 == 0) ? cw : cw / 3.0;
  const double ry = (k % 2 == 0) ? ch : ch / 3.0;
  return {cw + nearest(std::sin(a) * rx), ch - nearest(std::cos(a) * ry)};
}

// The outline of the polygon shapes relative to the box's top-left corner.
Points polygonOf(TCellShape shape, int W, int H) {
  const int cw = W / 2, ch = H / 2;
  const int We = W % 2 ? W - 1 : W, He = H % 2 ? H - 1 : H;
  const int qw = We / 4, qh = He / 4;
  switch (shape) {
    case csTriangleLeft:
      return {{W, 0}, {W, H}, {0, ch}};
    case csTriangleRight:
      return {{0, 0}, {0, H}, {W, ch}};
    case csTriangleUp:
      return {{0, H}, {W, H}, {cw, 0}};
    case csTriangleDown:
      return {{0, 0}, {W, 0}, {cw, H}};
    case csDiamond:
      return {{0, ch}, {cw, 0}, {2 * cw, ch}, {cw, 2 * ch}};
    case csStar: {
      Points star;
      for (int k = 0; k < 10; ++k) star.push_back(starPoint(k, cw, ch));
      return star;
    }
    case csHalfStar: {
      Points half;
      for (int k : {0, 5, 6, 7, 8, 9}) half.push_back(starPoint(k, cw, ch));
      return half;
    }
    case csArrowUp:
      return {{0, ch}, {We / 2, 0}, {We, ch}, {3 * qw, ch}, {3 * qw, H}, {qw, H}, {qw, ch}};
    case csArrowDown:
      return {{0, ch}, {We / 2, H}, {We, ch}, {3 * qw, ch}, {3 * qw, 0}, {qw, 0}, {qw, ch}};
    case csArrowLeft:
      return {{0, He / 2}, {cw, 0}, {cw, qh}, {W, qh}, {W, 3 * qh}, {cw, 3 * qh}, {cw, He}};
    case csArrowRight:
      return {{W, He / 2}, {cw, 0}, {cw, qh}, {0, qh}, {0, 3 * qh}, {cw, 3 * qh}, {cw, He}};
    default:
      return {};
  }
}

}  // namespace

void DrawCellShape(TCanvas* canvas, int x, int y, int width, int height, TCellShape shape, TColor brushColor,
                   TColor penColor) {
  canvas->Brush()->SetColor(brushColor);
  canvas->Pen()->SetColor(penColor);
  if (shape == csCircle || shape == csSquare || shape == csRoundSquare) width = height = std::min(width, height);
  const int W = width, H = height, cw = W / 2, ch = H / 2;
  switch (shape) {
    case csRectangle:
    case csSquare:
      canvas->Rectangle(x + 1, y + 1, x + W - 1, y + H - 1);
      return;
    case csCircle:
    case csEllips:
      canvas->Ellipse(x, y, x + W, y + H);
      return;
    case csLineVert:
      canvas->Rectangle(x + cw, y, x + cw + 1, y + H);
      return;
    case csLineHorz:
      canvas->Rectangle(x, y + ch, x + W, y + ch + 1);
      return;
    case csRoundRect:
    case csRoundSquare:
      canvas->RoundRect(x, y, x + W, y + H, 10, 10);
      return;
    default:
      break;
  }
  Points points = polygonOf(shape, W, H);
  for (TPoint& p : points) p = {x + p.X, y + p.Y};
  canvas->Polygon(points);
}

void DrawDownTriangle(TCanvas* canvas, int x, int y, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->Pen()->SetColor(color);
  canvas->Polygon({{x - 3, y}, {x + 3, y}, {x, y + 3}});
}
