#pragma once

// INI files held in memory, and the per-user stand-in for the registry keys
// where the program kept saved settings.
//
// TMemIniFile reads its file once (a byte-order mark selects UTF-8 or UTF-16,
// else the ANSI code page), keeps sections and keys in their order and finds
// names without regard to case. UpdateFile writes it whole with CR LF line
// ends: ANSI, or UTF-8 with its mark when a text has no place in code page
// 1252. A value that is no whole number reads as the default.
//
// TRegistryIniFile keeps a registry key in the file
// <user config folder>/registry/<key with "\" as "/">.ini; "." and ".." parts
// of the key are dropped, so that a key never leaves that folder.

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// $XDG_CONFIG_HOME (else ~/.config) + "/configurator"; tests replace it.
QString UserConfigFolder();
void SetUserConfigFolder(const QString& folder);
void ResetUserConfigFolder();

} // namespace platform

class TMemIniFile {
public:
    // A file that cannot be read starts empty.
    explicit TMemIniFile(const QString& FileName);
    virtual ~TMemIniFile();
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    QString FileName() const;
    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
    bool ReadBool(const QString& Section, const QString& Ident, bool Default) const;
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    bool SectionExists(const QString& Section) const;
    bool ValueExists(const QString& Section, const QString& Ident) const;
    QStringList ReadSection(const QString& Section) const;
    QStringList ReadSections() const;
    void EraseSection(const QString& Section);
    void DeleteKey(const QString& Section, const QString& Ident);
    // The whole content as the file holds it.
    QString Text() const;
    // Writes the file whole (folders made as needed); EFCreateError when it
    // cannot be written.
    void UpdateFile() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

class TRegistryIniFile : public TMemIniFile {
public:
    explicit TRegistryIniFile(const QString& Key);
    // The file that stands in for a key.
    static QString KeyFile(const QString& Key);
};
