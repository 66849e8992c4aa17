#include "app/shell/UComon.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A device counts as present when it opens, or when it exists but is in use
// or not ours to open; a serial node without hardware behind it fails with
// an input/output error and is left out.
bool devicePresent(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EACCES || errno == EBUSY || errno == EPERM;
}

// Name order with the trailing numbers compared by value, so that ttyS2
// comes before ttyS10.
bool nameLess(const QString& a, const QString& b)
{
    auto split = [](const QString& name) {
        int p = name.size();
        while (p > 0 && name.at(p - 1).isDigit())
            --p;
        return std::pair<QString, qulonglong>(name.left(p), name.mid(p).toULongLong());
    };
    const auto sa = split(a);
    const auto sb = split(b);
    if (sa.first != sb.first)
        return sa.first < sb.first;
    if (sa.second != sb.second)
        return sa.second < sb.second;
    return a < b;
}

} // namespace

QStringList Get_COM_Port_List()
{
    return Get_COM_Port_List(QStringLiteral("/dev"));
}

QStringList Get_COM_Port_List(const QString& deviceFolder)
{
    const QDir folder(deviceFolder);
    QStringList names = folder.entryList(
        {QStringLiteral("ttyS*"), QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
        QDir::Files | QDir::System | QDir::NoDotAndDotDot | QDir::CaseSensitive, QDir::NoSort);
    std::sort(names.begin(), names.end(), nameLess);
    QStringList ports;
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        if (devicePresent(path))
            ports.append(path);
    }
    return ports;
}
