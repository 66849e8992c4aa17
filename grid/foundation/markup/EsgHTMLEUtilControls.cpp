#include "grid/foundation/markup/EsgHTMLEUtilControls.h"

#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"
#include "platform/core/SysUtils.h"

#include <functional>

namespace {

// One control tag of a text: its tag text starts at Start (the "<") and ends
// before End (the ">", or the end of the text).
struct ControlTagAt {
    qsizetype Start = 0;
    qsizetype End = 0;
    MarkupControlTag Tag;
};

// Visits the "<CONTROL " tags of the text from index From on, in order, until
// Visit returns true; returns the tag it stopped at.
std::optional<ControlTagAt> findControlTag(const QString& text, qsizetype from,
                                           const std::function<bool(const MarkupControlTag&)>& visit)
{
    const QString upper = UpperCase(text);
    for (qsizetype at = upper.indexOf(QLatin1StringView("<CONTROL "), from); at >= 0;
         at = upper.indexOf(QLatin1StringView("<CONTROL "), at + 1)) {
        const qsizetype close = text.indexOf(u'>', at);
        const qsizetype end = close < 0 ? text.size() : close;
        ControlTagAt found{at, end, ParseControlTag(text.mid(at, end - at))};
        if (visit(found.Tag))
            return found;
    }
    return std::nullopt;
}

std::optional<ControlTagAt> controlWithId(const QString& text, const QString& id)
{
    return findControlTag(text, 0, [&](const MarkupControlTag& tag) { return tag.ID == id; });
}

// The tag text with its VALUE set to an already escaped value.
QString withValue(const QString& tagText, const QString& escaped)
{
    QString out = tagText;
    const auto span = FindMarkupAttributeSpan(tagText, QStringLiteral("VALUE="));
    if (!span)
        return out + QLatin1StringView(" VALUE=\"") + escaped + MarkupQuoteChar;
    if (span->ValueStart < 0)
        return out.insert(span->NameStart + 6, MarkupQuoteChar + escaped + MarkupQuoteChar);
    return out.replace(span->ValueStart, span->ValueLength, escaped);
}

void rewriteValue(QString& text, const ControlTagAt& at, const QString& escaped)
{
    text.replace(at.Start, at.End - at.Start, withValue(text.mid(at.Start, at.End - at.Start), escaped));
}

} // namespace

bool HasControlTag(const QString& Text)
{
    return UpperCase(Text).contains(QLatin1StringView("<CONTROL"));
}

QString NextEditableControlId(const QString& Text, const QString& ID)
{
    bool found = ID.isEmpty();
    const auto next = findControlTag(Text, 0, [&](const MarkupControlTag& tag) {
        const bool editable = tag.Type != QLatin1StringView("BUTTON") && tag.Type != QLatin1StringView("CHECK") &&
                              tag.Type != QLatin1StringView("RADIO");
        if (found && editable)
            return true;
        if (tag.ID == ID)
            found = true;
        return false;
    });
    return next ? next->Tag.ID : QString();
}

QString ClearRadioControlTags(const QString& Text)
{
    const auto isRadio = [](const MarkupControlTag& tag) { return tag.Type == QLatin1StringView("RADIO"); };
    QString out = Text;
    qsizetype from = 0;
    while (const auto radio = findControlTag(out, from, isRadio)) {
        const qsizetype before = out.size();
        rewriteValue(out, *radio, QStringLiteral("FALSE"));
        from = radio->End + (out.size() - before); // what follows the tag has moved
    }
    return out;
}

bool GetControlTagValue(const QString& Text, const QString& ID, QString& Value)
{
    const auto control = controlWithId(Text, ID);
    if (!control)
        return false;
    Value = control->Tag.Value;
    return true;
}

QString GetControlTagProp(const QString& Text, const QString& ID)
{
    const auto control = controlWithId(Text, ID);
    return control ? control->Tag.Prop : QString();
}

int GetControlTagMaxLen(const QString& Text, const QString& ID)
{
    const auto control = controlWithId(Text, ID);
    return control ? ParseLeadingInt(control->Tag.MaxLen) : 0;
}

bool SetControlTagValue(QString& Text, const QString& ID, const QString& Value)
{
    const auto control = controlWithId(Text, ID);
    if (!control)
        return false;
    rewriteValue(Text, *control, EscapeMarkupText(Value, true));
    return true;
}
