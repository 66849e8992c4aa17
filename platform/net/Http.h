#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace platform {

// What one HTTP GET brought back.
struct HttpResponse {
    bool ok = false;    // a reply with a success status (2xx) arrived whole
    int status = 0;     // the HTTP status, 0 when no reply came
    QByteArray body;    // the reply's content (also of an error status)
    QString error;      // why the request failed
};

struct HttpRequestOptions {
    // Longest time for the whole exchange, connecting included.
    int timeoutMs = 10000;
    // Extra request headers, name and value.
    QList<QPair<QByteArray, QByteArray>> headers;
};

// Sends one GET to an "http" or "https" address and waits for the whole reply
// on the calling thread. While it waits, events other than user input are
// served, so windows keep painting but no click or key reaches them. Cookies
// are neither sent nor kept, redirections are not followed, and any other
// scheme is refused without a request.
HttpResponse HttpGet(const QString& address, const HttpRequestOptions& options = {});

} // namespace platform
