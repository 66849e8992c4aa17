#include "platform/net/Http.h"
#include "tests/platform/net/LocalHttpServer.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using platform::HttpGet;
using platform::HttpRequestOptions;
using testsupport::LocalHttpServer;

TEST(HttpGet, ReturnsTheBodyOfASuccessfulReplyAndSendsTheGivenHeaders)
{
    LocalHttpServer server;
    server.Reply(200, "Ver. 1.001");
    HttpRequestOptions options;
    options.headers.append(qMakePair(QByteArray("Accept"), QByteArray("text/html")));
    options.headers.append(qMakePair(QByteArray("User-Agent"), QByteArray("Probe/1.0")));

    const platform::HttpResponse response = HttpGet(server.Address("/page?nomesw=SVX91"), options);

    EXPECT_TRUE(response.ok) << response.error.toStdString();
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.body, QByteArray("Ver. 1.001"));
    ASSERT_EQ(server.Requests().size(), 1);
    const QByteArray request = server.Requests().first();
    EXPECT_TRUE(request.startsWith("GET /page?nomesw=SVX91 HTTP/1.")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nAccept: text/html")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nUser-Agent: Probe/1.0")) << request.constData();
    EXPECT_FALSE(request.contains("Cookie")) << request.constData();
}

TEST(HttpGet, AnEmptyBodyIsStillASuccess)
{
    LocalHttpServer server;
    server.Reply(200, "");
    const platform::HttpResponse response = HttpGet(server.Address("/"));
    EXPECT_TRUE(response.ok);
    EXPECT_TRUE(response.body.isEmpty());
}

TEST(HttpGet, FailuresAreReportedWithTheirReason)
{
    LocalHttpServer server;
    server.Reply(404, "missing");
    const platform::HttpResponse notFound = HttpGet(server.Address("/x"));
    EXPECT_FALSE(notFound.ok);
    EXPECT_EQ(notFound.status, 404);
    EXPECT_FALSE(notFound.error.isEmpty());

    server.Reply(302, "");
    EXPECT_FALSE(HttpGet(server.Address("/moved")).ok);

    const platform::HttpResponse refused = HttpGet(LocalHttpServer::RefusedAddress());
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.isEmpty());
}

TEST(HttpGet, OnlyWebAddressesAreRequested)
{
    for (const char* address : {"file:///etc/passwd", "ftp://127.0.0.1/x", "javascript:alert(1)", "", "http://"}) {
        const platform::HttpResponse response = HttpGet(QString::fromLatin1(address));
        EXPECT_FALSE(response.ok) << address;
        EXPECT_FALSE(response.error.isEmpty()) << address;
    }
}

TEST(HttpGet, GivesUpWhenTheServerDoesNotAnswerInTime)
{
    LocalHttpServer server;
    server.NeverReply();
    HttpRequestOptions options;
    options.timeoutMs = 300;
    QElapsedTimer clock;
    clock.start();

    const platform::HttpResponse response = HttpGet(server.Address("/slow"), options);

    EXPECT_FALSE(response.ok);
    EXPECT_EQ(response.status, 0);
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(server.Requests().size(), 1);
}
