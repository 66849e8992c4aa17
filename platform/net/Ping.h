#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// One ICMP echo exchange.
struct PingReply {
    enum class Status {
        Answered, // an echo reply came back
        NoReply,  // nothing came back within the time-out
        Failed,   // the request could not be sent (bad address, no right to send ICMP, ...)
    };
    Status status = Status::Failed;
    int replyBytes = 0; // data bytes carried by the reply
    QString error;      // why the request failed
};

// Sends ICMP echo requests. The program uses one pinger; tests replace it.
class Pinger {
public:
    virtual ~Pinger() = default;
    // Sends one echo request with `data` to the IPv4 address written in
    // dotted form and waits up to `timeoutMs` for the reply.
    virtual PingReply Echo(const QString& address, const QByteArray& data, int timeoutMs) = 0;
};

// The pinger in use: an ICMP socket (the unprivileged datagram kind where the
// system allows it, else a raw socket; never a shell command), unless a test
// set another one.
Pinger& CurrentPinger();
void SetPingerForTesting(Pinger* pinger); // nullptr restores the real one

} // namespace platform
