#include "platform/net/Ping.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>

namespace platform {

namespace {

constexpr int Icmp_Header_Size = 8;

quint16 Checksum(const quint8* data, int size)
{
    quint32 sum = 0;
    for (int i = 0; i + 1 < size; i += 2)
        sum += quint32(data[i]) << 8 | data[i + 1];
    if (size % 2)
        sum += quint32(data[size - 1]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}

// Closes the socket when the exchange ends, whatever way it ends.
class Socket {
public:
    Socket()
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
        if (fd_ < 0) {
            fd_ = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
            raw_ = fd_ >= 0;
        }
    }
    ~Socket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    int fd() const { return fd_; }
    bool raw() const { return raw_; }

private:
    int fd_ = -1;
    bool raw_ = false;
};

QByteArray EchoRequest(quint16 id, quint16 sequence, const QByteArray& data)
{
    QByteArray packet(Icmp_Header_Size, '\0');
    packet[0] = char(ICMP_ECHO);
    packet[4] = char(id >> 8);
    packet[5] = char(id);
    packet[6] = char(sequence >> 8);
    packet[7] = char(sequence);
    packet += data;
    const quint16 sum = Checksum(reinterpret_cast<const quint8*>(packet.constData()), int(packet.size()));
    packet[2] = char(sum >> 8);
    packet[3] = char(sum);
    return packet;
}

// The ICMP message of a received packet: a raw socket delivers the IP header
// in front of it, a datagram socket does not.
QByteArray IcmpMessage(const QByteArray& packet, bool raw)
{
    if (!raw)
        return packet;
    if (packet.isEmpty())
        return {};
    const int headerLength = (quint8(packet.at(0)) & 0x0F) * 4;
    return headerLength < packet.size() ? packet.mid(headerLength) : QByteArray();
}

bool IsReplyTo(const QByteArray& message, quint16 id, quint16 sequence, bool checkId)
{
    if (message.size() < Icmp_Header_Size || quint8(message.at(0)) != ICMP_ECHOREPLY)
        return false;
    const quint16 replyId = quint16(quint8(message.at(4)) << 8 | quint8(message.at(5)));
    const quint16 replySequence = quint16(quint8(message.at(6)) << 8 | quint8(message.at(7)));
    return replySequence == sequence && (!checkId || replyId == id);
}

PingReply Failure(const QString& why)
{
    PingReply reply;
    reply.status = PingReply::Status::Failed;
    reply.error = why;
    return reply;
}

class IcmpPinger : public Pinger {
public:
    PingReply Echo(const QString& address, const QByteArray& data, int timeoutMs) override
    {
        sockaddr_in target{};
        target.sin_family = AF_INET;
        if (::inet_pton(AF_INET, address.toLatin1().constData(), &target.sin_addr) != 1)
            return Failure(QStringLiteral("not an IPv4 address: ") + address);

        Socket socket;
        if (socket.fd() < 0)
            return Failure(QString::fromLocal8Bit(std::strerror(errno)));

        const quint16 id = quint16(::getpid());
        const quint16 sequence = ++sequence_;
        const QByteArray request = EchoRequest(id, sequence, data);
        if (::sendto(socket.fd(), request.constData(), size_t(request.size()), 0,
                     reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0)
            return Failure(QString::fromLocal8Bit(std::strerror(errno)));
        return AwaitReply(socket, id, sequence, timeoutMs);
    }

private:
    PingReply AwaitReply(const Socket& socket, quint16 id, quint16 sequence, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        QByteArray buffer(65536, '\0');
        for (;;) {
            const int left = timeoutMs - int(clock.elapsed());
            pollfd wait{socket.fd(), POLLIN, 0};
            if (left <= 0 || ::poll(&wait, 1, left) <= 0)
                return PingReply{PingReply::Status::NoReply, 0, {}};
            const ssize_t received = ::recv(socket.fd(), buffer.data(), size_t(buffer.size()), 0);
            if (received <= 0)
                continue;
            const QByteArray message = IcmpMessage(buffer.left(int(received)), socket.raw());
            // A datagram socket's identifier is chosen by the kernel.
            if (IsReplyTo(message, id, sequence, socket.raw()))
                return PingReply{PingReply::Status::Answered, int(message.size()) - Icmp_Header_Size, {}};
        }
    }

    quint16 sequence_ = 0;
};

Pinger*& Replacement()
{
    static Pinger* pinger = nullptr;
    return pinger;
}

} // namespace

Pinger& CurrentPinger()
{
    static IcmpPinger real;
    return Replacement() ? *Replacement() : real;
}

void SetPingerForTesting(Pinger* pinger)
{
    Replacement() = pinger;
}

} // namespace platform
