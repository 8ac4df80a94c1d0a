#include "cli/settings_profile.h"

#include <ini.h>

#include <set>
#include <sstream>

#include "cli/footer_file.h"
#include "cli/logo_file.h"
#include "cli/verb_arguments.h"
#include "console/device_settings_page.h"
#include "console/logo_footer_page.h"
#include "support/regular_file.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::cli {

namespace {

// Fifteen settings with their comments take far less; a larger file is not a profile.
constexpr std::size_t kMaxProfileBytes = 64 * 1024;
// inih reads a line into a buffer of INI_MAX_LINE bytes, with its line end and a NUL.
constexpr std::size_t kMaxLineBytes = INI_MAX_LINE - 2;

struct Reading {
    SettingsProfile* profile = nullptr;
    std::filesystem::path folder;
    std::vector<std::string_view> lines;  // of the whole text, to find a key's line
    std::set<std::string> seen;
    std::string firstError;
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The line (counted from 1) that gives key, and what stands after its "=" or ":" there.
std::pair<std::size_t, std::string_view> LineOfKey(const Reading& reading, std::string_view key) {
    for (std::size_t i = 0; i < reading.lines.size(); ++i) {
        const std::string_view line = TrimBlanks(reading.lines[i]);
        if (!line.starts_with(key)) {
            continue;
        }
        const std::string_view rest = TrimBlanks(line.substr(key.size()));
        if (!rest.empty() && (rest[0] == '=' || rest[0] == ':')) {
            return {i + 1, TrimBlanks(rest.substr(1))};
        }
    }
    return {0, {}};
}

// A text the register prints: at most limit characters of its code page. Quotes around the
// whole value are taken off, so that blanks at its ends are kept and a comment may follow.
std::string Text(const Reading& reading, const std::string& key, std::string_view value,
                 std::size_t limit, std::optional<std::u16string>& into) {
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    // inih takes " ;" for the start of a comment: a text that holds one would be cut silently.
    // What inih hands over whole in quotes had its comment after the closing quote.
    if (!quoted && LineOfKey(reading, key).second != value) {
        return "\" ;\" starts a comment, which would cut the text: a text holds \";\" only "
               "without a blank before it, and a comment follows a text in double quotes";
    }
    if (quoted) {
        value = value.substr(1, value.size() - 2);
    }
    const auto text = RegisterText(value);
    if (!text) {
        return "the text holds a character the register cannot print";
    }
    if (text->size() > limit) {
        return "the text has more than " + std::to_string(limit) + " characters";
    }
    into = *text;
    return {};
}

// The keys whose value is a number, with its range, in the order a profile is written.
struct NumberKey {
    const char* key;
    std::int32_t min;
    std::int32_t max;
    std::optional<std::int32_t> SettingsProfile::*field;
};
constexpr NumberKey kNumberKeys[] = {
    {"cutter", 0, 1, &SettingsProfile::cutter},
    {"beeper", 0, 1, &SettingsProfile::beeper},
    {"partial-cut", 0, 1, &SettingsProfile::partialCut},
    {"line-spacing", console::kMinLineSpacing, console::kMaxLineSpacing,
     &SettingsProfile::lineSpacing},
    {"discount-print", console::kDiscountsOnEachLine, console::kDiscountsAtEnd,
     &SettingsProfile::discountPrint},
    {"article-mode", 0, 2, &SettingsProfile::articleMode},
    {"tax-calculation", 0, 1, &SettingsProfile::taxCalculation},
    {"tax-print", 0, 1, &SettingsProfile::taxPrint},
    {"message-set", 0, 3, &SettingsProfile::messageSet},
};

// Reads one key's value into the profile; the reason it is refused, or empty.
std::string TakeValue(Reading& reading, const std::string& key, std::string_view value) {
    SettingsProfile& p = *reading.profile;
    const auto file = [&](std::string_view name) {
        return (reading.folder / std::filesystem::path(std::string(name))).string();
    };
    if (key == "clock") {
        p.clock = true;
        if (value == "now") {
            return {};
        }
        p.clockTime = ParseTimeOfDay(value);
        return p.clockTime ? "" : "\"" + std::string(value) + "\" is neither now nor HH:MM:SS";
    }
    for (const NumberKey& number : kNumberKeys) {
        if (key == number.key) {
            std::optional<std::int32_t>& into = p.*number.field;
            into = ParseNumberInRange(value, number.min, number.max);
            return into ? std::string()
                        : "\"" + std::string(value) + "\" is not a number from " +
                              std::to_string(number.min) + " to " + std::to_string(number.max);
        }
    }
    if (key == "header") {
        return Text(reading, key, value, console::kMaxHeaderFooterLength, p.header);
    }
    if (key == "footer") {
        return Text(reading, key, value, console::kMaxHeaderFooterLength, p.footer);
    }
    if (key == "department") {
        return Text(reading, key, value, console::kMaxDepartmentLength, p.department);
    }
    if (key == "footer-lines") {
        if (value == "erase") {
            p.footerLines.emplace();
            return {};
        }
        FooterFileRead read = ReadFooterFile(file(value));
        if (!read.error.empty()) {
            return std::string(value) + ": " + read.error;
        }
        // An empty file erases the register's footer: not by a slip of the wrong file.
        if (read.lines.empty()) {
            return std::string(value) + " holds no footer line; to erase the footer write " +
                   "footer-lines = erase";
        }
        p.footerLines = std::move(read.lines);
        return {};
    }
    if (key == "logo") {
        p.logo = true;
        if (value == "off") {
            return {};
        }
        LogoFileRead read = ReadLogoFile(file(value));
        if (!read.error.empty()) {
            return read.error;
        }
        if (read.bitmap.height <= 0) {
            return std::string(value) + " has no row to print; to switch the logo off write " +
                   "logo = off";
        }
        p.logoBitmap = std::move(read.bitmap);
        return {};
    }
    return "unknown key \"" + key +
           "\" (clock, cutter, beeper, partial-cut, header, footer, footer-lines, logo, "
           "line-spacing, discount-print, article-mode, tax-calculation, tax-print, message-set, "
           "department)";
}

// inih calls this for every key; 0 marks the line as an error, and the parse reports the first
// such line.
int OnKey(void* user, const char* section, const char* key, const char* value) {
    auto& reading = *static_cast<Reading*>(user);
    const auto fail = [&reading](std::string why) {
        if (reading.firstError.empty()) {
            reading.firstError = std::move(why);
        }
        return 0;
    };
    if (*section != '\0') {
        return fail("a profile has no [sections]: one profile a file");
    }
    if (!reading.seen.insert(key).second) {
        return fail("\"" + std::string(key) +
                    "\" is given twice (a line that begins with a blank continues the one "
                    "before it)");
    }
    if (*value == '\0') {
        return fail("\"" + std::string(key) + "\" has no value");
    }
    std::string problem = TakeValue(reading, key, value);
    if (!problem.empty() && std::string_view(value).find(" #") != std::string_view::npos) {
        problem += " (a comment after a value begins with \" ;\", not \" #\")";
    }
    return problem.empty() ? 1 : fail(key + std::string(": ") + problem);
}

}  // namespace

ProfileRead ParseSettingsProfile(const std::string& text, const std::filesystem::path& folder) {
    ProfileRead read;
    Reading reading;
    reading.profile = &read.profile;
    reading.folder = folder;
    // inih passes over a byte order mark at the start; so must the search for a key's line.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string_view body(text);
    reading.lines =
        SplitLines(body.starts_with(kByteOrderMark) ? body.substr(kByteOrderMark.size()) : body);
    // inih reads a longer line in pieces, the rest of it as a line of its own.
    for (std::size_t i = 0; i < reading.lines.size(); ++i) {
        if (reading.lines[i].size() > kMaxLineBytes) {
            read.error = "line " + std::to_string(i + 1) + ": longer than " +
                         std::to_string(kMaxLineBytes) + " bytes";
            return read;
        }
    }
    const int errorLine = ::ini_parse_string(text.c_str(), OnKey, &reading);
    if (errorLine != 0) {
        read.error = "line " + std::to_string(errorLine) + ": " +
                     (reading.firstError.empty() ? "not a key = value line" : reading.firstError);
        return read;
    }
    // The register takes the cutter and the beeper in one command.
    const SettingsProfile& p = read.profile;
    if (p.cutter.has_value() != p.beeper.has_value() || (p.partialCut && !p.cutter)) {
        const char* given = p.cutter ? "cutter" : p.beeper ? "beeper" : "partial-cut";
        read.error = "line " + std::to_string(LineOfKey(reading, given).first) + ": " + given +
                     ": the cutter and the beeper are set together: give both";
    }
    return read;
}

ProfileRead ReadSettingsProfile(const std::filesystem::path& path) {
    const support::RegularFileRead file = support::ReadRegularFile(path, kMaxProfileBytes);
    if (!file.read) {
        return {{},
                "cannot read " + path.string() + ": " +
                    support::ToUtf8(support::SystemErrorText(file.error))};
    }
    // A NUL would end the text early for the parser.
    if (file.bytes.find('\0') != std::string::npos) {
        return {{}, path.string() + " holds a NUL byte: not a text file"};
    }
    ProfileRead read = ParseSettingsProfile(file.bytes, path.parent_path());
    if (!read.error.empty()) {
        read.error = path.string() + ": " + read.error;
    }
    return read;
}

std::string ProfileText(const std::string& heading, const std::string& clockRead,
                        const SettingsProfile& values) {
    std::ostringstream out;
    out << "# " << heading << "\n";
    if (!clockRead.empty()) {
        out << "# The register's clock read " << clockRead
            << "; \"now\" sets the computer's time when the profile is applied.\n";
    }
    out << "clock = now\n";
    for (const NumberKey& number : kNumberKeys) {
        if (const std::optional<std::int32_t>& value = values.*number.field) {
            out << number.key << " = " << *value << "\n";
        }
    }
    return out.str();
}

}  // namespace orvik::cli
