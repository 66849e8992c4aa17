#include "platform/core/ExeFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ExeFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void SetExeFolder(const QString& folder)
{
    QString clean = QDir::toNativeSeparators(QDir::cleanPath(folder));
    overriddenFolder() = clean;
}

void ResetExeFolder()
{
    overriddenFolder().clear();
}

} // namespace platform
