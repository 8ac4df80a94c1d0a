#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/link/registers_file.h"
#include "device/link/rfc2217_port.h"

// What a port name given by the user means: a COM name (a register cabled to this computer),
// a network address (rfc2217://HOST:PORT, rfc2217+tls://HOST:PORT) or the name of a register
// in the registers file, which gives one of the two.
namespace orvik::device {

struct LineAddress {
    std::string name;                        // as given
    std::optional<NetworkEndpoint> network;  // a register on the network
    std::string serial;                      // otherwise: a COM name or a device path
    std::string operatorName;                // the registers file's operator, if any
    bool named = false;                      // found in the registers file
};

// Whether the text is written as a network address (it may still be malformed).
bool IsNetworkAddress(std::string_view text);

// rfc2217://HOST:PORT or rfc2217+tls://HOST:PORT; HOST may be [an IPv6 address]. Nothing, with
// the reason, for anything else.
std::optional<NetworkEndpoint> ParseNetworkAddress(std::string_view text, std::string* reason);

// Resolves a port name: a COM name or a network address as it stands, anything else as a
// register's name in the registers file. Nothing, with the reason, when it is none of these.
std::optional<LineAddress> ResolveLineAddress(const std::string& text, std::string* reason);
// The same against a registers file already read, for a caller resolving several names.
std::optional<LineAddress> ResolveLineAddress(const std::string& text, const RegistersFile& file,
                                              std::string* reason);

}  // namespace orvik::device
