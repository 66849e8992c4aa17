#include "grid/foundation/markup/ExUtilRichText.h"

#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/core/CodePages.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>

#include <algorithm>
#include <vector>

namespace {

// ---- the rich-text form, read as plain text -----------------------------------------------

// The groups whose content is not text.
bool isSkippedDestination(const QString& word)
{
    static const char* const names[] = {"fonttbl",  "colortbl",  "stylesheet", "info",      "pict",
                                        "header",   "footer",    "generator",  "listtable", "listoverridetable",
                                        "rsidtbl",  "themedata", "colorschememapping",      "latentstyles",
                                        "datastore", "xmlnsdecl", "object",    "filetbl"};
    for (const char* name : names)
        if (word == QLatin1String(name))
            return true;
    return false;
}

struct RtfGroup {
    bool skip = false;
    int unicodeSkip = 1;
};

class RtfPlainReader {
public:
    explicit RtfPlainReader(const QString& text) : text_(text) {}

    QString read()
    {
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (c == u'{')
                stack_.push_back(stack_.back());
            else if (c == u'}')
                popGroup();
            else if (c == u'\\')
                controlSequence();
            else if (c != u'\r' && c != u'\n')
                insert(c);
        }
        return out_;
    }

private:
    void popGroup()
    {
        if (stack_.size() > 1)
            stack_.pop_back();
    }

    void insert(QChar c)
    {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (!stack_.back().skip)
            out_ += c;
    }

    void lineEnd()
    {
        pendingSkip_ = 0;
        if (!stack_.back().skip)
            out_ += QStringLiteral("\r\n");
    }

    void controlSequence()
    {
        if (pos_ >= text_.size())
            return;
        const QChar c = text_[pos_];
        if (!(c.unicode() < 128 && c.isLetter())) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const qsizetype wordStart = pos_;
        while (pos_ < text_.size() && text_[pos_].unicode() < 128 && text_[pos_].isLetter())
            ++pos_;
        const QString word = text_.mid(wordStart, pos_ - wordStart);
        const qsizetype digitsStart = pos_;
        if (pos_ < text_.size() && text_[pos_] == u'-')
            ++pos_;
        // a parameter longer than a 32-bit number can hold reads as absent
        while (pos_ < text_.size() && text_[pos_].unicode() < 128 && text_[pos_].isDigit())
            ++pos_;
        bool hasParameter = false;
        const int parameter = text_.mid(digitsStart, pos_ - digitsStart).toInt(&hasParameter);
        if (pos_ < text_.size() && text_[pos_] == u' ')
            ++pos_;
        controlWord(word, hasParameter, parameter);
    }

    void controlSymbol(QChar c)
    {
        if (c == u'\'') {
            bool ok = false;
            const int byte = text_.mid(pos_, 2).toInt(&ok, 16);
            pos_ = std::min(pos_ + 2, text_.size());
            if (ok)
                insert(StringFromAnsi(QByteArray(1, static_cast<char>(byte))).at(0));
        } else if (c == u'*') {
            stack_.back().skip = true;
        } else if (c == u'~') {
            insert(QChar(0xA0));
        } else if (c == u'\r' || c == u'\n') {
            lineEnd();
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            insert(c);
        }
    }

    void controlWord(const QString& word, bool hasParameter, int parameter)
    {
        if (isSkippedDestination(word))
            stack_.back().skip = true;
        else if (word == u"par" || word == u"line")
            lineEnd();
        else if (word == u"tab")
            insert(u'\t');
        else if (word == u"uc" && hasParameter)
            stack_.back().unicodeSkip = std::clamp(parameter, 0, 16);
        else if (word == u"u" && hasParameter)
            unicodeCharacter(parameter);
    }

    // A 16-bit character given as a signed number, followed by its stand-ins
    // for readers without Unicode, which are skipped.
    void unicodeCharacter(int parameter)
    {
        pendingSkip_ = 0;
        insert(QChar(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter)));
        pendingSkip_ = stack_.back().unicodeSkip;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    std::vector<RtfGroup> stack_{RtfGroup{}};
    int pendingSkip_ = 0;
    QString out_;
};

// ---- markup and documents -----------------------------------------------------------------

// One formatting element of the markup, in the order the writer nests them.
enum class Element { B, I, U, S, Font, Sub, Sup };

struct OpenElement {
    Element kind = Element::B;
    QString face;
    int points = 0;
    bool hasColor = false;
    TColor color = clBlack;

    bool operator==(const OpenElement&) const = default;
};

OpenElement element(Element kind)
{
    OpenElement e;
    e.kind = kind;
    return e;
}

