#include "platform/net/Http.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace platform {

namespace {

bool IsWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QNetworkRequest MakeRequest(const QUrl& url, const HttpRequestOptions& options)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    for (const auto& [name, value] : options.headers)
        request.setRawHeader(name, value);
    return request;
}

// Waits for the reply or the time limit, whichever comes first.
bool WaitForReply(QNetworkReply& reply, int timeoutMs)
{
    if (reply.isFinished())
        return true;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(qMax(0, timeoutMs));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return reply.isFinished();
}

HttpResponse ResponseOf(QNetworkReply& reply)
{
    HttpResponse response;
    response.status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.body = reply.readAll();
    const bool success = response.status >= 200 && response.status < 300;
    if (reply.error() != QNetworkReply::NoError)
        response.error = reply.errorString();
    else if (!success)
        response.error = QStringLiteral("HTTP status %1").arg(response.status);
    response.ok = response.error.isEmpty();
    return response;
}

} // namespace

HttpResponse HttpGet(const QString& address, const HttpRequestOptions& options)
{
    HttpResponse response;
    const QUrl url(address, QUrl::StrictMode);
    if (!IsWebAddress(url)) {
        response.error = QStringLiteral("Not an http or https address: %1").arg(address);
        return response;
    }
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(MakeRequest(url, options)));
    if (!WaitForReply(*reply, options.timeoutMs)) {
        reply->abort();
        response.error = QStringLiteral("No reply within %1 ms").arg(options.timeoutMs);
        return response;
    }
    return ResponseOf(*reply);
}

} // namespace platform
