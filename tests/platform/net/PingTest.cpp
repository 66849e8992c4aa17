#include "platform/net/Ping.h"

#include <gtest/gtest.h>

namespace {

TEST(Ping, LoopbackAnswersWithTheSentData)
{
    const QByteArray data = "127.0.0.1";
    const platform::PingReply reply = platform::CurrentPinger().Echo("127.0.0.1", data, 1000);
    if (reply.status == platform::PingReply::Status::Failed)
        GTEST_SKIP() << "this machine allows no ICMP socket: " << reply.error.toStdString();
    EXPECT_EQ(reply.status, platform::PingReply::Status::Answered);
    EXPECT_EQ(reply.replyBytes, data.size());
}

TEST(Ping, AddressesThatAreNotIPv4FailWithAReason)
{
    for (const char* address : {"", "192.168.1", "300.1.1.1", "gateway", "1.2.3.4 "}) {
        const platform::PingReply reply = platform::CurrentPinger().Echo(address, "x", 100);
        EXPECT_EQ(reply.status, platform::PingReply::Status::Failed) << address;
        EXPECT_FALSE(reply.error.isEmpty()) << address;
    }
}

TEST(Ping, ATestCanReplaceThePinger)
{
    struct Silent : platform::Pinger {
        platform::PingReply Echo(const QString&, const QByteArray&, int) override { return {platform::PingReply::Status::NoReply, 0, {}}; }
    } silent;
    platform::SetPingerForTesting(&silent);
    EXPECT_EQ(platform::CurrentPinger().Echo("127.0.0.1", "x", 10).status, platform::PingReply::Status::NoReply);
    platform::SetPingerForTesting(nullptr);
    EXPECT_NE(&platform::CurrentPinger(), &silent);
}

} // namespace