QTextCharFormat formatOf(const std::vector<OpenElement>& open)
{
    QTextCharFormat format;
    for (const OpenElement& e : open) {
        switch (e.kind) {
        case Element::B: format.setFontWeight(QFont::Bold); break;
        case Element::I: format.setFontItalic(true); break;
        case Element::U: format.setFontUnderline(true); break;
        case Element::S: format.setFontStrikeOut(true); break;
        case Element::Sub: format.setVerticalAlignment(QTextCharFormat::AlignSubScript); break;
        case Element::Sup: format.setVerticalAlignment(QTextCharFormat::AlignSuperScript); break;
        case Element::Font:
            if (!e.face.isEmpty())
                format.setFontFamilies(QStringList{e.face});
            if (e.points > 0)
                format.setFontPointSize(e.points);
            if (e.hasColor)
                format.setForeground(ToQColor(e.color));
            break;
        }
    }
    return format;
}

OpenElement fontElement(const QString& tagText)
{
    OpenElement e;
    e.kind = Element::Font;
    const QString attributes = MarkupAttributeText(tagText, MarkupTag::FONT);
    // the face keeps the case it was written in
    FindMarkupAttribute(attributes, QStringLiteral("FACE"), e.face);
    const MarkupFontAttributes parsed = ParseFontTag(tagText);
    e.points = parsed.SizePoints.value_or(0);
    e.hasColor = parsed.Color.has_value();
    e.color = parsed.Color.value_or(clBlack);
    return e;
}

bool elementOf(MarkupTag tag, Element& kind)
{
    switch (tag) {
    case MarkupTag::B: kind = Element::B; return true;
    case MarkupTag::I: kind = Element::I; return true;
    case MarkupTag::U: kind = Element::U; return true;
    case MarkupTag::S: kind = Element::S; return true;
    case MarkupTag::FONT: kind = Element::Font; return true;
    case MarkupTag::SUB: kind = Element::Sub; return true;
    case MarkupTag::SUP: kind = Element::Sup; return true;
    default: return false;
    }
}

// A closing tag ends the latest open element of its kind and what was opened
// inside it; "</SU..." ends subscript and superscript alike.
void closeElement(std::vector<OpenElement>& open, Element kind)
{
    for (auto i = open.size(); i-- > 0;) {
        const bool match = open[i].kind == kind ||
                           (kind == Element::Sub && open[i].kind == Element::Sup);
        if (match) {
            open.resize(i);
            return;
        }
    }
}

QString decodeEntities(QString run)
{
    static const std::pair<const char*, char16_t> entities[] = {
        {"&lt;", u'<'}, {"&gt;", u'>'}, {"&quot;", u'"'}, {"&nbsp;", 0xA0}, {"&amp;", u'&'}};
    for (const auto& [name, c] : entities)
        run.replace(QLatin1String(name), QString(QChar(c)), Qt::CaseInsensitive);
    return run;
}

class MarkupDocumentReader {
public:
    MarkupDocumentReader(QTextDocument* document, const QString& markup)
        : cursor_(document), text_(LineEndsToBreakTags(markup, true))
    {
    }

    void read()
    {
        qsizetype pos = 0;
        while (pos < text_.size()) {
            if (text_[pos] != u'<') {
                qsizetype next = text_.indexOf(u'<', pos);
                if (next < 0)
                    next = text_.size();
                cursor_.insertText(decodeEntities(text_.mid(pos, next - pos)), formatOf(open_));
                pos = next;
                continue;
            }
            const int end = MarkupTagEnd(text_, int(pos));
            if (end < 0)
                return;
            tag(text_.mid(pos, end - pos + 1));
            pos = end + 1;
        }
    }

private:
    void tag(const QString& tagWithEnd)
    {
        const MarkupTagKind kind = RecognizeMarkupTag(tagWithEnd);
        if (kind.Tag == MarkupTag::BR && !kind.Closing) {
            cursor_.insertBlock(QTextBlockFormat(), formatOf(open_));
            return;
        }
        Element tagElement = Element::B;
        if (!elementOf(kind.Tag, tagElement))
            return;
        if (kind.Closing) {
            closeElement(open_, tagElement);
        } else if (tagElement == Element::Font) {
            open_.push_back(fontElement(tagWithEnd.chopped(1)));
        } else {
            open_.push_back(element(tagElement));
        }
    }

    QTextCursor cursor_;
    const QString text_;
    std::vector<OpenElement> open_;
};

// ---- writing ------------------------------------------------------------------------------

std::vector<OpenElement> elementsOf(const QTextCharFormat& format)
{
    std::vector<OpenElement> list;
    if (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() >= QFont::Bold)
        list.push_back(element(Element::B));
    if (format.fontItalic())
        list.push_back(element(Element::I));
    if (format.fontUnderline())
        list.push_back(element(Element::U));
    if (format.fontStrikeOut())
        list.push_back(element(Element::S));
    OpenElement font;
    font.kind = Element::Font;
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        font.face = families.isEmpty() ? QString() : families.first();
    }
    if (format.hasProperty(QTextFormat::FontPointSize))
        font.points = qRound(format.fontPointSize());
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        font.hasColor = true;
        font.color = FromQColor(format.foreground().color());
    }
    if (!font.face.isEmpty() || font.points > 0 || font.hasColor)
        list.push_back(font);
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        list.push_back(element(Element::Sub));
    else if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        list.push_back(element(Element::Sup));
    return list;
}

