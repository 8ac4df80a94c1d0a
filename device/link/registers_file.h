#pragma once

#include <optional>
#include <string>
#include <vector>

// The registers file: the registers a user reaches by name, one INI section each.
//
//   [Магазин на Садовой]
//   address = rfc2217+tls://kassa1.example.net:7001
//   operator = 1
//   ca = /etc/orvik/shops-ca.pem
//
// `address` is required: rfc2217://HOST:PORT, rfc2217+tls://HOST:PORT, a COM name or the path
// of a serial device on this computer. `operator`, `ca`, `certificate` and `key` are optional.
namespace orvik::device {

struct NamedRegister {
    std::string name;  // the section's name, as the user picks or types it
    std::string address;
    std::string operatorName;
    std::string ca;
    std::string certificate;
    std::string key;
};

struct RegistersFile {
    std::string path;
    std::vector<NamedRegister> registers;
    // Why the file (or a part of it) was not taken, with its line: "line 4: …". A missing file
    // is no problem: it is simply empty.
    std::string problem;
};

// $ORVIK_REGISTERS, else $XDG_CONFIG_HOME/orvik/registers.conf, else
// ~/.config/orvik/registers.conf.
std::string RegistersFilePath();

// Reads the file (a regular file of at most 256 KiB). Sections before the first error are kept.
RegistersFile ReadRegistersFile(const std::string& path);
// The same as text, for tests and callers that have it in hand.
RegistersFile ParseRegisters(const std::string& text, const std::string& path);

// The register of that name (exactly as written in the file), or nothing.
std::optional<NamedRegister> FindRegister(const RegistersFile& file, const std::string& name);

}  // namespace orvik::device
