#include "grid/foundation/ExUtilRichText.h"

#include <QtCore/QStringDecoder>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>

#include <algorithm>
#include <vector>

namespace {

// The groups whose content is not text.
bool isSkippedDestination(const QString& word)
{
    static const char* const names[] = {"fonttbl",   "colortbl",  "stylesheet", "info",     "pict",
                                        "header",    "footer",    "generator",  "listtable", "listoverridetable",
                                        "rsidtbl",   "themedata", "colorschememapping", "latentstyles",
                                        "datastore", "xmlnsdecl", "object",     "filetbl"};
    for (const char* name : names)
        if (word == QLatin1String(name))
            return true;
    return false;
}

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool skip = false;
    int unicodeSkip = 1;
};

class RichTextReader {
public:
    RichTextReader(QTextDocument* document, const QString& text) : cursor_(document), text_(text) {}

    void read()
    {
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (c == u'{')
                stack_.push_back(state());
            else if (c == u'}')
                popGroup();
            else if (c == u'\\')
                controlSequence();
            else if (c != u'\r' && c != u'\n')
                insert(c);
        }
    }

private:
    GroupState& state() { return stack_.back(); }

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
        if (state().skip)
            return;
        QTextCharFormat format;
        format.setFontWeight(state().bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state().italic);
        format.setFontUnderline(state().underline);
        cursor_.insertText(QString(c), format);
    }

    void controlSequence()
    {
        if (pos_ >= text_.size())
            return;
        const QChar c = text_[pos_];
        if (!c.isLetter()) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        QString word;
        while (pos_ < text_.size() && text_[pos_].isLetter() && text_[pos_].unicode() < 128)
            word += text_[pos_++];
        QString digits;
        if (pos_ < text_.size() && text_[pos_] == u'-')
            digits += text_[pos_++];
        while (pos_ < text_.size() && text_[pos_].isDigit() && text_[pos_].unicode() < 128)
            digits += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == u' ')
            ++pos_;
        bool hasParameter = false;
        const int parameter = digits.toInt(&hasParameter);
        controlWord(word, hasParameter, parameter);
    }

    void controlSymbol(QChar c)
    {
        if (c == u'\'') {
            const int byte = text_.mid(pos_, 2).toInt(nullptr, 16);
            pos_ += 2;
            const char raw = static_cast<char>(byte);
            const QString decoded = decoder_.decode(QByteArrayView(&raw, 1));
            insert(decoded.isEmpty() ? QChar(byte) : decoded[0]);
        } else if (c == u'*') {
            state().skip = true;
        } else if (c == u'~') {
            insert(QChar(0xA0));
        } else if (c == u'\r' || c == u'\n') {
            insert(QChar::ParagraphSeparator);
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            insert(c);
        }
    }

    void controlWord(const QString& word, bool hasParameter, int parameter)
    {
        const bool on = !hasParameter || parameter != 0;
        if (isSkippedDestination(word))
            state().skip = true;
        else if (word == u"par")
            insert(QChar::ParagraphSeparator);
        else if (word == u"line")
            insert(QChar::LineSeparator);
        else if (word == u"tab")
            insert(u'\t');
        else if (word == u"b")
            state().bold = on;
        else if (word == u"i")
            state().italic = on;
        else if (word == u"ul")
            state().underline = on;
        else if (word == u"ulnone")
            state().underline = false;
        else if (word == u"plain")
            state().bold = state().italic = state().underline = false;
        else if (word == u"uc" && hasParameter)
            state().unicodeSkip = std::max(0, parameter);
        else if (word == u"u" && hasParameter)
            unicodeCharacter(parameter);
    }

    // A 16-bit character given as a signed number, followed by its stand-ins
    // for readers without Unicode, which are skipped.
    void unicodeCharacter(int parameter)
    {
        pendingSkip_ = 0;
        insert(QChar(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter)));
        pendingSkip_ = state().unicodeSkip;
    }

    QTextCursor cursor_;
    const QString& text_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_{GroupState{}};
    int pendingSkip_ = 0;
    QStringDecoder decoder_{"windows-1252"};
};

QString escaped(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}')
            out += u'\\' + QString(c);
        else if (u == u'\t')
            out += QStringLiteral("\\tab ");
        else if (c == QChar::LineSeparator)
            out += QStringLiteral("\\line ");
        else if (u >= 32 && u < 128)
            out += c;
        else if (u >= 32)
            out += QStringLiteral("\\u%1?").arg(static_cast<int16_t>(u));
    }
    return out;
}

QString formatSwitches(const QTextCharFormat& format, GroupState& current)
{
    QString out;
    const bool bold = format.fontWeight() >= QFont::Bold;
    if (bold != current.bold)
        out += bold ? QStringLiteral("\\b ") : QStringLiteral("\\b0 ");
    if (format.fontItalic() != current.italic)
        out += format.fontItalic() ? QStringLiteral("\\i ") : QStringLiteral("\\i0 ");
    if (format.fontUnderline() != current.underline)
        out += format.fontUnderline() ? QStringLiteral("\\ul ") : QStringLiteral("\\ulnone ");
    current.bold = bold;
    current.italic = format.fontItalic();
    current.underline = format.fontUnderline();
    return out;
}

}  // namespace

void LoadRichText(QTextDocument* Document, const QString& Text)
{
    if (!Document)
        return;
    Document->clear();
    if (Text.isEmpty())
        return;
    if (!Text.startsWith(QStringLiteral("{\\"))) {
        Document->setPlainText(Text);
        return;
    }
    RichTextReader(Document, Text).read();
}

QString SaveRichText(const QTextDocument* Document)
{
    QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0 %1;}}\n\\pard ")
                      .arg(Document ? Document->defaultFont().family() : QString());
    if (!Document)
        return out + u'}';
    GroupState current;
    for (QTextBlock block = Document->begin(); block.isValid(); block = block.next()) {
        if (block != Document->begin())
            out += QStringLiteral("\\par\n");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            out += formatSwitches(fragment.charFormat(), current);
            out += escaped(fragment.text());
        }
    }
    return out + u'}';
}
