#include "cli/footer_file.h"

#include <iterator>

#include "support/regular_file.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::cli {

namespace {

// Ten lines of 43 characters take far less; a larger file is not a footer.
constexpr std::size_t kMaxFooterFileBytes = 64 * 1024;
constexpr const char* kTooLarge = "the file is too large for a footer of ten lines";

FooterFileRead Refused(std::string error) {
    return FooterFileRead{{}, std::move(error)};
}

// Splits "JWH TEXT" into its flags and text; a line without flags is all text.
console::FooterLine SplitFlags(std::u16string_view line) {
    std::size_t at = 0;
    console::FooterLine result;
    for (const auto& [letter, flag] :
         {std::pair{u'J', &result.journal}, std::pair{u'W', &result.doubleWidth},
          std::pair{u'H', &result.doubleHeight}}) {
        if (at < line.size() && line[at] == letter) {
            *flag = true;
            ++at;
        }
    }
    if (at == 0 || at >= line.size() || line[at] != u' ') {
        return console::FooterLine{std::u16string(line)};
    }
    result.text = std::u16string(line.substr(at + 1));
    return result;
}

std::string LineProblem(std::size_t number, const console::FooterLine& line) {
    const std::string where = "line " + std::to_string(number) + ": ";
    const console::FooterLineCheck check = console::CheckFooterLine(line.text, line.doubleWidth);
    switch (check.problem) {
        case console::FooterLineProblem::None:
            return {};
        case console::FooterLineProblem::TooLong:
            return where + "more than " + std::to_string(check.limit) + " characters" +
                   (line.doubleWidth ? " in double width" : "");
        case console::FooterLineProblem::Empty:
            return where + "no text; the register takes no empty footer lines";
        case console::FooterLineProblem::NotInCodePage:
            return where + "the register cannot print \"" +
                   support::ToUtf8(std::u16string(1, check.character)) + "\"";
    }
    return {};
}

}  // namespace

FooterFileRead ParseFooterFile(std::string_view bytes) {
    if (bytes.size() > kMaxFooterFileBytes) {
        return Refused(kTooLarge);
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::vector<std::string_view> texts;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        texts.push_back(text);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    // Blank lines at the end are an editor's habit, not footer lines.
    while (!texts.empty() && texts.back().empty()) {
        texts.pop_back();
    }
    if (texts.size() > console::kMaxFooterLines) {
        return Refused("the file has " + std::to_string(texts.size()) +
                       " lines; the footer has at most 10");
    }
    FooterFileRead read;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::u16string text = support::FromUtf8(texts[i]);
        if (support::ToUtf8(text) != texts[i]) {
            return Refused("line " + std::to_string(i + 1) + " is not UTF-8 text");
        }
        console::FooterLine line = SplitFlags(text);
        if (std::string problem = LineProblem(i + 1, line); !problem.empty()) {
            return Refused(std::move(problem));
        }
        read.lines.push_back(std::move(line));
    }
    return read;
}

FooterFileRead ReadFooterFile(const std::filesystem::path& path) {
    const support::RegularFileRead file = support::ReadRegularFile(path, kMaxFooterFileBytes);
    if (file.error == support::kErrorFileTooLarge) {
        return Refused(kTooLarge);
    }
    if (!file.read) {
        return Refused("cannot read the file: " +
                       support::ToUtf8(support::SystemErrorText(file.error)));
    }
    return ParseFooterFile(file.bytes);
}

}  // namespace orvik::cli
