#include "platform/ui/paint/DrawText.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

#include <optional>
#include <vector>

namespace {

// One line of text with the characters that are drawn underlined, and its
// width once measured: shaping a text costs more than drawing it.
struct Line {
  QString text;
  std::vector<bool> underlined;
  mutable std::optional<int> width;

  Line mid(qsizetype from, qsizetype count) const {
    Line part{text.mid(from, count), {}, {}};
    part.underlined.assign(underlined.begin() + from, underlined.begin() + from + part.text.size());
    return part;
  }
};

class Measure {
 public:
  Measure(const QFontMetrics& fm, bool expandTabs) : fm_(fm), expandTabs_(expandTabs) {}

  int width(const QString& s) const {
    if (!expandTabs_ || !s.contains(QLatin1Char('\t'))) {
      return fm_.horizontalAdvance(s);
    }
    const int tab = std::max(1, 8 * fm_.averageCharWidth());
    int x = 0;
    const QStringList segments = s.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < segments.size(); ++i) {
      x += fm_.horizontalAdvance(segments[i]);
      if (i + 1 < segments.size()) {
        x = (x / tab + 1) * tab;
      }
    }
    return x;
  }

  int width(const Line& line) const {
    if (!line.width) {
      line.width = width(line.text);
    }
    return *line.width;
  }

  const QFontMetrics& metrics() const { return fm_; }

 private:
  const QFontMetrics& fm_;
  bool expandTabs_;
};

// Removes the "&" prefixes: "&x" marks x for underlining, "&&" stands for "&".
Line stripPrefixes(const QString& text, unsigned format) {
  Line line;
  if (format & DT_NOPREFIX) {
    line.text = text;
    line.underlined.assign(size_t(text.size()), false);
    return line;
  }
  bool underlineNext = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('&') && !underlineNext) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
        line.text += c;
        line.underlined.push_back(false);
        ++i;
      } else {
        underlineNext = true;
      }
      continue;
    }
    line.text += c;
    line.underlined.push_back(underlineNext && !(format & DT_HIDEPREFIX));
    underlineNext = false;
  }
  return line;
}

// Paragraphs end at CR LF, LF or CR; a break at the very end opens no new line.
std::vector<Line> splitParagraphs(const Line& all) {
  std::vector<Line> paragraphs;
  qsizetype start = 0;
  const QString& t = all.text;
  for (qsizetype i = 0; i < t.size(); ++i) {
    if (t[i] != QLatin1Char('\r') && t[i] != QLatin1Char('\n')) {
      continue;
    }
    paragraphs.push_back(all.mid(start, i - start));
    if (t[i] == QLatin1Char('\r') && i + 1 < t.size() && t[i + 1] == QLatin1Char('\n')) {
      ++i;
    }
    start = i + 1;
  }
  if (start < t.size() || paragraphs.empty()) {
    paragraphs.push_back(all.mid(start, t.size() - start));
  }
  return paragraphs;
}

qsizetype skipBlanks(const QString& t, qsizetype i) {
  while (i < t.size() && t[i] == QLatin1Char(' ')) {
    ++i;
  }
  return i;
}

// Breaks a paragraph between words so that each line fits maxWidth; a word wider
// than maxWidth makes a line of its own.
void wrapParagraph(const Line& para, int maxWidth, const Measure& m, std::vector<Line>& out) {
  const QString& t = para.text;
  qsizetype start = 0;
  do {
    if (m.width(t.mid(start)) <= maxWidth) {
      out.push_back(para.mid(start, t.size() - start));
      return;
    }
    qsizetype lineEnd = -1;
    for (qsizetype i = start + 1; i < t.size(); ++i) {
      if (t[i] != QLatin1Char(' ') || t[i - 1] == QLatin1Char(' ')) {
        continue;
      }
      if (m.width(t.mid(start, i - start)) > maxWidth) {
        break;
      }
      lineEnd = i;
    }
    if (lineEnd < 0) {
      lineEnd = t.indexOf(QLatin1Char(' '), start + 1);
      if (lineEnd < 0) {
        lineEnd = t.size();
      }
    }
    out.push_back(para.mid(start, lineEnd - start));
    start = skipBlanks(t, lineEnd);
  } while (start < t.size());
}

