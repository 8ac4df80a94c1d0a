#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Telnet framing as a network serial server (ser2net with telnet(rfc2217)) speaks it: data
// bytes with 0xFF doubled, option negotiation, and the COM-PORT-OPTION subnegotiations that
// carry the line settings. Pure: bytes in, data and events out.
namespace orvik::device::telnet {

inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;

inline constexpr std::uint8_t kOptionBinary = 0;
inline constexpr std::uint8_t kOptionEcho = 1;
inline constexpr std::uint8_t kOptionSuppressGoAhead = 3;
inline constexpr std::uint8_t kOptionComPort = 44;

// COM-PORT-OPTION commands as the client sends them; the server answers with 100 added.
enum ComPortCommand : std::uint8_t {
    kSignature = 0,
    kSetBaudRate = 1,
    kSetDataSize = 2,
    kSetParity = 3,
    kSetStopSize = 4,
    kSetControl = 5,
    kNotifyLineState = 6,
    kNotifyModemState = 7,
    kFlowControlSuspend = 8,
    kFlowControlResume = 9,
    kSetLineStateMask = 10,
    kSetModemStateMask = 11,
    kPurgeData = 12,
};
inline constexpr std::uint8_t kServerOffset = 100;

// Values of the commands above.
inline constexpr std::uint8_t kParityNone = 1;
inline constexpr std::uint8_t kParityOdd = 2;
inline constexpr std::uint8_t kParityEven = 3;
inline constexpr std::uint8_t kStopBits1 = 1;
inline constexpr std::uint8_t kStopBits2 = 2;
inline constexpr std::uint8_t kControlNoFlowControl = 1;
inline constexpr std::uint8_t kControlDtrOn = 8;
inline constexpr std::uint8_t kControlDtrOff = 9;
inline constexpr std::uint8_t kControlRtsOn = 11;
inline constexpr std::uint8_t kPurgeBoth = 3;

// What the decoder found besides data: an option verb (kWill, kWont, kDo, kDont) or a
// subnegotiation (verb kSb, its bytes after the option, 0xFF undoubled).
struct Event {
    std::uint8_t verb = 0;
    std::uint8_t option = 0;
    std::vector<std::uint8_t> payload;
    bool operator==(const Event&) const = default;
};

class Decoder {
  public:
    // A subnegotiation longer than this is dropped: the ones this link reads are a few bytes.
    static constexpr std::size_t kMaxPayload = 64;

    // Feeds received bytes: the register's bytes are appended to *data, the rest to *events.
    // Any byte stream is taken; a sequence cut between calls is completed by the next call.
    void Feed(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* data,
              std::vector<Event>* events);

  private:
    enum class State { Data, Iac, Verb, SubOption, Sub, SubIac };
    State m_state = State::Data;
    std::uint8_t m_verb = 0;
    Event m_sub;
    bool m_subTooLong = false;
};

// The register's bytes as they go on the connection: 0xFF doubled.
void AppendEscaped(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* out);
// IAC verb option.
std::vector<std::uint8_t> OptionCommand(std::uint8_t verb, std::uint8_t option);
// IAC SB COM-PORT-OPTION command payload IAC SE, the payload escaped.
std::vector<std::uint8_t> ComPortFrame(std::uint8_t command, std::span<const std::uint8_t> payload);
// A 32-bit value in network order, as SET-BAUDRATE carries it.
std::vector<std::uint8_t> BigEndian32(std::uint32_t value);
// A subnegotiation's value read back: the first one or four bytes.
std::uint32_t PayloadValue(std::span<const std::uint8_t> payload);

// "DO COM-PORT-OPTION", "SB COM-PORT-OPTION SET-BAUDRATE 115200": for the trace.
std::string DescribeEvent(const Event& event);

// The options this client wants, and how it answers the server's: BINARY both ways and
// SUPPRESS-GO-AHEAD both ways, COM-PORT-OPTION on the client's side; everything else refused.
// Each option is answered once per change, so no negotiation loops.
class OptionNegotiation {
  public:
    // The offers a client opens with.
    std::vector<std::uint8_t> Offers();
    // The server's verb for an option; the bytes to answer with (often none).
    std::vector<std::uint8_t> Receive(std::uint8_t verb, std::uint8_t option);
    // Whether the server agreed to COM-PORT-OPTION, or refused it.
    bool ComPortAccepted() const { return m_local[kOptionComPort].enabled; }
    bool ComPortRefused() const { return m_comPortRefused; }

  private:
    struct Side {
        bool enabled = false;
        bool pending = false;  // asked, no answer yet
    };
    static bool WantLocal(std::uint8_t option);
    static bool WantRemote(std::uint8_t option);
    Side m_local[256];   // options this client performs (WILL / WONT from here)
    Side m_remote[256];  // options the server performs (DO / DONT from here)
    bool m_comPortRefused = false;
};

}  // namespace orvik::device::telnet
