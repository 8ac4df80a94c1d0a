#include "console/receipt_file.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "console/receipt_checks.h"
#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/atomic_file.h"
#include "support/text_codec.h"

namespace orvik::console {

namespace {

constexpr std::size_t kHeaderFields = 4;
constexpr std::size_t kRowFields = 1 + kColumnCount;
// Row fields holding whole numbers (flag, article, divisible, taxes, discount kind, compound
// tax) and number texts (quantity, price, discount amount), counted from 0. Of the whole
// numbers, the return flag, divisible and compound tax are flags: "0" or "1".
struct IntegerField {
    std::size_t field;
    bool flag;
};
constexpr IntegerField kRowIntegerFields[] = {{0, true},  {2, false}, {3, true}, {6, false},
                                              {7, false}, {8, false}, {11, true}};
constexpr std::size_t kRowNumberTextFields[] = {4, 5, 10};
// The longest line that reads back whole: with its CR LF within the reader's byte limit.
// Every character is one byte in Windows-1251.
constexpr std::size_t kMaxWrittenLine = support::TextLineReader::kMaxLineBytes - 2;

std::u16string Number(std::size_t value) {
    return support::FromUtf8(std::to_string(value));
}

bool IsControl(char16_t c) {
    return (c < 0x20 && c != u'\t') || c == 0x7F;
}

bool LooksBinary(std::u16string_view text) {
    // U+FFFD stands for a byte that Windows-1251 has no character for.
    return std::any_of(text.begin(), text.end(),
                       [](char16_t c) { return IsControl(c) || c == 0xFFFD; });
}

std::size_t FieldCount(std::u16string_view line) {
    return 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), u';'));
}

class CLoader {
  public:
    CLoader(ReceiptFileLoad& load, ReadMode mode) : m_load(load), m_mode(mode) {}

    // False when the file turns out not to be a receipt, or not a well-formed one.
    bool TakeLine(std::u16string_view line, std::size_t lineNumber) {
        // Leading blanks only tell a blank or comment line; a header or row is read as it
        // stands, so that the strict reading sees a return flag of " 1" for what it is.
        std::u16string_view start = line;
        while (!start.empty() && (start.front() == u' ' || start.front() == u'\t')) {
            start.remove_prefix(1);
        }
        if (start.empty() || start.front() == u'#' || start.front() == u';') {
            return true;
        }
        m_lineNumber = lineNumber;
        if (!m_load.hasHeader) {
            return TakeHeader(line);
        }
        if (m_load.rows.size() >= kMaxReceiptFileRows) {
            Refuse(LoadStatus::NotAReceipt,
                   FormatMessage(kStrReceiptFileTooManyRows, {Number(kMaxReceiptFileRows)}));
            return false;
        }
        return TakeRow(line);
    }

    void Refuse(LoadStatus status, std::u16string reason, std::size_t line = 0) {
        m_load.status = status;
        m_load.error = std::move(reason);
        m_load.errorLine = line;
        m_load.rows.clear();
        m_load.rowLines.clear();
        m_load.rowProblems.clear();
        m_load.hasHeader = false;
        m_load.headerLine = 0;
        m_load.payments = {};
        m_load.returnFlag.reset();
    }

  private:
    bool TakeHeader(std::u16string_view line) {
        m_problem.clear();
        if (!CheckFieldCount(line, kHeaderFields) || !CheckFlag(line, 0)) {
            return false;
        }
        for (std::size_t field = 1; field < kHeaderFields; ++field) {
            if (!CheckNumberText(line, field)) {
                return false;
            }
            m_load.payments[field - 1] = GetLineField(line, field);
        }
        m_load.hasHeader = true;
        m_load.headerLine = m_lineNumber;
        m_load.returnFlag = ReadInteger(GetLineField(line, 0)) != 0;
        return true;
    }

    bool TakeRow(std::u16string_view line) {
        m_problem.clear();
        if (!CheckFieldCount(line, kRowFields)) {
            return false;
        }
        for (const IntegerField& integer : kRowIntegerFields) {
            if (!(integer.flag ? CheckFlag(line, integer.field)
                               : CheckInteger(line, integer.field))) {
                return false;
            }
        }
        for (std::size_t field : kRowNumberTextFields) {
            if (!CheckNumberText(line, field)) {
                return false;
            }
        }
        RowTexts texts;
        for (std::size_t column = 0; column < kColumnCount; ++column) {
            texts[column] = GetLineField(line, column + 1);
        }
        const bool isReturn = ReadInteger(GetLineField(line, 0)) != 0;
        m_load.returnFlag = isReturn;
        m_load.rows.push_back(RowFromTexts(texts, isReturn));
        m_load.rowLines.push_back(m_lineNumber);
        m_load.rowProblems.push_back(m_problem);
        return true;
    }

