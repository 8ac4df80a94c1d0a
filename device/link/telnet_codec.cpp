#include "device/link/telnet_codec.h"

namespace orvik::device::telnet {

void Decoder::Feed(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* data,
                   std::vector<Event>* events) {
    for (const std::uint8_t byte : bytes) {
        switch (m_state) {
            case State::Data:
                if (byte == kIac) {
                    m_state = State::Iac;
                } else {
                    data->push_back(byte);
                }
                break;
            case State::Iac:
                if (byte == kIac) {
                    data->push_back(kIac);
                    m_state = State::Data;
                } else if (byte >= kWill && byte <= kDont) {
                    m_verb = byte;
                    m_state = State::Verb;
                } else if (byte == kSb) {
                    m_state = State::SubOption;
                } else {
                    // NOP, GA, a stray SE and the like carry nothing for this link.
                    m_state = State::Data;
                }
                break;
            case State::Verb:
                events->push_back({m_verb, byte, {}});
                m_state = State::Data;
                break;
            case State::SubOption:
                m_sub = {kSb, byte, {}};
                m_subTooLong = false;
                m_state = State::Sub;
                break;
            case State::Sub:
                if (byte == kIac) {
                    m_state = State::SubIac;
                } else if (m_sub.payload.size() < kMaxPayload) {
                    m_sub.payload.push_back(byte);
                } else {
                    m_subTooLong = true;
                }
                break;
            case State::SubIac:
                if (byte == kIac) {
                    if (m_sub.payload.size() < kMaxPayload) {
                        m_sub.payload.push_back(kIac);
                    } else {
                        m_subTooLong = true;
                    }
                    m_state = State::Sub;
                } else {
                    // IAC SE ends it; any other command inside ends it too, as a broken one.
                    if (byte == kSe && !m_subTooLong) {
                        events->push_back(std::move(m_sub));
                    }
                    m_sub = {};
                    m_state = State::Data;
                }
                break;
        }
    }
}

void AppendEscaped(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* out) {
    for (const std::uint8_t byte : bytes) {
        out->push_back(byte);
        if (byte == kIac) {
            out->push_back(kIac);
        }
    }
}

std::vector<std::uint8_t> OptionCommand(std::uint8_t verb, std::uint8_t option) {
    return {kIac, verb, option};
}

std::vector<std::uint8_t> ComPortFrame(std::uint8_t command,
                                       std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> frame{kIac, kSb, kOptionComPort, command};
    AppendEscaped(payload, &frame);
    frame.push_back(kIac);
    frame.push_back(kSe);
    return frame;
}

std::vector<std::uint8_t> BigEndian32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::uint32_t PayloadValue(std::span<const std::uint8_t> payload) {
    if (payload.size() >= 4) {
        return (std::uint32_t{payload[0]} << 24) | (std::uint32_t{payload[1]} << 16) |
               (std::uint32_t{payload[2]} << 8) | std::uint32_t{payload[3]};
    }
    return payload.empty() ? 0 : payload[0];
}

namespace {

std::string OptionName(std::uint8_t option) {
    switch (option) {
        case kOptionBinary:
            return "BINARY";
        case kOptionEcho:
            return "ECHO";
        case kOptionSuppressGoAhead:
            return "SUPPRESS-GO-AHEAD";
        case kOptionComPort:
            return "COM-PORT-OPTION";
        default:
            return "option " + std::to_string(option);
    }
}

std::string ComPortCommandName(std::uint8_t command) {
    static const char* const kNames[] = {
        "SIGNATURE",           "SET-BAUDRATE",       "SET-DATASIZE",       "SET-PARITY",
        "SET-STOPSIZE",        "SET-CONTROL",        "NOTIFY-LINESTATE",   "NOTIFY-MODEMSTATE",
        "FLOWCONTROL-SUSPEND", "FLOWCONTROL-RESUME", "SET-LINESTATE-MASK", "SET-MODEMSTATE-MASK",
        "PURGE-DATA"};
    const std::uint8_t base = command >= kServerOffset ? command - kServerOffset : command;
    if (base < std::size(kNames)) {
        return kNames[base];
    }
    return "command " + std::to_string(command);
}

}  // namespace

std::string DescribeEvent(const Event& event) {
    switch (event.verb) {
        case kWill:
            return "WILL " + OptionName(event.option);
        case kWont:
            return "WONT " + OptionName(event.option);
        case kDo:
            return "DO " + OptionName(event.option);
        case kDont:
            return "DONT " + OptionName(event.option);
        default:
            break;
    }
    std::string text = "SB " + OptionName(event.option);
    if (event.option == kOptionComPort && !event.payload.empty()) {
        const std::uint8_t command = event.payload.front();
        text += " " + ComPortCommandName(command);
        const auto value = std::span(event.payload).subspan(1);
        if (!value.empty() && command != kSignature && command != kServerOffset + kSignature) {
            text += " " + std::to_string(PayloadValue(value));
        }
    }
    return text;
}

bool OptionNegotiation::WantLocal(std::uint8_t option) {
    return option == kOptionBinary || option == kOptionSuppressGoAhead || option == kOptionComPort;
}

bool OptionNegotiation::WantRemote(std::uint8_t option) {
    return option == kOptionBinary || option == kOptionSuppressGoAhead;
}

std::vector<std::uint8_t> OptionNegotiation::Offers() {
    std::vector<std::uint8_t> bytes;
    const auto offer = [&bytes](Side& side, std::uint8_t verb, std::uint8_t option) {
        if (!side.enabled && !side.pending) {
            side.pending = true;
            const auto command = OptionCommand(verb, option);
            bytes.insert(bytes.end(), command.begin(), command.end());
        }
    };
    offer(m_local[kOptionBinary], kWill, kOptionBinary);
    offer(m_remote[kOptionBinary], kDo, kOptionBinary);
    offer(m_local[kOptionSuppressGoAhead], kWill, kOptionSuppressGoAhead);
    offer(m_remote[kOptionSuppressGoAhead], kDo, kOptionSuppressGoAhead);
    offer(m_local[kOptionComPort], kWill, kOptionComPort);
    return bytes;
}

std::vector<std::uint8_t> OptionNegotiation::Receive(std::uint8_t verb, std::uint8_t option) {
    // DO / DONT ask this side to perform the option; WILL / WONT say the server performs it.
    const bool aboutLocal = verb == kDo || verb == kDont;
    const bool enable = verb == kDo || verb == kWill;
    Side& side = aboutLocal ? m_local[option] : m_remote[option];
    const bool wanted = aboutLocal ? WantLocal(option) : WantRemote(option);
    const std::uint8_t yes = aboutLocal ? kWill : kDo;
    const std::uint8_t no = aboutLocal ? kWont : kDont;
    const bool wasPending = side.pending;
    side.pending = false;
    if (enable) {
        if (!wanted) {
            // Refused every time it is asked: the server asks once per change.
            return OptionCommand(no, option);
        }
        if (side.enabled) {
            return {};
        }
        side.enabled = true;
        return wasPending ? std::vector<std::uint8_t>{} : OptionCommand(yes, option);
    }
    if (aboutLocal && option == kOptionComPort) {
        m_comPortRefused = true;
    }
    if (!side.enabled) {
        return {};
    }
    side.enabled = false;
    return wasPending ? std::vector<std::uint8_t>{} : OptionCommand(no, option);
}

}  // namespace orvik::device::telnet