// Cuts the line so that it fits with "..." at its end.
Line withEndEllipsis(const Line& line, int maxWidth, const Measure& m) {
  if (m.width(line) <= maxWidth) {
    return line;
  }
  const QString dots = QStringLiteral("...");
  qsizetype lo = 0;
  qsizetype hi = line.text.size() - 1;
  while (lo < hi) {
    const qsizetype mid = (lo + hi + 1) / 2;
    if (m.width(line.text.left(mid) + dots) <= maxWidth) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  Line cut = line.mid(0, lo);
  cut.text += dots;
  cut.underlined.insert(cut.underlined.end(), 3, false);
  return cut;
}

std::vector<Line> layoutLines(const QString& text, int maxWidth, unsigned format, const Measure& m) {
  const Line all = stripPrefixes(text, format);
  std::vector<Line> lines;
  if (format & DT_SINGLELINE) {
    lines.push_back(all);
  } else {
    for (const Line& para : splitParagraphs(all)) {
      if (format & DT_WORDBREAK) {
        wrapParagraph(para, maxWidth, m, lines);
      } else {
        lines.push_back(para);
      }
    }
  }
  if ((format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) && !(format & DT_CALCRECT)) {
    for (Line& line : lines) {
      line = withEndEllipsis(line, maxWidth, m);
    }
  }
  return lines;
}

void drawLine(QPainter* p, const Line& line, int x, int y, const Measure& m) {
  const QFontMetrics& fm = m.metrics();
  const int baseline = y + fm.ascent();
  if (!line.text.contains(QLatin1Char('\t'))) {
    p->drawText(QPoint(x, baseline), line.text);
  } else {
    qsizetype pos = 0;
    for (const QString& segment : line.text.split(QLatin1Char('\t'))) {
      p->drawText(QPoint(x + m.width(line.text.left(pos)), baseline), segment);
      pos += segment.size() + 1;
    }
  }
  for (size_t i = 0; i < line.underlined.size(); ++i) {
    if (!line.underlined[i]) {
      continue;
    }
    const int left = x + m.width(line.text.left(qsizetype(i)));
    const int right = x + m.width(line.text.left(qsizetype(i) + 1));
    p->fillRect(QRect(left, baseline + fm.underlinePos(), right - left, std::max(1, int(fm.lineWidth()))),
                p->pen().color());
  }
}

}  // namespace

int DrawText(TCanvas& canvas, const QString& text, TRect& r, unsigned format) {
  const Measure m(canvas.fontMetrics(), format & DT_EXPANDTABS);
  const int lineHeight = m.metrics().height() + ((format & DT_EXTERNALLEADING) ? m.metrics().leading() : 0);
  if (text.isEmpty()) {
    if (format & DT_CALCRECT) {
      r.Right = r.Left;
      r.Bottom = r.Top + ((format & DT_SINGLELINE) ? lineHeight : 0);
    }
    return 0;
  }
  const std::vector<Line> lines = layoutLines(text, r.Width(), format, m);
  const int height = lineHeight * int(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& line : lines) {
      widest = std::max(widest, m.width(line));
    }
    r.Right = r.Left + widest;
    r.Bottom = r.Top + height;
    return height;
  }
  int y = r.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) {
      y = r.Top + (r.Height() - lineHeight) / 2;
    } else if (format & DT_BOTTOM) {
      y = r.Bottom - lineHeight;
    }
  }
  const int result = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? y - r.Top + height
                                                                                     : height;
  QPainter* p = canvas.painter();
  if (!p) {
    return result;
  }
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!(format & DT_NOCLIP)) {
    p->setClipRect(ToQRect(r), Qt::IntersectClip);
  }
  p->setFont(canvas.qtFont());
  p->setPen(ToQColor(canvas.Font()->Color()));
  const bool opaque = canvas.BkMode() == OPAQUE;
  for (const Line& line : lines) {
    int x = r.Left;
    if (format & DT_CENTER) {
      x = r.Left + (r.Width() - m.width(line)) / 2;
    } else if (format & DT_RIGHT) {
      x = r.Right - m.width(line);
    }
    if (opaque) {
      p->fillRect(QRect(x, y, m.width(line), lineHeight), ToQColor(canvas.Brush()->Color()));
    }
    drawLine(p, line, x, y, m);
    y += lineHeight;
  }
  p->restore();
  return result;
}