    bool CheckFieldCount(std::u16string_view line, std::size_t expected) {
        const std::size_t count = FieldCount(line);
        if (count == expected) {
            return true;
        }
        const std::u16string lineNumber = Number(m_lineNumber);
        const std::u16string found = Number(count);
        const std::u16string wanted = Number(expected);
        return Problem(FormatMessage(kStrReceiptFileFieldCount, {lineNumber, found, wanted}),
                       FormatMessage(kStrReceiptFileWrongFieldCount, {lineNumber, found, wanted}));
    }

    // Whole numbers are always written. The strict reading wants them there; the lenient one
    // reads an empty field as 0 and only marks the row.
    bool CheckInteger(std::u16string_view line, std::size_t field) {
        const std::u16string_view text = GetLineField(line, field);
        if (text.empty() && m_mode == ReadMode::Lenient) {
            if (m_problem.empty()) {
                m_problem = FormatMessage(kStrReceiptFileFieldNotANumber,
                                          {Number(m_lineNumber), Number(field + 1), u""});
            }
            return true;
        }
        return IsInteger(text) || NotANumber(field, text);
    }

    // Flags are written "0" or "1", and the strict reading takes nothing else: not "2", "-1",
    // "01" nor " 1". The lenient one reads them as before (a whole number, blanks aside, as
    // set when not 0; a non-number as 0 with a warning) and marks the row.
    bool CheckFlag(std::u16string_view line, std::size_t field) {
        const std::u16string_view text = GetLineField(line, field);
        if (text == u"0" || text == u"1") {
            return true;
        }
        const std::u16string lineNumber = Number(m_lineNumber);
        const std::u16string column = Number(field + 1);
        std::u16string strictText =
            FormatMessage(kStrReceiptFileFieldNotAFlag, {lineNumber, column, text});
        if (m_mode == ReadMode::Lenient && (text.empty() || IsInteger(text))) {
            if (m_problem.empty()) {
                m_problem = std::move(strictText);
            }
            return true;
        }
        return Problem(FormatMessage(kStrReceiptFileNotANumber, {lineNumber, column, text}),
                       std::move(strictText));
    }

    // Number texts may be empty: the page reads them as 0, and the item checks judge them.
    bool CheckNumberText(std::u16string_view line, std::size_t field) {
        const std::u16string_view text = GetLineField(line, field);
        return text.empty() || ReadDecimal(text).complete || NotANumber(field, text);
    }

    bool NotANumber(std::size_t field, std::u16string_view text) {
        const std::u16string lineNumber = Number(m_lineNumber);
        const std::u16string column = Number(field + 1);
        return Problem(FormatMessage(kStrReceiptFileNotANumber, {lineNumber, column, text}),
                       FormatMessage(kStrReceiptFileFieldNotANumber, {lineNumber, column, text}));
    }

    // A malformed line: the lenient reading goes on and tells it; the strict one stops.
    bool Problem(std::u16string lenientText, std::u16string strictText) {
        if (m_mode == ReadMode::Strict) {
            Refuse(LoadStatus::Malformed, std::move(strictText), m_lineNumber);
            return false;
        }
        if (m_problem.empty()) {
            m_problem = strictText;
        }
        if (m_load.warnings.size() < kMaxWarnings) {
            m_load.warnings.push_back(std::move(lenientText));
        }
        ++m_load.warningCount;
        return true;
    }

    ReceiptFileLoad& m_load;
    ReadMode m_mode;
    std::size_t m_lineNumber = 0;
    std::u16string m_problem;  // the first problem of the line being read
};

}  // namespace

std::u16string_view GetLineField(std::u16string_view line, std::size_t n) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t separator = line.find(u';', start);
        if (separator == std::u16string_view::npos) {
            return {};
        }
        start = separator + 1;
    }
    const std::size_t end = line.find(u';', start);
    return line.substr(start,
                       end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
}

std::optional<std::u16string> CheckReceiptWritable(const ReceiptFileContent& content) {
    // The message names where the text stands: a payment field, or a row and its column.
    const auto check = [](const std::u16string& text,
                          const std::u16string& where) -> std::optional<std::u16string> {
        for (char16_t c : text) {
            if (c == u';' || IsControl(c)) {
                return FormatMessage(kStrReceiptTextBreaksFormat, {text, where});
            }
            if (c == 0xFFFD || (c != u'?' && support::EncodeChar(support::CodePage::Ansi1251, c) ==
                                                 support::kDefaultChar)) {
                return FormatMessage(kStrReceiptTextNotInCodePage, {text, where});
            }
        }
        return std::nullopt;
    };
    if (content.rows.size() > kMaxReceiptFileRows) {
        return FormatMessage(kStrReceiptTooManyRowsToSave, {Number(kMaxReceiptFileRows)});
    }
    std::size_t lineNumber = 1;
    std::size_t length = 1;  // the flag
    for (std::size_t i = 0; i < content.payments.size(); ++i) {
        const std::u16string& payment = content.payments[i];
        if (auto problem =
                check(payment, FormatMessage(kStrReceiptPaymentPlace, {Number(i + 1)}))) {
            return problem;
        }
        length += 1 + payment.size();
    }
    for (std::size_t rowIndex = 0; rowIndex < content.rows.size(); ++rowIndex) {
        if (length > kMaxWrittenLine) {
            return FormatMessage(kStrReceiptLineTooLongToSave, {Number(lineNumber)});
        }
        ++lineNumber;
        length = 1;
        const RowTexts texts = TextsOfRow(content.rows[rowIndex]);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            const std::u16string& text = texts[column];
            const std::u16string where = FormatMessage(
                kStrReceiptRowPlace, {Number(rowIndex + 1),
                                      LoadString(kStrSalesColumnFirst + static_cast<int>(column))});
            if (auto problem = check(text, where)) {
                return problem;
            }
            length += 1 + text.size();
        }
    }
    if (length > kMaxWrittenLine) {
        return FormatMessage(kStrReceiptLineTooLongToSave, {Number(lineNumber)});
    }
    return std::nullopt;
}

