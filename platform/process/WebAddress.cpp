#include "platform/process/WebAddress.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

bool isAllowed(const QUrl& url)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    if (scheme == QLatin1String("mailto"))
        return !url.path().isEmpty();
    return false;
}

} // namespace

bool OpenWebAddress(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    return isAllowed(url) && QDesktopServices::openUrl(url);
}

} // namespace platform
