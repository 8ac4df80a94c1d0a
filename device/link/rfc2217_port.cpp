#include "device/link/rfc2217_port.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "device/link/write_all.h"

namespace orvik::device {

namespace {

using Clock = std::chrono::steady_clock;
using namespace telnet;

// Reaching the server (name, connection) and the TLS handshake each have this long.
constexpr auto kConnectTime = std::chrono::seconds(5);
// The telnet negotiation and each setting's acknowledgement.
constexpr auto kAnswerTime = std::chrono::seconds(3);
constexpr int kDefaultBaud = 115200;

char ParityLetter(std::uint32_t value) {
    switch (value) {
        case kParityNone:
            return 'N';
        case kParityOdd:
            return 'O';
        case kParityEven:
            return 'E';
        default:
            return '?';
    }
}

}  // namespace

std::string NetworkEndpoint::Address() const {
    const std::string shownHost = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return (tls ? "rfc2217+tls://" : "rfc2217://") + shownHost + ":" + service;
}

Rfc2217Port::~Rfc2217Port() {
    Close();
}

void Rfc2217Port::Fail(NetworkStep step, std::string why, std::string* reason) {
    m_step = step;
    if (m_trace) {
        m_trace->Note("connect " + m_address + " failed: " + why);
    }
    *reason = std::move(why);
    m_tlsClient.Close();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool Rfc2217Port::Open(const NetworkEndpoint& endpoint, const StopCheck& stop,
                       std::string* reason) {
    Close();
    std::string ignored;
    if (!reason) {
        reason = &ignored;
    }
    m_lastError = 0;
    m_stop = stop;
    m_address = endpoint.Address();
    m_tls = endpoint.tls;
    m_peer.clear();
    m_tlsDescription.clear();

    TcpConnectResult tcp =
        ConnectTcp(endpoint.host, endpoint.service, Clock::now() + kConnectTime, stop);
    if (tcp.fd < 0) {
        m_lastError = tcp.error;
        Fail(tcp.resolved ? NetworkStep::Connect : NetworkStep::Resolve, tcp.reason, reason);
        return false;
    }
    m_fd = tcp.fd;
    m_peer = tcp.peer;
    if (m_trace) {
        m_trace->Note("connect " + m_address + " (" + m_peer + ")");
    }
    if (m_tls) {
        std::string why;
        if (!m_tlsClient.Handshake(m_fd, endpoint.host, endpoint.files, Clock::now() + kConnectTime,
                                   stop, &why)) {
            Fail(NetworkStep::Tls, why, reason);
            return false;
        }
        m_tlsDescription = m_tlsClient.Description();
        if (m_trace) {
            m_trace->Note("tls " + m_tlsDescription);
        }
    }

    // The options: the server offers its own at once; ser2net never offers COM-PORT-OPTION,
    // the client asks for it.
    const std::vector<std::uint8_t> offers = m_options.Offers();
    if (!SendRaw(offers)) {
        Fail(NetworkStep::Telnet,
             "the server closed the connection: " + std::string(std::strerror(m_lastError)),
             reason);
        return false;
    }
    if (m_trace) {
        m_trace->Note(
            "telnet > WILL BINARY, DO BINARY, WILL SUPPRESS-GO-AHEAD, "
            "DO SUPPRESS-GO-AHEAD, WILL COM-PORT-OPTION");
    }
    const Deadline negotiated = Clock::now() + kAnswerTime;
    while (!m_options.ComPortAccepted()) {
        if (m_options.ComPortRefused()) {
            Fail(NetworkStep::Telnet,
                 "the server refused COM-PORT-OPTION (RFC 2217): a ser2net port without "
                 "telnet(rfc2217)?",
                 reason);
            return false;
        }
        if (!WaitForDescriptor(m_fd, POLLIN, negotiated, stop)) {
            Fail(NetworkStep::Telnet,
                 stop && stop() ? "interrupted during the telnet negotiation"
                                : "the server did not agree to COM-PORT-OPTION (RFC 2217) within "
                                  "3 s: a ser2net port without telnet(rfc2217)?",
                 reason);
            return false;
        }
        const ssize_t got = Pump();
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            m_lastError = got < 0 ? errno : 0;
            Fail(NetworkStep::Telnet,
                 "the server closed the connection during the telnet negotiation (is the port "
                 "in use, or not a telnet port?)",
                 reason);
            return false;
        }
    }
    std::string why;
    if (!ApplyLine(kDefaultBaud, &why)) {
        Fail(NetworkStep::LineSettings, why, reason);
        return false;
    }
    m_step = NetworkStep::Done;
    if (m_trace) {
        m_trace->Baud(kDefaultBaud);
        m_trace->Dtr(true);
    }
    return true;
}

bool Rfc2217Port::Require(std::uint8_t command, std::vector<std::uint8_t> payload,
                          std::uint32_t wanted, const char* what, std::string* reason) {
    const auto answer = Command(command, std::move(payload), true);
    if (!answer) {
        *reason = std::string("the server did not acknowledge the ") + what + " within 3 s";
        return false;
    }
    if (*answer != wanted) {
        *reason = std::string("the server set the ") + what + " to " + std::to_string(*answer) +
                  " instead of " + std::to_string(wanted);
        return false;
    }
    return true;
}

bool Rfc2217Port::ApplyLine(int baud, std::string* reason) {
    const auto rate = static_cast<std::uint32_t>(baud);
    if (!Require(kSetBaudRate, BigEndian32(rate), rate, "baud rate", reason) ||
        !Require(kSetDataSize, {8}, 8, "data bits", reason) ||
        !Require(kSetParity, {kParityEven}, kParityEven, "parity", reason) ||
        !Require(kSetStopSize, {kStopBits2}, kStopBits2, "stop bits", reason) ||
        !Require(kSetControl, {kControlNoFlowControl}, kControlNoFlowControl, "flow control",
                 reason)) {
        return false;
    }
    // The modem lines of a pseudo-terminal behind ser2net are never acknowledged: not awaited.
    Command(kSetControl, {kControlDtrOn}, false);
    Command(kSetControl, {kControlRtsOn}, false);
    Command(kPurgeData, {kPurgeBoth}, false);
    return true;
}

std::optional<std::uint32_t> Rfc2217Port::Command(std::uint8_t command,
                                                  std::vector<std::uint8_t> payload, bool awaited) {
    const std::uint8_t answer = kServerOffset + command;
    std::uint32_t before = 0;
    {
        const std::lock_guard lock(m_answerMutex);
        before = m_answerCount[answer];
    }
    if (m_trace) {
        m_trace->Note("rfc2217 > " + DescribeEvent({kSb, kOptionComPort, [&] {
                                                        std::vector<std::uint8_t> bytes{command};
                                                        bytes.insert(bytes.end(), payload.begin(),
                                                                     payload.end());
                                                        return bytes;
                                                    }()}));
    }
    if (!SendRaw(ComPortFrame(command, payload))) {
        return std::nullopt;
    }
    if (!awaited) {
        return 0;
    }
    const Deadline deadline = Clock::now() + kAnswerTime;
    std::unique_lock lock(m_answerMutex);
    while (m_answerCount[answer] == before) {
        if (m_ended || Clock::now() >= deadline || (m_stop && m_stop())) {
            return std::nullopt;
        }
        if (m_receiverRunning) {
            m_answered.wait_for(lock, std::chrono::milliseconds(100));
            continue;
        }
        // Nobody else reads the connection: this thread reads the answer itself.
        lock.unlock();
        const bool ready = WaitForDescriptor(m_fd, POLLIN, deadline, m_stop);
        const ssize_t got = ready ? Pump() : -1;
        lock.lock();
        if (ready && (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))) {
            m_ended = true;
        }
    }
    return m_answerValue[answer];
}

