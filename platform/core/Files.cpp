#include "platform/core/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Windows-style mask: "*" any run, "?" one character, no regard to case;
// "*.*" matches every name, also one without a dot.
bool matchesMask(QStringView name, QStringView mask)
{
    if (mask == u"*.*")
        mask = u"*";
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype starMask = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || QChar::toCaseFolded(mask[m].unicode()) == QChar::toCaseFolded(name[n].unicode()))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            starMask = m++;
            starName = n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

QStringList findEntries(const QString& folder, const QString& mask, QDir::Filters kind)
{
    const QStringList all = QDir(folder).entryList(kind | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList matching;
    std::copy_if(all.begin(), all.end(), std::back_inserter(matching),
                 [&](const QString& name) { return matchesMask(name, mask); });
    std::sort(matching.begin(), matching.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return matching;
}

} // namespace

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool DirectoryExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool CreateDir(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return false;
    return QDir().mkdir(path);
}

bool ForceDirectories(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QDir().mkpath(path) && DirectoryExists(path);
}

QStringList FindFiles(const QString& folder, const QString& mask)
{
    return findEntries(folder, mask, QDir::Files);
}

bool CopyFile(const QString& source, const QString& target, bool failIfExists, QString* error)
{
    if (failIfExists && QFileInfo::exists(target)) {
        setError(error, QStringLiteral("Cannot copy to \"%1\": the file exists").arg(target));
        return false;
    }
    QByteArray content;
    return platform::ReadWholeFile(source, content, error) && platform::WriteFileAtomic(target, content, error);
}

bool DeleteFile(const QString& path)
{
    return FileExists(path) && QFile::remove(path);
}

namespace platform {

QStringList FindFolders(const QString& folder, const QString& mask)
{
    return findEntries(folder, mask, QDir::Dirs);
}

bool ReadWholeFile(const QString& path, QByteArray& out, QString* error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(path).isDir() ? QStringLiteral("it is a folder") : file.errorString();
        setError(error, QStringLiteral("Cannot open file \"%1\": %2").arg(path, reason));
        return false;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("Cannot read file \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    out = std::move(content);
    return true;
}

bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    // The flush must be checked: a commit after a short buffered write would
    // still rename the truncated file over the old one.
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush()
        && file.commit();
    if (!ok) {
        setError(error, QStringLiteral("Cannot create file \"%1\": %2").arg(path, file.errorString()));
        file.cancelWriting();
    }
    return ok;
}

} // namespace platform
