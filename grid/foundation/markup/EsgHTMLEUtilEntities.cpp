#include "grid/foundation/markup/EsgHTMLEUtilEntities.h"

#include <array>

namespace {

constexpr std::array<MarkupEntity, 51> entityTable{{
    {u'\u00E9', "&eacute;"}, {u'\u00E8', "&egrave;"}, {u'\u00EB', "&euml;"},
    {u'\u00EA', "&ecirc;"},  {u'\u00F3', "&oacute;"}, {u'\u00F2', "&ograve;"},
    {u'\u00F6', "&ouml;"},   {u'\u00F4', "&ocirc;"},  {u'\u00ED', "&iacute;"},
    {u'\u00EC', "&igrave;"}, {u'\u00EF', "&iuml;"},   {u'\u00EE', "&icirc;"},
    {u'\u00FA', "&uacute;"}, {u'\u00F9', "&ugrave;"}, {u'\u00FC', "&uuml;"},
    {u'\u00FB', "&ucirc;"},  {u'\u00E1', "&aacute;"}, {u'\u00E0', "&agrave;"},
    {u'\u00E4', "&auml;"},   {u'\u00E2', "&acirc;"},  {u'\u00C9', "&Eacute;"},
    {u'\u00C8', "&Egrave;"}, {u'\u00CB', "&Euml;"},   {u'\u00CA', "&Ecirc;"},
    {u'\u00D3', "&Oacute;"}, {u'\u00D2', "&Ograve;"}, {u'\u00D6', "&Ouml;"},
    {u'\u00D4', "&Ocirc;"},  {u'\u00CD', "&Iacute;"}, {u'\u00CC', "&Igrave;"},
    {u'\u00CF', "&Iuml;"},   {u'\u00CE', "&Icirc;"},  {u'\u00DA', "&Uacute;"},
    {u'\u00D9', "&Ugrave;"}, {u'\u00DC', "&Uuml;"},   {u'\u00DB', "&Ucirc;"},
    {u'\u00C1', "&Aacute;"}, {u'\u00C0', "&Agrave;"}, {u'\u00C4', "&Auml;"},
    {u'\u00C2', "&Acirc;"},  {u'\u00E7', "&ccedil;"}, {u'\u00C7', "&Ccedil;"},
    {u'\u00F8', "&oslash;"}, {u'\u00D8', "&Oslash;"}, {u'\u00E5', "&aring;"},
    {u'\u00C5', "&Aring;"},  {u'\u00A9', "&copy;"},   {u'\u00AE', "&reg;"},
    {u'\u20AC', "&euro;"},   {u'\u00AB', "&laquo;"},  {u'\u00BB', "&raquo;"},
}};

// The four entities of the markup's own characters, in the order they are
// tried when unescaping.
constexpr std::array<MarkupEntity, 4> syntaxEntities{{
    {u'<', "&lt;"}, {u'>', "&gt;"}, {u'&', "&amp;"}, {u'"', "&quot;"},
}};

const char* characterEntity(QChar c)
{
    for (const MarkupEntity& e : entityTable)
        if (e.Char == c.unicode())
            return e.Entity;
    return nullptr;
}

bool startsWithEntity(const QString& text, qsizetype at, const char* entity)
{
    return QStringView(text).sliced(at).startsWith(QLatin1StringView(entity));
}

// The entity at `at`, if one is known; its character goes to `c`.
qsizetype matchEntity(const QString& text, qsizetype at, bool withCharacters, QChar& c)
{
    for (const MarkupEntity& e : syntaxEntities)
        if (startsWithEntity(text, at, e.Entity)) {
            c = QChar(e.Char);
            return qsizetype(qstrlen(e.Entity));
        }
    if (withCharacters)
        for (const MarkupEntity& e : entityTable)
            if (startsWithEntity(text, at, e.Entity)) {
                c = QChar(e.Char);
                return qsizetype(qstrlen(e.Entity));
            }
    return 0;
}

} // namespace

std::span<const MarkupEntity> MarkupEntityTable()
{
    return entityTable;
}

QString EscapeMarkupText(const QString& Text, bool WithCharacters)
{
    QString out;
    out.reserve(Text.size() + Text.size() / 4);
    for (QChar c : Text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1StringView("&amp;"); break;
        case u'"': out += QLatin1StringView("&quot;"); break;
        case u'<': out += QLatin1StringView("&lt;"); break;
        case u'>': out += QLatin1StringView("&gt;"); break;
        default: {
            const char* entity = WithCharacters ? characterEntity(c) : nullptr;
            if (entity)
                out += QLatin1StringView(entity);
            else
                out += c;
        }
        }
    }
    return out;
}

QString UnescapeMarkupText(const QString& Text, bool WithCharacters)
{
    if (!Text.contains(u'&'))
        return Text;
    QString out;
    out.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size();) {
        QChar c;
        const qsizetype length = Text[i] == u'&' ? matchEntity(Text, i, WithCharacters, c) : 0;
        if (length > 0) {
            out += c;
            i += length;
        } else {
            out += Text[i++];
        }
    }
    return out;
}
