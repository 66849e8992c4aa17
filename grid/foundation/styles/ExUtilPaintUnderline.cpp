#include "grid/foundation/styles/ExUtilPaintUnderline.h"

#include "platform/ui/paint/Canvas.h"

namespace {

// Left edge of character index in the single text line; 0 before the first.
int charX(TCanvas* canvas, const QString& text, int index) {
  return index <= 0 ? 0 : canvas->TextWidth(text.left(index));
}

}  // namespace

void DrawErrorUnderline(QWidget*, TCanvas* canvas, const QString& text, const TRect& r, int offset, int first,
                        int count) {
  const int length = int(text.size());
  const int startX = (first >= 0 && first < length) ? charX(canvas, text, first) : charX(canvas, text, length) + 4;
  const int last = first + count;
  const int endX = (last >= 0 && last < length) ? charX(canvas, text, last - 1) : charX(canvas, text, length - 1) + 4;
  const int startY = 0, endY = 0;  // one text line

  canvas->Pen()->SetColor(clRed);
  canvas->Pen()->SetWidth(2);
  canvas->MoveTo(r.Left + startX, r.Top + startY + offset + 3);
  int x = startX, tooth = 0;
  for (; x <= endX; x += 3) {
    canvas->LineTo(r.Left + x + 3, r.Top + endY + offset + tooth);
    tooth = 3 - tooth;
  }
  canvas->LineTo(r.Left + x + 3, r.Top + endY + offset + tooth);
}
