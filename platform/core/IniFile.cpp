#include "platform/core/IniFile.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/core/TextEncoding.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>
#include <utility>
#include <vector>

namespace platform {

namespace {
std::optional<QString>& ConfigOverride()
{
    static std::optional<QString> folder;
    return folder;
}
} // namespace

QString UserConfigFolder()
{
    if (ConfigOverride())
        return *ConfigOverride();
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/configurator");
}

void SetUserConfigFolder(const QString& folder) { ConfigOverride() = folder; }
void ResetUserConfigFolder() { ConfigOverride().reset(); }

} // namespace platform

namespace {

struct Section {
    QString name;
    std::vector<std::pair<QString, QString>> keys;
};

} // namespace

struct TMemIniFile::Private {
    QString fileName;
    std::vector<Section> sections;

    Section* find(const QString& name)
    {
        for (Section& s : sections)
            if (SameText(s.name, name))
                return &s;
        return nullptr;
    }
    const Section* find(const QString& name) const { return const_cast<Private*>(this)->find(name); }
    static std::pair<QString, QString>* key(Section& s, const QString& ident)
    {
        for (auto& k : s.keys)
            if (SameText(k.first, ident))
                return &k;
        return nullptr;
    }

    void parse(const QString& text)
    {
        Section* current = nullptr;
        for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
            const QString line = Trim(raw);
            if (line.isEmpty() || line.startsWith(u';'))
                continue;
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                const QString name = line.mid(1, line.size() - 2);
                current = find(name);
                if (!current) {
                    sections.push_back({name, {}});
                    current = &sections.back();
                }
                continue;
            }
            if (!current)
                continue;
            const qsizetype eq = line.indexOf(u'=');
            const QString ident = eq < 0 ? line : Trim(line.left(eq));
            const QString value = eq < 0 ? QString() : line.mid(eq + 1);
            if (auto* k = key(*current, ident))
                k->second = value;
            else
                current->keys.emplace_back(ident, value);
        }
    }
};

TMemIniFile::TMemIniFile(const QString& FileName) : d(std::make_unique<Private>())
{
    d->fileName = FileName;
    QByteArray bytes;
    if (platform::ReadRegularFile(FileName, 64 * 1024 * 1024, bytes))
        d->parse(platform::DecodeText(bytes));
}

TMemIniFile::~TMemIniFile() = default;

QString TMemIniFile::FileName() const { return d->fileName; }

QString TMemIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) const
{
    const auto* s = d->find(Section);
    if (!s)
        return Default;
    for (const auto& k : s->keys)
        if (SameText(k.first, Ident))
            return k.second;
    return Default;
}

void TMemIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    auto* s = d->find(Section);
    if (!s) {
        d->sections.push_back({Section, {}});
        s = &d->sections.back();
    }
    if (auto* k = Private::key(*s, Ident))
        k->second = Value;
    else
        s->keys.emplace_back(Ident, Value);
}

int TMemIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const
{
    return StrToIntDef(ReadString(Section, Ident, QString()), Default);
}

void TMemIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

bool TMemIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TMemIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TMemIniFile::SectionExists(const QString& Section) const { return d->find(Section) != nullptr; }

bool TMemIniFile::ValueExists(const QString& Section, const QString& Ident) const
{
    const auto* s = d->find(Section);
    if (!s)
        return false;
    for (const auto& k : s->keys)
        if (SameText(k.first, Ident))
            return true;
    return false;
}

QStringList TMemIniFile::ReadSection(const QString& Section) const
{
    QStringList names;
    if (const auto* s = d->find(Section))
        for (const auto& k : s->keys)
            names.append(k.first);
    return names;
}

QStringList TMemIniFile::ReadSections() const
{
    QStringList names;
    for (const auto& s : d->sections)
        names.append(s.name);
    return names;
}

void TMemIniFile::EraseSection(const QString& Section)
{
    std::erase_if(d->sections, [&](const ::Section& s) { return SameText(s.name, Section); });
}

void TMemIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    if (auto* s = d->find(Section))
        std::erase_if(s->keys, [&](const auto& k) { return SameText(k.first, Ident); });
}

QString TMemIniFile::Text() const
{
    QString text;
    for (const auto& s : d->sections) {
        text += u'[' + s.name + QStringLiteral("]\r\n");
        for (const auto& k : s.keys)
            text += k.first + u'=' + k.second + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text;
}

void TMemIniFile::UpdateFile() const
{
    const QString text = Text();
    const bool ansi = StringFromAnsi(AnsiFromString(text)) == text;
    ForceDirectories(QFileInfo(d->fileName).absolutePath());
    QString error;
    if (!platform::WriteFileAtomic(d->fileName, platform::EncodeText(text, ansi ? TEncoding::ANSI : TEncoding::UTF8),
                                   &error))
        throw EFCreateError(error);
}

TRegistryIniFile::TRegistryIniFile(const QString& Key) : TMemIniFile(KeyFile(Key)) {}

QString TRegistryIniFile::KeyFile(const QString& Key)
{
    QStringList parts;
    for (const QString& part : QString(Key).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts))
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            parts.append(part);
    if (parts.isEmpty())
        parts.append(QStringLiteral("default"));
    return platform::UserConfigFolder() + QStringLiteral("/registry/") + parts.join(u'/') + QStringLiteral(".ini");
}
