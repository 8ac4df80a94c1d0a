#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/atomic_file.h"
#include "support/text_line_reader.h"

namespace orvik::console {

// Command files of the protocol terminal (extension .cmd): Windows-1251 text, one command per
// line, CR LF line ends. Reading drops blank lines and comment lines (first character after
// leading blanks "#" or ";") and the leading blanks of the rest; trailing blanks belong to the
// command. Writing keeps every line of the command box, empty ones too.

// A saved line keeps at most this many characters.
inline constexpr std::size_t kMaxSavedLineChars = 1023;
// A file with more commands than this is not a command file but something else.
inline constexpr std::size_t kMaxLoadedCommands = 100'000;

// The command a line of a file holds, without its leading blanks; nothing for a blank line
// or a comment.
std::optional<std::u16string> CommandOfLine(std::u16string_view line);

enum class CommandFileStatus {
    Loaded,
    CannotOpen,       // nothing read
    ReadError,        // the system's error number in error
    Binary,           // line `lineNumber` holds control characters: not a text file
    TooManyCommands,  // more than kMaxLoadedCommands
};

struct CommandFileLoad {
    CommandFileStatus status = CommandFileStatus::Loaded;
    std::vector<std::u16string> commands;  // only when Loaded
    std::size_t lineNumber = 0;            // Binary: the line, counted from 1
    int error = 0;                         // CannotOpen, ReadError: the system's error number
};

CommandFileLoad ReadCommandFile(support::ITextSource& source);
CommandFileLoad LoadCommandFile(const std::filesystem::path& path);

// The file's bytes for the lines of the command box: each line at most kMaxSavedLineChars
// characters, without CR and LF, ended by CR LF. Characters Windows-1251 lacks become "?".
std::string FormatCommandFile(std::span<const std::u16string> lines);

// Writes the command file; the previous file is kept unless the new one was written whole.
support::FileWriteResult SaveCommandFile(const std::filesystem::path& path,
                                         std::span<const std::u16string> lines);

}  // namespace orvik::console
