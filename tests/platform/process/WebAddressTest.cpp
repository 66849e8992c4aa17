#include "platform/process/WebAddress.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the user's browser and mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class WebAddressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    }
    void TearDown() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    static constexpr const char* kSchemes[] = {"http", "https", "mailto", "file", "ftp", "javascript"};
    UrlRecorder recorder;
};

TEST_F(WebAddressTest, OpensWebPagesAndMailAddresses)
{
    const QString addresses[] = {
        QStringLiteral("http://www.example.com/?frompg=SVX91"),
        QStringLiteral("HTTPS://www.example.com/download"),
        QStringLiteral("mailto:support@example.com"),
        QStringLiteral(" https://www.example.com "),
    };
    for (const QString& address : addresses) {
        SCOPED_TRACE(address.toStdString());
        recorder.opened.clear();
        EXPECT_TRUE(platform::OpenWebAddress(address));
        ASSERT_EQ(recorder.opened.size(), 1);
        EXPECT_EQ(recorder.opened.first(), QUrl(address.trimmed()));
    }
}

TEST_F(WebAddressTest, RefusesEverythingElse)
{
    const QString addresses[] = {
        QString(),
        QStringLiteral("file:///etc/passwd"),
        QStringLiteral("/usr/bin/xterm"),
        QStringLiteral("javascript:alert(1)"),
        QStringLiteral("ftp://example.com/file"),
        QStringLiteral("www.example.com"),
        QStringLiteral("http://"),
        QStringLiteral("mailto:"),
        QStringLiteral("http://exa mple.com"),
    };
    for (const QString& address : addresses) {
        SCOPED_TRACE(address.toStdString());
        EXPECT_FALSE(platform::OpenWebAddress(address));
    }
    EXPECT_TRUE(recorder.opened.isEmpty());
}

} // namespace

#include "WebAddressTest.moc"