QString hexColor(TColor color)
{
    const QColor c = ToQColor(color);
    return QStringLiteral("#%1%2%3")
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString openingTag(const OpenElement& e)
{
    switch (e.kind) {
    case Element::B: return QStringLiteral("<B>");
    case Element::I: return QStringLiteral("<I>");
    case Element::U: return QStringLiteral("<U>");
    case Element::S: return QStringLiteral("<S>");
    case Element::Sub: return QStringLiteral("<SUB>");
    case Element::Sup: return QStringLiteral("<SUP>");
    case Element::Font: break;
    }
    QString tag = QStringLiteral("<FONT");
    if (!e.face.isEmpty())
        tag += QStringLiteral(" FACE=\"%1\"").arg(e.face);
    if (e.points > 0)
        tag += QStringLiteral(" SIZE=\"%1\"").arg(e.points);
    if (e.hasColor)
        tag += QStringLiteral(" COLOR=\"%1\"").arg(hexColor(e.color));
    return tag + u'>';
}

QString closingTag(const OpenElement& e)
{
    static const char* const names[] = {"B", "I", "U", "S", "FONT", "SUB", "SUP"};
    return QStringLiteral("</%1>").arg(QLatin1String(names[int(e.kind)]));
}

QString escapedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            out += QStringLiteral("&amp;");
        else if (c == u'<')
            out += QStringLiteral("&lt;");
        else if (c == u'>')
            out += QStringLiteral("&gt;");
        else if (c.unicode() == 0xA0)
            out += QStringLiteral("&nbsp;");
        else if (c == QChar::LineSeparator)
            out += QStringLiteral("<BR>");
        else if (c != u'\r' && c != u'\n')
            out += c;
    }
    return out;
}

class MarkupWriter {
public:
    void fragment(const QTextCharFormat& format, const QString& text)
    {
        const std::vector<OpenElement> wanted = elementsOf(format);
        formatted_ = formatted_ || !wanted.empty();
        size_t keep = 0;
        while (keep < open_.size() && keep < wanted.size() && open_[keep] == wanted[keep])
            ++keep;
        closeDownTo(keep);
        writeBreaks();
        for (size_t i = keep; i < wanted.size(); ++i) {
            out_ += openingTag(wanted[i]);
            open_.push_back(wanted[i]);
        }
        out_ += escapedText(text);
    }
    // A line break is written once the formatting of what follows is known,
    // so that it stands outside elements that end with the line.
    void lineBreak() { ++pendingBreaks_; }
    QString finish()
    {
        closeDownTo(0);
        writeBreaks();
        return out_;
    }
    bool formatted() const { return formatted_; }

private:
    void closeDownTo(size_t depth)
    {
        while (open_.size() > depth) {
            out_ += closingTag(open_.back());
            open_.pop_back();
        }
    }

    void writeBreaks()
    {
        for (; pendingBreaks_ > 0; --pendingBreaks_)
            out_ += QStringLiteral("<BR>");
    }

    QString out_;
    std::vector<OpenElement> open_;
    bool formatted_ = false;
    int pendingBreaks_ = 0;
};

QString plainTextOf(const QTextDocument* document)
{
    QString text = document->toPlainText();
    text.replace(QChar::LineSeparator, u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

}  // namespace

QString RtfToPlainText(const QString& Rtf) { return RtfPlainReader(Rtf).read(); }

void MarkupToDocument(QTextDocument* Document, const QString& Markup)
{
    if (!Document)
        return;
    Document->clear();
    MarkupDocumentReader(Document, Markup).read();
}

QString DocumentToMarkup(const QTextDocument* Document)
{
    if (!Document)
        return QString();
    MarkupWriter writer;
    for (QTextBlock block = Document->begin(); block.isValid(); block = block.next()) {
        if (block != Document->begin())
            writer.lineBreak();
        for (auto it = block.begin(); !it.atEnd(); ++it)
            writer.fragment(it.fragment().charFormat(), it.fragment().text());
    }
    const QString markup = writer.finish();
    if (writer.formatted())
        return markup;
    const QString plain = plainTextOf(Document);
    if (ClassifyCellText(plain, true) != ctMarkup && ClassifyCellText(plain, true) != ctRichText)
        return plain;
    return QStringLiteral("<BODY>") + markup + QStringLiteral("</BODY>");
}

void LoadCellRichText(QTextDocument* Document, const QString& CellText)
{
    if (!Document)
        return;
    const int kind = ClassifyCellText(CellText, true);
    if (kind == ctMarkup) {
        MarkupToDocument(Document, CellText);
        return;
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    QString plain = kind == ctRichText ? RtfToPlainText(CellText) : CellText;
    Document->setPlainText(plain.replace(lineBreak, QStringLiteral("\n")));
}