std::string FormatReceiptFile(const ReceiptFileContent& content) {
    std::u16string text = content.returnFlag ? u"1" : u"0";
    for (const std::u16string& payment : content.payments) {
        text += u';' + payment;
    }
    text += u"\r\n";
    for (const ReceiptRow& row : content.rows) {
        text += row.isReturn ? u"1" : u"0";
        for (const std::u16string& column : TextsOfRow(row)) {
            text += u';' + column;
        }
        text += u"\r\n";
    }
    return support::Encode(support::CodePage::Ansi1251, text);
}

SaveResult SaveReceiptFile(const std::filesystem::path& path, const ReceiptFileContent& content) {
    if (auto problem = CheckReceiptWritable(content)) {
        return SaveResult{SaveStatus::Refused, std::move(*problem)};
    }
    const support::FileWriteResult written =
        support::WriteFileReplacing(path, FormatReceiptFile(content));
    switch (written.status) {
        case support::FileWriteStatus::Written:
            return SaveResult{};
        case support::FileWriteStatus::CannotCreate:
            return SaveResult{SaveStatus::CannotCreate, support::SystemErrorText(written.error)};
        case support::FileWriteStatus::WriteError:
            break;
    }
    return SaveResult{SaveStatus::WriteError, support::SystemErrorText(written.error)};
}

ReceiptFileLoad ReadReceipt(support::ITextSource& source, ReadMode mode) {
    ReceiptFileLoad load;
    CLoader loader(load, mode);

    // The whole file first: whether it is UTF-8 depends on all of it.
    std::string bytes;
    bool readFailed = false;
    int readError = 0;
    std::uint8_t chunk[16384];
    for (;;) {
        const std::ptrdiff_t got = source.Read(chunk, readError);
        if (got < 0) {
            readFailed = true;
            break;
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxReceiptFileBytes) {
            loader.Refuse(LoadStatus::NotAReceipt,
                          FormatMessage(kStrReceiptFileTooLarge, {Number(kMaxReceiptFileBytes)}));
            return load;
        }
        bytes.append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(got));
    }

    if (readFailed) {
        // What was read of the line the failure cut off is dropped.
        const std::size_t lineEnd = bytes.rfind('\n');
        bytes.resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
    }
    std::string_view text = bytes;
    load.utf8 = std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; }) &&
                support::IsValidUtf8(text);
    if (load.utf8 && text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    support::MemoryTextSource memory(text);
    support::TextLineReader reader(memory);
    if (load.utf8) {
        reader.DecodeUtf8();
    }
    std::u16string piece;
    while (reader.ReadTextLine(piece) == support::LineStatus::Line) {
        const std::size_t lineNumber = reader.LineNumber();
        if (reader.PieceWasCut()) {
            loader.Refuse(LoadStatus::NotAReceipt,
                          FormatMessage(kStrReceiptFileLineTooLong, {Number(lineNumber)}),
                          lineNumber);
            return load;
        }
        if (LooksBinary(piece)) {
            loader.Refuse(LoadStatus::NotAReceipt,
                          FormatMessage(kStrReceiptFileBinary, {Number(lineNumber)}), lineNumber);
            return load;
        }
        if (!loader.TakeLine(piece, lineNumber)) {
            return load;
        }
    }
    if (readFailed) {
        // The rows before the failed read stay; the strict reading keeps none.
        load.status = LoadStatus::ReadError;
        load.error = support::SystemErrorText(readError);
        if (mode == ReadMode::Strict) {
            loader.Refuse(LoadStatus::ReadError, support::SystemErrorText(readError));
        }
    }
    return load;
}

ReceiptFileLoad LoadReceiptFile(const std::filesystem::path& path, ReadMode mode) {
    int error = 0;
    const std::unique_ptr<support::FileTextSource> file =
        support::FileTextSource::Open(path, error);
    if (!file) {
        ReceiptFileLoad load;
        load.status = LoadStatus::CannotOpen;
        load.error = support::SystemErrorText(error);
        return load;
    }
    return ReadReceipt(*file, mode);
}

}  // namespace orvik::console
