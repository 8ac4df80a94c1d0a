#include "device/receipt_outcome.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/atomic_file.h"
#include "support/text_codec.h"

namespace orvik::device {

UnsettledCloses::UnsettledCloses(std::string path) : m_path(std::move(path)) {
    Load();
}

std::optional<std::int32_t> UnsettledCloses::Find(std::u16string_view serialNumber) {
    Load();
    const auto it = m_closes.find(std::u16string(serialNumber));
    if (it == m_closes.end()) {
        return std::nullopt;
    }
    return it->second;
}

void UnsettledCloses::Remember(std::u16string_view serialNumber, std::int32_t lastReceiptNumber) {
    Load();
    m_closes[std::u16string(serialNumber)] = lastReceiptNumber;
    Save();
}

void UnsettledCloses::Forget(std::u16string_view serialNumber) {
    // Read again first: another run of the program may have settled or added one meanwhile.
    Load();
    if (m_closes.erase(std::u16string(serialNumber)) != 0) {
        Save();
    }
}

// One close per line: the serial number in UTF-8, a tab, the last receipt number. Lines that
// do not read so are skipped.
void UnsettledCloses::Load() {
    if (m_path.empty()) {
        return;
    }
    std::ifstream in(m_path);
    if (!in) {
        return;
    }
    std::string line;
    std::map<std::u16string, std::int32_t> closes;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) {
            continue;
        }
        std::int32_t number = 0;
        const char* first = line.data() + tab + 1;
        const char* last = line.data() + line.size();
        const auto [ptr, ec] = std::from_chars(first, last, number);
        if (ec != std::errc() || ptr != last) {
            continue;
        }
        closes[support::FromUtf8(std::string_view(line).substr(0, tab))] = number;
    }
    // The file is what every run of the program shares; it wins over what this run holds.
    m_closes = std::move(closes);
}

void UnsettledCloses::Save() const {
    if (m_path.empty()) {
        return;
    }
    std::string text;
    for (const auto& [serial, number] : m_closes) {
        text += support::ToUtf8(serial) + "\t" + std::to_string(number) + "\n";
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ec);
    // A file that cannot be written leaves the closes in memory: this run still settles them.
    support::WriteFileReplacing(m_path, text);
}

std::string DefaultUnsettledClosesPath() {
    std::string dir;
    if (const char* state = std::getenv("ORVIK_STATE_DIR"); state && *state) {
        dir = state;
    } else if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) {
        dir = std::string(xdg) + "/orvik";
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        dir = std::string(home) + "/.local/state/orvik";
    } else if (const passwd* pw = ::getpwuid(::getuid())) {
        dir = std::string(pw->pw_dir) + "/.local/state/orvik";
    } else {
        return {};
    }
    return dir + "/unsettled-receipts";
}

CloseOutcome SettleFromCounters(std::int32_t numberBefore, std::int32_t numberNow) {
    CloseOutcome settled;
    if (numberNow != numberBefore) {
        settled.outcome = ReceiptOutcome::Registered;
        settled.receiptNumber = numberBefore + 1;
    } else {
        settled.outcome = ReceiptOutcome::NotRegistered;
    }
    return settled;
}

}  // namespace orvik::device
