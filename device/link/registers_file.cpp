#include "device/link/registers_file.h"

#include <ini.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "support/regular_file.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::device {

namespace {

constexpr std::size_t kMaxFileBytes = 256 * 1024;

struct Reading {
    RegistersFile* file = nullptr;
    std::set<std::string> seenSections;
    std::set<std::string> seenKeys;  // of the section being read
    std::string firstError;
};

// inih calls this for every key; 0 marks the line as an error, and the parse reports the
// first such line.
int OnKey(void* user, const char* section, const char* key, const char* value) {
    auto& reading = *static_cast<Reading*>(user);
    auto& registers = reading.file->registers;
    const std::string name = section;
    const auto fail = [&reading](std::string why) {
        if (reading.firstError.empty()) {
            reading.firstError = std::move(why);
        }
        return 0;
    };
    if (name.empty()) {
        return fail("\"" + std::string(key) + "\" stands before the first [register name]");
    }
    if (registers.empty() || registers.back().name != name) {
        if (!reading.seenSections.insert(name).second) {
            return fail("[" + name + "] is named twice");
        }
        NamedRegister added;
        added.name = name;
        registers.push_back(std::move(added));
        reading.seenKeys.clear();
    }
    NamedRegister& entry = registers.back();
    const std::string field = key;
    if (!reading.seenKeys.insert(field).second) {
        return fail("\"" + field + "\" is given twice in [" + name + "]");
    }
    if (field == "address") {
        entry.address = value;
    } else if (field == "operator") {
        entry.operatorName = value;
    } else if (field == "ca") {
        entry.ca = value;
    } else if (field == "certificate") {
        entry.certificate = value;
    } else if (field == "key") {
        entry.key = value;
    } else {
        return fail("unknown key \"" + field + "\" in [" + name +
                    "] (address, operator, ca, certificate, key)");
    }
    return 1;
}

}  // namespace

std::string RegistersFilePath() {
    if (const char* path = std::getenv("ORVIK_REGISTERS"); path && *path) {
        return path;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        return std::string(config) + "/orvik/registers.conf";
    }
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "") + "/.config/orvik/registers.conf";
}

RegistersFile ParseRegisters(const std::string& text, const std::string& path) {
    RegistersFile file;
    file.path = path;
    Reading reading;
    reading.file = &file;
    const int errorLine = ::ini_parse_string(text.c_str(), OnKey, &reading);
    if (errorLine != 0) {
        file.problem = "line " + std::to_string(errorLine) + ": " +
                       (reading.firstError.empty() ? "not a key = value line or a [name]"
                                                   : reading.firstError);
    }
    // A register without an address cannot be reached: it is left out and said.
    const auto missing = std::find_if(file.registers.begin(), file.registers.end(),
                                      [](const NamedRegister& r) { return r.address.empty(); });
    if (missing != file.registers.end() && file.problem.empty()) {
        file.problem = "[" + missing->name + "] has no address";
    }
    std::erase_if(file.registers, [](const NamedRegister& r) { return r.address.empty(); });
    return file;
}

RegistersFile ReadRegistersFile(const std::string& path) {
    const support::RegularFileRead read = support::ReadRegularFile(path, kMaxFileBytes);
    if (!read.read) {
        RegistersFile file;
        file.path = path;
        if (read.error != ENOENT) {
            file.problem = support::ToUtf8(support::SystemErrorText(read.error));
        }
        return file;
    }
    // A NUL would end the text early for the parser: it is an error of the file's own.
    if (read.bytes.find('\0') != std::string::npos) {
        RegistersFile file;
        file.path = path;
        file.problem = "the file holds a NUL byte: not a text file";
        return file;
    }
    return ParseRegisters(read.bytes, path);
}

std::optional<NamedRegister> FindRegister(const RegistersFile& file, const std::string& name) {
    for (const NamedRegister& entry : file.registers) {
        if (entry.name == name) {
            return entry;
        }
    }
    return std::nullopt;
}

}  // namespace orvik::device
