#include "device/link/line_address.h"

#include <algorithm>

#include "device/link/port_names.h"
#include "device/link/registers_file.h"

namespace orvik::device {

namespace {

constexpr std::string_view kPlainScheme = "rfc2217://";
constexpr std::string_view kTlsScheme = "rfc2217+tls://";

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool IsNetworkAddress(std::string_view text) {
    return text.starts_with(kPlainScheme) || text.starts_with(kTlsScheme);
}

std::optional<NetworkEndpoint> ParseNetworkAddress(std::string_view text, std::string* reason) {
    const auto refuse = [&](const std::string& why) -> std::optional<NetworkEndpoint> {
        if (reason) {
            *reason = "\"" + std::string(text) + "\" is not a network address: " + why +
                      " (rfc2217://HOST:PORT or rfc2217+tls://HOST:PORT)";
        }
        return std::nullopt;
    };
    NetworkEndpoint endpoint;
    std::string_view rest = text;
    if (rest.starts_with(kTlsScheme)) {
        endpoint.tls = true;
        rest.remove_prefix(kTlsScheme.size());
    } else if (rest.starts_with(kPlainScheme)) {
        rest.remove_prefix(kPlainScheme.size());
    } else {
        return refuse("unknown scheme");
    }
    if (!rest.empty() && rest.back() == '/') {
        rest.remove_suffix(1);
    }
    std::string_view host;
    std::string_view port;
    if (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ':') {
            return refuse("an IPv6 address is written [ADDRESS]:PORT");
        }
        host = rest.substr(1, close - 1);
        port = rest.substr(close + 2);
    } else {
        const std::size_t colon = rest.rfind(':');
        if (colon == std::string_view::npos) {
            return refuse("no port");
        }
        host = rest.substr(0, colon);
        port = rest.substr(colon + 1);
        if (host.find(':') != std::string_view::npos) {
            return refuse("an IPv6 address is written [ADDRESS]:PORT");
        }
    }
    if (host.empty()) {
        return refuse("no host");
    }
    const bool hostClean = std::none_of(host.begin(), host.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == '/' || c == '@' || c == '?' ||
               c == '#' || c == '[' || c == ']';
    });
    if (!hostClean) {
        return refuse("the host holds a character no host name has");
    }
    if (!AllDigits(port) || port.size() > 5 || std::stoi(std::string(port)) < 1 ||
        std::stoi(std::string(port)) > 65535) {
        return refuse("the port is a number from 1 to 65535");
    }
    endpoint.host = host;
    endpoint.service = port;
    return endpoint;
}

std::optional<LineAddress> ResolveLineAddress(const std::string& text, std::string* reason) {
    // The file is read only for a name that is neither a port nor an address.
    if (ParsePortName(text) || IsNetworkAddress(text)) {
        return ResolveLineAddress(text, RegistersFile{}, reason);
    }
    return ResolveLineAddress(text, ReadRegistersFile(RegistersFilePath()), reason);
}

std::optional<LineAddress> ResolveLineAddress(const std::string& text, const RegistersFile& file,
                                              std::string* reason) {
    LineAddress address;
    address.name = text;
    if (ParsePortName(text)) {
        address.serial = text;
        return address;
    }
    if (IsNetworkAddress(text)) {
        address.network = ParseNetworkAddress(text, reason);
        if (!address.network) {
            return std::nullopt;
        }
        return address;
    }
    const std::optional<NamedRegister> entry = FindRegister(file, text);
    if (!entry) {
        if (reason) {
            *reason = "\"" + text +
                      "\" is not a port name (COM1 to COM24), a network address "
                      "(rfc2217://HOST:PORT) or a register named in the registers file";
            if (!file.problem.empty()) {
                *reason += "; the registers file " + file.path + ": " + file.problem;
            }
        }
        return std::nullopt;
    }
    address.named = true;
    address.operatorName = entry->operatorName;
    if (IsNetworkAddress(entry->address)) {
        std::string why;
        address.network = ParseNetworkAddress(entry->address, &why);
        if (!address.network) {
            if (reason) {
                *reason = "[" + text + "] in " + file.path + ": " + why;
            }
            return std::nullopt;
        }
        address.network->files = {entry->ca, entry->certificate, entry->key};
        if (!address.network->tls && !(entry->ca.empty() && entry->certificate.empty())) {
            if (reason) {
                *reason = "[" + text + "] in " + file.path +
                          ": ca and certificate need an rfc2217+tls:// address";
            }
            return std::nullopt;
        }
        return address;
    }
    if (ParsePortName(entry->address) || entry->address.starts_with('/')) {
        address.serial = entry->address;
        return address;
    }
    if (reason) {
        *reason = "[" + text + "] in " + file.path + ": the address \"" + entry->address +
                  "\" is none of rfc2217://HOST:PORT, rfc2217+tls://HOST:PORT, a COM name or a "
                  "device path";
    }
    return std::nullopt;
}

}  // namespace orvik::device