ssize_t Rfc2217Port::ReceiveRaw(std::span<std::uint8_t> into) {
    if (m_tls) {
        return m_tlsClient.Read(into);
    }
    return ::recv(m_fd, into.data(), into.size(), 0);
}

bool Rfc2217Port::SendRaw(std::span<const std::uint8_t> bytes) {
    const std::lock_guard lock(m_writeMutex);
    int error = 0;
    const bool written = WriteAll(
        m_fd, bytes,
        [this](std::span<const std::uint8_t> rest) {
            return m_tls ? m_tlsClient.Write(rest)
                         : ::send(m_fd, rest.data(), rest.size(), MSG_NOSIGNAL);
        },
        &error);
    if (!written) {
        m_lastError = error;
    }
    return written;
}

ssize_t Rfc2217Port::Pump() {
    std::uint8_t raw[4096];
    const ssize_t got = ReceiveRaw(raw);
    if (got <= 0) {
        return got;
    }
    std::vector<Event> events;
    m_decoder.Feed(std::span(raw, static_cast<std::size_t>(got)), &m_pending, &events);
    for (const Event& event : events) {
        Handle(event);
    }
    return got;
}

void Rfc2217Port::Handle(const Event& event) {
    if (event.verb != kSb) {
        const std::vector<std::uint8_t> reply = m_options.Receive(event.verb, event.option);
        if (m_trace) {
            m_trace->Note("telnet < " + DescribeEvent(event) +
                          (reply.size() == 3 ? ", > " + DescribeEvent({reply[1], reply[2], {}})
                                             : std::string()));
        }
        if (!reply.empty()) {
            SendRaw(reply);
        }
        return;
    }
    if (m_trace) {
        m_trace->Note("rfc2217 < " + (event.option == kOptionComPort
                                          ? DescribeEvent(event)
                                          : "SB option " + std::to_string(event.option) + " " +
                                                HexBytes(event.payload)));
    }
    if (event.option != kOptionComPort || event.payload.empty()) {
        return;
    }
    const std::uint8_t command = event.payload.front();
    const std::lock_guard lock(m_answerMutex);
    m_answerValue[command] = PayloadValue(std::span(event.payload).subspan(1));
    ++m_answerCount[command];
    m_answered.notify_all();
}

