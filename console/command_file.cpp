#include "console/command_file.h"

#include <algorithm>

#include "support/text_codec.h"

namespace orvik::console {

namespace {

// The blanks a command may start with: what the C library counts as white space, less the
// line ends the reader has already removed.
bool IsLeadingBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\n';
}

// Text files hold no control characters other than blanks; a line with one is binary data.
bool IsBinary(std::u16string_view line) {
    return std::any_of(line.begin(), line.end(),
                       [](char16_t c) { return (c < u' ' && !IsLeadingBlank(c)) || c == 0x7F; });
}

CommandFileLoad Refused(CommandFileStatus status, std::size_t lineNumber = 0, int error = 0) {
    CommandFileLoad load;
    load.status = status;
    load.lineNumber = lineNumber;
    load.error = error;
    return load;
}

}  // namespace

std::optional<std::u16string> CommandOfLine(std::u16string_view line) {
    const auto first = std::find_if_not(line.begin(), line.end(), IsLeadingBlank);
    if (first == line.end() || *first == u'#' || *first == u';') {
        return std::nullopt;
    }
    return std::u16string(first, line.end());
}

CommandFileLoad ReadCommandFile(support::ITextSource& source) {
    CommandFileLoad load;
    support::TextLineReader reader(source, support::CodePage::Ansi1251);
    std::u16string line;
    for (;;) {
        const support::LineStatus status = reader.ReadTextLine(line);
        if (status == support::LineStatus::End) {
            return load;
        }
        if (status == support::LineStatus::Error) {
            return Refused(CommandFileStatus::ReadError, 0, reader.ErrorNumber());
        }
        if (IsBinary(line)) {
            return Refused(CommandFileStatus::Binary, reader.LineNumber());
        }
        if (auto command = CommandOfLine(line)) {
            if (load.commands.size() == kMaxLoadedCommands) {
                return Refused(CommandFileStatus::TooManyCommands);
            }
            load.commands.push_back(std::move(*command));
        }
    }
}

CommandFileLoad LoadCommandFile(const std::filesystem::path& path) {
    int error = 0;
    const auto source = support::FileTextSource::Open(path, error);
    if (!source) {
        return Refused(CommandFileStatus::CannotOpen, 0, error);
    }
    return ReadCommandFile(*source);
}

std::string FormatCommandFile(std::span<const std::u16string> lines) {
    std::u16string text;
    for (const std::u16string& line : lines) {
        const std::u16string_view kept = std::u16string_view(line).substr(0, kMaxSavedLineChars);
        std::copy_if(kept.begin(), kept.end(), std::back_inserter(text),
                     [](char16_t c) { return c != u'\r' && c != u'\n'; });
        text += u"\r\n";
    }
    return support::Encode(support::CodePage::Ansi1251, text);
}

support::FileWriteResult SaveCommandFile(const std::filesystem::path& path,
                                         std::span<const std::u16string> lines) {
    return support::WriteFileReplacing(path, FormatCommandFile(lines));
}

}  // namespace orvik::console
