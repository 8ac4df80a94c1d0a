#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/receipt_row.h"
#include "support/text_line_reader.h"

namespace orvik::console {

// Receipt files (extension .check): Windows-1251 text with CR LF line ends when written; read
// as UTF-8 when the file is valid UTF-8 holding non-ASCII text (a byte-order mark skipped). The
// header line holds the page's return flag and the texts of payments 1 to 3; then one line per row:
// its return flag and its eleven column texts, all separated by ";". Reading skips blank lines and
// comment lines (first character after white space "#" or ";").

// Payments 1 to 3 and the rows as the page holds them.
struct ReceiptFileContent {
    bool returnFlag = false;  // the page's "Возврат товара"
    std::array<std::u16string, 3> payments;
    std::vector<ReceiptRow> rows;
};

// Field n (from 0) of a line: the text between the n-th and the next ";"; empty beyond the
// last field. Fields are not trimmed.
std::u16string_view GetLineField(std::u16string_view line, std::size_t n);

// --- Writing ---------------------------------------------------------------------------------

// Why a receipt cannot be written so that it reads back the same, or nothing: a text holding
// ";", a line break or another control character, or a character Windows-1251 lacks; a line
// longer than the reader takes; more rows than it takes.
std::optional<std::u16string> CheckReceiptWritable(const ReceiptFileContent& content);

// The file's bytes. Texts the code page lacks become "?": check first.
std::string FormatReceiptFile(const ReceiptFileContent& content);

enum class SaveStatus { Saved, Refused, CannotCreate, WriteError };
struct SaveResult {
    SaveStatus status = SaveStatus::Saved;
    std::u16string error;  // the reason, for every status but Saved
};

// Writes the receipt to a temporary file beside the target, which replaces the target only
// once it is written whole (WriteFileReplacing); the target keeps its permissions. On any
// failure the target is as it was.
SaveResult SaveReceiptFile(const std::filesystem::path& path, const ReceiptFileContent& content);

// --- Reading ---------------------------------------------------------------------------------

enum class LoadStatus {
    Loaded,
    CannotOpen,   // nothing read
    ReadError,    // the rows read before the error are kept
    NotAReceipt,  // binary data, a line too long, too many rows: nothing kept
    // Strict reading only: a line with other than its number of fields, a field that is not
    // a number where a number is due, or a flag (return, divisible, tax on tax) other than
    // exactly "0" or "1". Nothing kept.
    Malformed,
};

// How a file is read. The page reads leniently, so that the user sees the rows and can mend
// them; the command line prints only files that read strictly.
enum class ReadMode { Lenient, Strict };

struct ReceiptFileLoad {
    LoadStatus status = LoadStatus::Loaded;
    bool hasHeader = false;
    std::array<std::u16string, 3> payments;  // payments 1 to 3, when there is a header
    std::vector<ReceiptRow> rows;
    // "Возврат товара" after loading: the last row's flag, else the header's; nothing for a
    // file without a header (the page keeps its box).
    std::optional<bool> returnFlag;
    std::u16string error;  // the reason, for every status but Loaded
    // Lines read with missing or extra fields or with a text where a number belongs: loaded
    // all the same (missing fields empty, non-numbers 0), and told here. At most
    // kMaxWarnings texts; warningCount counts them all.
    std::vector<std::u16string> warnings;
    std::size_t warningCount = 0;
    // Per row: the line of the file it came from, and what a strict reading refuses in it
    // (empty when nothing), so that the page can mark the row.
    std::vector<std::size_t> rowLines;
    std::vector<std::u16string> rowProblems;
    std::size_t headerLine = 0;  // the line of the header, 0 without one
    std::size_t errorLine = 0;   // the line the error is on, 0 when it is not a line's
    bool utf8 = false;           // the file was read as UTF-8
};

inline constexpr std::size_t kMaxReceiptFileRows = 100'000;
inline constexpr std::size_t kMaxWarnings = 100;
// A larger file is no receipt: it is refused before it is read whole.
inline constexpr std::size_t kMaxReceiptFileBytes = 64u << 20;

ReceiptFileLoad ReadReceipt(support::ITextSource& source, ReadMode mode = ReadMode::Lenient);
ReceiptFileLoad LoadReceiptFile(const std::filesystem::path& path,
                                ReadMode mode = ReadMode::Lenient);

}  // namespace orvik::console
