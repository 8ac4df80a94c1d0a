#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/link/line_port.h"
#include "device/link/tcp_connect.h"
#include "device/link/telnet_codec.h"
#include "device/link/tls_client.h"

namespace orvik::device {

// Where a register on the network is reached: a ser2net port speaking telnet with RFC 2217,
// in the clear or in TLS.
struct NetworkEndpoint {
    std::string host;
    std::string service;  // the TCP port, in digits
    bool tls = false;
    TlsFiles files;
    // "rfc2217://host:7001", "rfc2217+tls://[::1]:7001"
    std::string Address() const;
};

// The steps of reaching a network register, in order; Open stops at the first that fails.
enum class NetworkStep { Resolve, Connect, Tls, Telnet, LineSettings, Done };

// A register behind a network serial server (ser2net, telnet(rfc2217)): a TCP connection,
// TLS when asked, telnet options negotiated (BINARY both ways, SUPPRESS-GO-AHEAD,
// COM-PORT-OPTION), and the line set to 115200 8E2 with each setting's acknowledgement
// awaited and compared. The register's bytes go through with 0xFF doubled. A closed
// connection or a reset is a hang-up, as a pulled cable is.
class Rfc2217Port final : public LinePort {
  public:
    Rfc2217Port() = default;
    ~Rfc2217Port() override;
    Rfc2217Port(const Rfc2217Port&) = delete;
    Rfc2217Port& operator=(const Rfc2217Port&) = delete;

    // Connects (within 5 s), shakes hands, negotiates and sets the line. False with the
    // reason in *reason; FailedStep then says which step failed. stop is asked every tenth of
    // a second while waiting.
    bool Open(const NetworkEndpoint& endpoint, const StopCheck& stop, std::string* reason);
    NetworkStep FailedStep() const { return m_step; }
    // What each step found so far, for the doctor: the address connected to, the TLS version.
    const std::string& Peer() const { return m_peer; }
    const std::string& TlsDescription() const { return m_tlsDescription; }

    bool IsOpen() const override { return m_fd >= 0; }
    int Fd() const override { return m_fd; }
    ssize_t Read(std::span<std::uint8_t> into) override;
    bool HasPending() const override { return !m_pending.empty(); }
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool SetBaudRate(int baud, std::string* reason = nullptr) override;
    bool SetDtr(bool on, std::string* reason = nullptr) override;
    bool Purge(std::string* reason = nullptr) override;
    std::optional<LineSettings> ReadLineSettings() const override;
    void SetReceiverRunning(bool running) override;
    void SetTrace(ProtocolTrace* trace) override { m_trace = trace; }
    const std::string& Path() const override { return m_address; }
    int LastError() const override { return m_lastError; }
    void Close() override;

  private:
    // Raw bytes on the connection, through TLS when it is on; recv/send conventions.
    ssize_t ReceiveRaw(std::span<std::uint8_t> into);
    bool SendRaw(std::span<const std::uint8_t> bytes);
    // Decodes what arrived: register bytes into m_pending, negotiation answered, server
    // answers recorded. Returns as ReceiveRaw does.
    ssize_t Pump();
    void Handle(const telnet::Event& event);
    // Sends a COM-PORT-OPTION command and, when `awaited`, waits for the server's answer to
    // it; the value answered, or nothing after the time-out.
    std::optional<std::uint32_t> Command(std::uint8_t command, std::vector<std::uint8_t> payload,
                                         bool awaited);
    // Sends a setting and checks the server acknowledged that very value.
    bool Require(std::uint8_t command, std::vector<std::uint8_t> payload, std::uint32_t wanted,
                 const char* what, std::string* reason);
    bool ApplyLine(int baud, std::string* reason);
    void Fail(NetworkStep step, std::string why, std::string* reason);

    int m_fd = -1;
    std::string m_address;
    std::string m_peer;
    std::string m_tlsDescription;
    bool m_tls = false;
    TlsClient m_tlsClient;
    ProtocolTrace* m_trace = nullptr;
    // Written by whichever thread's write failed (the receiver answers the negotiation too).
    std::atomic<int> m_lastError{0};
    NetworkStep m_step = NetworkStep::Done;
    StopCheck m_stop;

    // Read by one thread at a time: the opener, then the receiver.
    telnet::Decoder m_decoder;
    telnet::OptionNegotiation m_options;
    std::vector<std::uint8_t> m_pending;  // register bytes decoded, not yet read

    std::mutex m_writeMutex;  // frames and negotiation answers never interleave

    // The server's answers, written by the reading thread, awaited by the writer.
    mutable std::mutex m_answerMutex;
    std::condition_variable m_answered;
    std::uint32_t m_answerCount[256] = {};
    std::uint32_t m_answerValue[256] = {};
    bool m_receiverRunning = false;
    bool m_ended = false;  // the connection closed or failed while a writer waited
};

}  // namespace orvik::device