ssize_t Rfc2217Port::Read(std::span<std::uint8_t> into) {
    for (;;) {
        if (!m_pending.empty()) {
            const std::size_t n = std::min(into.size(), m_pending.size());
            std::copy_n(m_pending.begin(), n, into.begin());
            m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(n));
            return static_cast<ssize_t>(n);
        }
        const ssize_t got = Pump();
        if (got <= 0) {
            if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
                const int error = got == 0 ? 0 : errno;
                {
                    const std::lock_guard lock(m_answerMutex);
                    m_ended = true;
                    m_answered.notify_all();
                }
                errno = error;
            }
            return got;
        }
    }
}

bool Rfc2217Port::Write(std::span<const std::uint8_t> bytes) {
    m_lastError = 0;
    if (m_fd < 0) {
        return false;
    }
    if (m_trace) {
        m_trace->Written(bytes);
    }
    std::vector<std::uint8_t> escaped;
    escaped.reserve(bytes.size() + 8);
    AppendEscaped(bytes, &escaped);
    return SendRaw(escaped);
}

bool Rfc2217Port::SetBaudRate(int baud, std::string* reason) {
    std::string ignored;
    if (!reason) {
        reason = &ignored;
    }
    if (m_fd < 0) {
        *reason = "the port is not open";
        return false;
    }
    if (m_trace) {
        m_trace->Baud(baud);
    }
    const auto rate = static_cast<std::uint32_t>(baud);
    return Require(kSetBaudRate, BigEndian32(rate), rate, "baud rate", reason);
}

bool Rfc2217Port::SetDtr(bool on, std::string* /*reason*/) {
    if (m_fd < 0) {
        return false;
    }
    if (m_trace) {
        m_trace->Dtr(on);
    }
    return Command(kSetControl, {on ? kControlDtrOn : kControlDtrOff}, false).has_value();
}

bool Rfc2217Port::Purge(std::string* /*reason*/) {
    if (m_fd < 0) {
        return false;
    }
    return Command(kPurgeData, {kPurgeBoth}, false).has_value();
}

std::optional<LineSettings> Rfc2217Port::ReadLineSettings() const {
    if (m_fd < 0) {
        return std::nullopt;
    }
    const std::lock_guard lock(m_answerMutex);
    // What the server acknowledged last, which is what its line runs at.
    LineSettings settings;
    settings.baud = static_cast<int>(m_answerValue[kServerOffset + kSetBaudRate]);
    settings.dataBits = static_cast<int>(m_answerValue[kServerOffset + kSetDataSize]);
    settings.parity = ParityLetter(m_answerValue[kServerOffset + kSetParity]);
    settings.stopBits = m_answerValue[kServerOffset + kSetStopSize] == kStopBits2 ? 2 : 1;
    return settings;
}

void Rfc2217Port::SetReceiverRunning(bool running) {
    const std::lock_guard lock(m_answerMutex);
    m_receiverRunning = running;
}

void Rfc2217Port::Close() {
    if (m_fd < 0) {
        return;
    }
    // Best effort on the way out: a server that has gone refuses these, and the connection is
    // closed whatever they answer.
    if (m_step == NetworkStep::Done) {
        SetDtr(false);
        Purge();
    }
    m_tlsClient.Close();
    ::close(m_fd);
    m_fd = -1;
    if (m_trace) {
        m_trace->Note("close " + m_address);
    }
    m_decoder = {};
    m_options = {};
    m_pending.clear();
    const std::lock_guard lock(m_answerMutex);
    std::fill(std::begin(m_answerCount), std::end(m_answerCount), 0);
    std::fill(std::begin(m_answerValue), std::end(m_answerValue), 0);
    m_ended = false;
}

}  // namespace orvik::device
