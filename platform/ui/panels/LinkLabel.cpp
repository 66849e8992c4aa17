#include "platform/ui/panels/LinkLabel.h"

#include <QtCore/QRegularExpression>

#include <vector>

namespace {

struct Link {
  QString target;
  TSysLinkType type;
};

QString attribute(const QString& attributes, const QString& name) {
  const QRegularExpression pattern(QStringLiteral("\\b%1\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
                                   QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(attributes);
  if (!match.hasMatch()) return QString();
  for (int group = 2; group <= 4; ++group)
    if (match.capturedStart(group) >= 0) return match.captured(group);
  return QString();
}

}  // namespace

struct TLinkLabel::Data {
  QString caption;
  bool autoSize = true;
  std::vector<Link> links;
};

TLinkLabel::TLinkLabel(QWidget* parent)
    : QLabel(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  setOpenExternalLinks(false);
  connect(this, &QLabel::linkActivated, this, [this](const QString& key) {
    const int index = key.toInt();
    if (index < 0 || index >= int(d->links.size()) || !OnLinkClick) return;
    OnLinkClick(this, d->links[size_t(index)].target, d->links[size_t(index)].type);
  });
}

TLinkLabel::~TLinkLabel() = default;

QString TLinkLabel::Caption() const { return d->caption; }

// Everything but the anchors is escaped, so the caption shows as written; each
// anchor gets its index as address and keeps its own target aside.
void TLinkLabel::SetCaption(const QString& caption) {
  static const QRegularExpression anchor(QStringLiteral("<a(\\s[^>]*)?>(.*?)</a>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
  d->caption = caption;
  d->links.clear();
  QString html;
  qsizetype done = 0;
  for (auto it = anchor.globalMatch(caption); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    html += caption.mid(done, match.capturedStart() - done).toHtmlEscaped();
    const QString href = attribute(match.captured(1), QStringLiteral("href"));
    const QString id = attribute(match.captured(1), QStringLiteral("id"));
    d->links.push_back(href.isEmpty() && !id.isEmpty() ? Link{id, sltID} : Link{href, sltURL});
    html += QStringLiteral("<a href=\"%1\">%2</a>").arg(d->links.size() - 1).arg(match.captured(2).toHtmlEscaped());
    done = match.capturedEnd();
  }
  html += caption.mid(done).toHtmlEscaped();
  setText(html);
  if (d->autoSize) resize(sizeHint());
}

bool TLinkLabel::AutoSize() const { return d->autoSize; }

void TLinkLabel::SetAutoSize(bool autoSize) {
  d->autoSize = autoSize;
  if (autoSize) resize(sizeHint());
}

void TLinkLabel::ChangeBounds(const QRect& bounds) {
  setGeometry(d->autoSize ? QRect(bounds.topLeft(), sizeHint()) : bounds);
}
