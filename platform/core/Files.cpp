#include "platform/core/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why a file of this kind and size is not read; empty when it may be.
QString refusal(const struct stat& info, qint64 maxBytes)
{
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("it is a folder");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("it is a device, pipe or socket, not a file");
    if (info.st_size > maxBytes)
        return QStringLiteral("it is larger than %1 bytes").arg(maxBytes);
    return QString();
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads to the end, but never more than maxBytes + 1 bytes, so that a file
// that grew after it was measured is still caught. false with errno set on a
// read error.
bool readUpTo(int fd, qint64 expected, qint64 maxBytes, QByteArray& out)
{
    const qint64 cap = maxBytes + 1;
    out.resize(qsizetype(std::min(expected + 1, cap)));
    qint64 total = 0;
    while (true) {
        if (total == out.size()) {
            if (total == cap)
                break;
            out.resize(qsizetype(std::min(total * 2 + 1, cap)));
        }
        const ssize_t n = ::read(fd, out.data() + total, size_t(out.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        total += n;
    }
    out.resize(qsizetype(total));
    return true;
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

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& out, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    const auto fail = [&](const QString& verb, const QString& reason) {
        setError(error, QStringLiteral("Cannot %1 file \"%2\": %3").arg(verb, path, reason));
        return false;
    };
    // Checked before opening, because opening a device can already act on it
    // (a serial line raises its control lines).
    struct stat info {};
    if (path.isEmpty() || ::stat(name.constData(), &info) != 0)
        return fail(QStringLiteral("open"), path.isEmpty() ? QStringLiteral("no name") : systemError());
    if (const QString reason = refusal(info, maxBytes); !reason.isEmpty())
        return fail(QStringLiteral("open"), reason);
    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return fail(QStringLiteral("open"), systemError());
    // The name may stand for another file by now; what was opened counts.
    if (::fstat(file.get(), &info) != 0)
        return fail(QStringLiteral("open"), systemError());
    if (const QString reason = refusal(info, maxBytes); !reason.isEmpty())
        return fail(QStringLiteral("open"), reason);
    QByteArray content;
    if (!readUpTo(file.get(), info.st_size, maxBytes, content))
        return fail(QStringLiteral("read"), systemError());
    if (content.size() > maxBytes)
        return fail(QStringLiteral("read"), QStringLiteral("it is larger than %1 bytes").arg(maxBytes));
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
