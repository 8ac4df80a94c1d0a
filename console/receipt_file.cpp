#include "console/receipt_file.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/atomic_file.h"
#include "support/text_codec.h"

namespace orvik::console {

namespace {

constexpr std::size_t kHeaderFields = 4;
constexpr std::size_t kRowFields = 1 + kColumnCount;
// Row fields holding whole numbers (flag, article, divisible, taxes, discount kind, compound
// tax) and number texts (quantity, price, discount amount), counted from 0.
constexpr std::size_t kRowIntegerFields[] = {0, 2, 3, 6, 7, 8, 11};
constexpr std::size_t kRowNumberTextFields[] = {4, 5, 10};
// The longest line that reads back whole: with its CR LF within the reader's byte limit.
// Every character is one byte in Windows-1251.
constexpr std::size_t kMaxWrittenLine = support::TextLineReader::kMaxLineBytes - 2;

std::u16string Number(std::size_t value) {
    return support::FromUtf8(std::to_string(value));
}

// A string-table text with %1, %2 and %3 filled in.
std::u16string Message(int id, std::initializer_list<std::u16string> arguments) {
    std::u16string text = LoadString(id);
    char16_t marker = u'1';
    for (const std::u16string& argument : arguments) {
        const std::u16string placeholder{u'%', marker++};
        if (const auto at = text.find(placeholder); at != std::u16string::npos) {
            text.replace(at, placeholder.size(), argument);
        }
    }
    return text;
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
    explicit CLoader(ReceiptFileLoad& load) : m_load(load) {}

    // False when the file turns out not to be a receipt.
    bool TakeLine(std::u16string_view line, std::size_t lineNumber) {
        while (!line.empty() && (line.front() == u' ' || line.front() == u'\t')) {
            line.remove_prefix(1);
        }
        if (line.empty() || line.front() == u'#' || line.front() == u';') {
            return true;
        }
        m_lineNumber = lineNumber;
        if (!m_load.hasHeader) {
            TakeHeader(line);
            return true;
        }
        if (m_load.rows.size() >= kMaxReceiptFileRows) {
            Refuse(Message(kStrReceiptFileTooManyRows, {Number(kMaxReceiptFileRows)}));
            return false;
        }
        TakeRow(line);
        return true;
    }

    void Refuse(std::u16string reason) {
        m_load.status = LoadStatus::NotAReceipt;
        m_load.error = std::move(reason);
        m_load.rows.clear();
        m_load.hasHeader = false;
        m_load.payments = {};
        m_load.returnFlag.reset();
    }

  private:
    void TakeHeader(std::u16string_view line) {
        CheckFieldCount(line, kHeaderFields);
        CheckInteger(line, 0);
        for (std::size_t field = 1; field < kHeaderFields; ++field) {
            CheckNumberText(line, field);
            m_load.payments[field - 1] = GetLineField(line, field);
        }
        m_load.hasHeader = true;
        m_load.returnFlag = ReadInteger(GetLineField(line, 0)) != 0;
    }

    void TakeRow(std::u16string_view line) {
        CheckFieldCount(line, kRowFields);
        for (std::size_t field : kRowIntegerFields) {
            CheckInteger(line, field);
        }
        for (std::size_t field : kRowNumberTextFields) {
            CheckNumberText(line, field);
        }
        ReceiptRow row;
        row.isReturn = ReadInteger(GetLineField(line, 0)) != 0;
        for (std::size_t column = 0; column < kColumnCount; ++column) {
            row.columns[column] = GetLineField(line, column + 1);
        }
        m_load.returnFlag = row.isReturn;
        m_load.rows.push_back(std::move(row));
    }

    void CheckFieldCount(std::u16string_view line, std::size_t expected) {
        const std::size_t count = FieldCount(line);
        if (count != expected) {
            Warn(Message(kStrReceiptFileFieldCount,
                         {Number(m_lineNumber), Number(count), Number(expected)}));
        }
    }

    void CheckInteger(std::u16string_view line, std::size_t field) {
        const std::u16string_view text = GetLineField(line, field);
        if (!text.empty() && !IsInteger(text)) {
            WarnNotANumber(field, text);
        }
    }

    void CheckNumberText(std::u16string_view line, std::size_t field) {
        const std::u16string_view text = GetLineField(line, field);
        if (!text.empty() && !ReadDecimal(text).complete) {
            WarnNotANumber(field, text);
        }
    }

    void WarnNotANumber(std::size_t field, std::u16string_view text) {
        Warn(Message(kStrReceiptFileNotANumber,
                     {Number(m_lineNumber), Number(field + 1), std::u16string(text)}));
    }

    void Warn(std::u16string text) {
        if (m_load.warnings.size() < kMaxWarnings) {
            m_load.warnings.push_back(std::move(text));
        }
        ++m_load.warningCount;
    }

    ReceiptFileLoad& m_load;
    std::size_t m_lineNumber = 0;
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
                return Message(kStrReceiptTextBreaksFormat, {text, where});
            }
            if (c == 0xFFFD || (c != u'?' && support::EncodeChar(support::CodePage::Ansi1251, c) ==
                                                 support::kDefaultChar)) {
                return Message(kStrReceiptTextNotInCodePage, {text, where});
            }
        }
        return std::nullopt;
    };
    if (content.rows.size() > kMaxReceiptFileRows) {
        return Message(kStrReceiptTooManyRowsToSave, {Number(kMaxReceiptFileRows)});
    }
    std::size_t lineNumber = 1;
    std::size_t length = 1;  // the flag
    for (std::size_t i = 0; i < content.payments.size(); ++i) {
        const std::u16string& payment = content.payments[i];
        if (auto problem = check(payment, Message(kStrReceiptPaymentPlace, {Number(i + 1)}))) {
            return problem;
        }
        length += 1 + payment.size();
    }
    for (std::size_t rowIndex = 0; rowIndex < content.rows.size(); ++rowIndex) {
        if (length > kMaxWrittenLine) {
            return Message(kStrReceiptLineTooLongToSave, {Number(lineNumber)});
        }
        ++lineNumber;
        length = 1;
        const ReceiptRow& row = content.rows[rowIndex];
        for (std::size_t column = 0; column < row.columns.size(); ++column) {
            const std::u16string& text = row.columns[column];
            const std::u16string where = Message(
                kStrReceiptRowPlace, {Number(rowIndex + 1),
                                      LoadString(kStrSalesColumnFirst + static_cast<int>(column))});
            if (auto problem = check(text, where)) {
                return problem;
            }
            length += 1 + text.size();
        }
    }
    if (length > kMaxWrittenLine) {
        return Message(kStrReceiptLineTooLongToSave, {Number(lineNumber)});
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
        for (const std::u16string& column : row.columns) {
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

ReceiptFileLoad ReadReceipt(support::ITextSource& source) {
    ReceiptFileLoad load;
    CLoader loader(load);
    support::TextLineReader reader(source);
    std::u16string piece;
    for (;;) {
        const support::LineStatus status = reader.ReadTextLine(piece);
        if (status == support::LineStatus::End) {
            break;
        }
        if (status == support::LineStatus::Error) {
            load.status = LoadStatus::ReadError;
            load.error = support::SystemErrorText(reader.ErrorNumber());
            break;
        }
        const std::u16string lineNumber = Number(reader.LineNumber());
        if (reader.PieceWasCut()) {
            loader.Refuse(Message(kStrReceiptFileLineTooLong, {lineNumber}));
            break;
        }
        if (LooksBinary(piece)) {
            loader.Refuse(Message(kStrReceiptFileBinary, {lineNumber}));
            break;
        }
        if (!loader.TakeLine(piece, reader.LineNumber())) {
            break;
        }
    }
    return load;
}

ReceiptFileLoad LoadReceiptFile(const std::filesystem::path& path) {
    int error = 0;
    const std::unique_ptr<support::FileTextSource> file =
        support::FileTextSource::Open(path, error);
    if (!file) {
        ReceiptFileLoad load;
        load.status = LoadStatus::CannotOpen;
        load.error = support::SystemErrorText(error);
        return load;
    }
    return ReadReceipt(*file);
}

}  // namespace orvik::console
