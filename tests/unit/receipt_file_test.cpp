// Receipt files: the writer and the reader agree field for field, and hostile files give a
// clear error without harm.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "console/receipt_file.h"
#include "res/string_table.h"
#include "support/text_codec.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::console;

namespace {

using namespace orvik::console;
namespace fs = std::filesystem;

// A row as a file's texts make it; columns not given are empty.
ReceiptRow Row(std::initializer_list<std::u16string> columns, bool isReturn) {
    RowTexts texts;
    std::copy(columns.begin(), columns.end(), texts.begin());
    return RowFromTexts(texts, isReturn);
}

std::string Cp1251(std::u16string_view text) {
    return orvik::support::Encode(orvik::support::CodePage::Ansi1251, text);
}

ReceiptFileLoad Read(std::string_view bytes) {
    orvik::support::MemoryTextSource source(bytes);
    return ReadReceipt(source);
}

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "orvik-receipt-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        m_path = pattern;
    }
    ~TempFolder() { fs::remove_all(m_path); }
    const fs::path& Path() const { return m_path; }
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_path), fs::directory_iterator()));
    }

  private:
    fs::path m_path;
};

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReceiptFileWriter, WritesTheKnownLayout) {
    ReceiptFileContent content;
    content.payments = {u"0.00", u"0.00", u"0.00"};
    content.rows.push_back(
        Row({u"Чай", u"12", u"0", u"2", u"3.50", u"1", u"0", u"0", u"", u"", u"0"}, false));
    EXPECT_EQ(FormatReceiptFile(content),
              Cp1251(u"0;0.00;0.00;0.00\r\n0;Чай;12;0;2;3.50;1;0;0;;;0\r\n"));
}

TEST(ReceiptFileRoundTrip, WhatIsSavedLoadsBackTheSame) {
    TempFolder folder;
    ReceiptFileContent content;
    content.returnFlag = true;
    content.payments = {u"1,50", u"", u"  2.00 "};
    content.rows.push_back(Row(
        {u"Хліб житній", u"12", u"0", u"2", u"3.50", u"1", u"0", u"1", u"Знижка 5%", u"0.17", u"0"},
        false));
    content.rows.push_back(Row({u" Сыр «Ґоуда» ", u"1999", u"1", u"1.500", u"12,5", u"1", u"2",
                                u"2", u"Доставка", u"1.00", u"1"},
                               true));
    content.rows.push_back(Row({u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u""}, true));
    // Whole numbers a file wrote otherwise than plainly keep their texts, which the list shows.
    const RowTexts unusual{u"Кефир", u"007", u"2", u" 1,0", u"1.5 ", u" 3",
                           u"+0",    u"-1",  u"",  u"",     u"01"};
    content.rows.push_back(RowFromTexts(unusual, true));
    const fs::path path = folder.Path() / "receipt.check";
    ASSERT_EQ(SaveReceiptFile(path, content).status, SaveStatus::Saved);

    const ReceiptFileLoad load = LoadReceiptFile(path);
    EXPECT_EQ(load.status, LoadStatus::Loaded);
    EXPECT_TRUE(load.hasHeader);
    EXPECT_EQ(load.payments, content.payments);
    EXPECT_EQ(load.rows, content.rows);
    ASSERT_EQ(load.rows.size(), 4u);
    EXPECT_EQ(TextsOfRow(load.rows[3]), unusual);
    EXPECT_EQ(load.returnFlag, std::optional<bool>(true));
    // The empty row's fields are empty, not numbers: no warning for them.
    EXPECT_EQ(load.warningCount, 0u) << (load.warnings.empty() ? "" : Utf8(load.warnings[0]));
    EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary file left behind
}

TEST(ReceiptFileReader, SkipsCommentsAndBlankLinesAndTakesTheLastRowsFlag) {
    const ReceiptFileLoad load =
        Read(Cp1251(u"# saved by hand\n"
                    u"   ; another comment\r\n"
                    u"\r\n"
                    u"1;5.00;;\r\n"
                    u"1;A;1;0;1;1.00;0;0;0;;;0\r\n"
                    u"\t\r\n"
                    u"  0;B;2;0;1;2.00;0;0;0;;;0"));  // leading blanks and no line end at the close
    EXPECT_EQ(load.status, LoadStatus::Loaded);
    ASSERT_EQ(load.rows.size(), 2u);
    EXPECT_EQ(Utf8(ColumnText(load.rows[0], kColName)), "A");
    EXPECT_TRUE(load.rows[0].isReturn);
    EXPECT_EQ(Utf8(ColumnText(load.rows[1], kColPrice)), "2.00");
    EXPECT_FALSE(load.rows[1].isReturn);
    EXPECT_EQ(load.payments, (std::array<std::u16string, 3>{u"5.00", u"", u""}));
    EXPECT_EQ(load.returnFlag, std::optional<bool>(false));
}

TEST(ReceiptFileReader, HeaderOnlyAndEmptyFiles) {
    ReceiptFileLoad load = Read("1;1.00;2.00;3.00\r\n");
    EXPECT_TRUE(load.hasHeader);
    EXPECT_TRUE(load.rows.empty());
    EXPECT_EQ(load.returnFlag, std::optional<bool>(true));

    for (const char* bytes : {"", "# nothing\r\n\r\n", "\n\n\n"}) {
        load = Read(bytes);
        EXPECT_EQ(load.status, LoadStatus::Loaded);
        EXPECT_FALSE(load.hasHeader);
        EXPECT_FALSE(load.returnFlag.has_value());
        EXPECT_TRUE(load.rows.empty());
    }
}

TEST(ReceiptFileReader, MissingFieldsAndNonNumbersLoadWithAWarning) {
    const ReceiptFileLoad load =
        Read(Cp1251(u"0;;;\r\n"
                    u"0;Short;3\r\n"
                    u"x;Name;abc;0;two;1.00;0;0;0;;;0\r\n"
                    u"0;Semi;colon;5;0;1;1.00;0;0;0;;;0\r\n"));
    EXPECT_EQ(load.status, LoadStatus::Loaded);
    ASSERT_EQ(load.rows.size(), 3u);
    EXPECT_EQ(Utf8(ColumnText(load.rows[0], kColArticle)), "3");
    EXPECT_EQ(Utf8(ColumnText(load.rows[0], kColPrice)), "");
    EXPECT_FALSE(load.rows[1].isReturn);  // "x" reads as 0
    // A name holding ";" moves the later fields one place.
    EXPECT_EQ(Utf8(ColumnText(load.rows[2], kColName)), "Semi");
    EXPECT_EQ(Utf8(ColumnText(load.rows[2], kColArticle)), "colon");
    const std::vector<std::string> expected = {
        "Строка 2: полей 3 вместо 12; недостающие поля считаются пустыми, "
        "лишние отбрасываются.",
        "Строка 3, поле 1: \"x\" не является числом и считается нулем.",
        "Строка 3, поле 3: \"abc\" не является числом и считается нулем.",
        "Строка 3, поле 5: \"two\" не является числом и считается нулем.",
        "Строка 4: полей 13 вместо 12; недостающие поля считаются пустыми, "
        "лишние отбрасываются.",
        "Строка 4, поле 3: \"colon\" не является числом и считается нулем.",
        "Строка 4, поле 7: \"1.00\" не является числом и считается нулем.",
    };
    std::vector<std::string> warnings;
    for (const auto& warning : load.warnings) {
        warnings.push_back(Utf8(warning));
    }
    EXPECT_EQ(warnings, expected);
    EXPECT_EQ(load.warningCount, expected.size());
}

TEST(ReceiptFileReader, BinaryDataAndHugeLinesAreNotAReceipt) {
    struct Case {
        std::string bytes;
        std::string error;
    };
    const std::string header = "0;;;\r\n0;A;1;0;1;1.00;0;0;0;;;0\r\n";
    const Case cases[] = {
        {header + std::string("0;B\0;1", 6) + "\r\n",
         "Файл не является файлом чека: строка 3 содержит двоичные данные."},
        {"\x89PNG\r\n\x1a\n", "Файл не является файлом чека: строка 2 содержит двоичные данные."},
        {header + "\x98\r\n", "Файл не является файлом чека: строка 3 содержит двоичные данные."},
        {header + std::string(5000, 'x') + "\r\n",
         "Файл не является файлом чека: строка 3 длиннее 4095 байт."},
    };
    for (const Case& c : cases) {
        const ReceiptFileLoad load = Read(c.bytes);
        EXPECT_EQ(load.status, LoadStatus::NotAReceipt);
        EXPECT_EQ(Utf8(load.error), c.error);
        EXPECT_TRUE(load.rows.empty());
        EXPECT_FALSE(load.hasHeader);
    }
    // Far too many rows are not a receipt either.
    std::string many = "0;;;\n";
    for (std::size_t i = 0; i <= kMaxReceiptFileRows; ++i) {
        many += "0;A;1;0;1;1.00;0;0;0;;;0\n";
    }
    const ReceiptFileLoad load = Read(many);
    EXPECT_EQ(load.status, LoadStatus::NotAReceipt);
    EXPECT_TRUE(load.rows.empty());
}

// Gives its bytes, then fails with EIO.
class FailingSource : public orvik::support::ITextSource {
  public:
    explicit FailingSource(std::string bytes) : m_bytes(std::move(bytes)) {}
    std::ptrdiff_t Read(std::span<std::uint8_t> buffer, int& error) override {
        if (m_bytes.empty()) {
            error = EIO;
            return -1;
        }
        const std::size_t count = std::min(buffer.size(), m_bytes.size());
        std::copy_n(m_bytes.begin(), count, buffer.begin());
        m_bytes.erase(0, count);
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    std::string m_bytes;
};

TEST(ReceiptFileReader, AReadErrorKeepsTheRowsReadBefore) {
    FailingSource source("0;;;\r\n0;A;1;0;1;1.00;0;0;0;;;0\r\n0;B;1;0");
    const ReceiptFileLoad load = ReadReceipt(source);
    EXPECT_EQ(load.status, LoadStatus::ReadError);
    EXPECT_EQ(Utf8(load.error), Utf8(orvik::support::SystemErrorText(EIO)));
    EXPECT_FALSE(load.error.empty());
    ASSERT_EQ(load.rows.size(), 1u);
    EXPECT_EQ(Utf8(ColumnText(load.rows[0], kColName)), "A");
}

TEST(ReceiptFileReader, LongLinesComeInPiecesOf4095Bytes) {
    const std::string bytes = std::string(5000, 'a') + "\r\nb\r\n";
    orvik::support::MemoryTextSource source(bytes);
    orvik::support::TextLineReader reader(source);
    std::u16string piece;
    ASSERT_EQ(reader.ReadTextLine(piece), orvik::support::LineStatus::Line);
    EXPECT_EQ(piece.size(), 4095u);
    EXPECT_TRUE(reader.PieceWasCut());
    ASSERT_EQ(reader.ReadTextLine(piece), orvik::support::LineStatus::Line);
    EXPECT_EQ(piece.size(), 905u);
    EXPECT_FALSE(reader.PieceWasCut());
    EXPECT_EQ(reader.LineNumber(), 1u);
    ASSERT_EQ(reader.ReadTextLine(piece), orvik::support::LineStatus::Line);
    EXPECT_EQ(Utf8(piece), "b");
    EXPECT_EQ(reader.LineNumber(), 2u);
    EXPECT_EQ(reader.ReadTextLine(piece), orvik::support::LineStatus::End);
    EXPECT_EQ(reader.ReadTextLine(piece), orvik::support::LineStatus::End);
}

TEST(ReceiptFileFields, SplitAtSemicolonsWithoutTrimming) {
    EXPECT_EQ(Utf8(GetLineField(u"a;b; c ;", 0)), "a");
    EXPECT_EQ(Utf8(GetLineField(u"a;b; c ;", 2)), " c ");
    EXPECT_EQ(Utf8(GetLineField(u"a;b; c ;", 3)), "");
    EXPECT_EQ(Utf8(GetLineField(u"a;b; c ;", 4)), "");
    EXPECT_EQ(Utf8(GetLineField(u"", 0)), "");
    EXPECT_EQ(Utf8(GetLineField(u";x", 1)), "x");
}

TEST(ReceiptFileWriter, TextsThatWouldNotReadBackAreRefusedAndTheTargetKept) {
    TempFolder folder;
    const fs::path path = folder.Path() / "kept.check";
    { std::ofstream(path, std::ios::binary) << "previous"; }
    ReceiptFileContent content;
    content.rows.push_back(Row({u"Чай; зелёный"}, false));
    SaveResult result = SaveReceiptFile(path, content);
    EXPECT_EQ(result.status, SaveStatus::Refused);
    // The message names the text and where it stands: the row and its column.
    EXPECT_EQ(Utf8(result.error),
              "Чек нельзя сохранить: текст \"Чай; зелёный\" (строка 1 списка, столбец "
              "\"Наименование\") содержит символ \";\", перевод строки или другой управляющий "
              "символ, которые нарушат формат файла чека.");

    content.rows[0].name = u"Чай 中";
    result = SaveReceiptFile(path, content);
    EXPECT_EQ(result.status, SaveStatus::Refused);
    EXPECT_NE(Utf8(result.error).find("Windows-1251"), std::string::npos);

    content.rows[0].name = u"Line\nbreak";
    EXPECT_EQ(SaveReceiptFile(path, content).status, SaveStatus::Refused);
    content.rows[0].name = u"ok";
    content.payments[1] = u"1;2";
    result = SaveReceiptFile(path, content);
    EXPECT_EQ(result.status, SaveStatus::Refused);
    EXPECT_NE(Utf8(result.error).find("(поле \"Оплата 2:\")"), std::string::npos);

    // A row the reader would take for a line too long.
    content.payments[1] = u"";
    content.rows[0].name = std::u16string(4093 - 11 - 1, u'x');
    EXPECT_EQ(SaveReceiptFile(path, content).status, SaveStatus::Saved);
    EXPECT_EQ(LoadReceiptFile(path).rows, content.rows);
    content.rows[0].name += u'x';
    result = SaveReceiptFile(path, content);
    EXPECT_EQ(result.status, SaveStatus::Refused);
    EXPECT_EQ(Utf8(result.error),
              "Чек нельзя сохранить: строка 2 файла была бы длиннее 4095 байт.");

    content.rows.clear();
    EXPECT_EQ(SaveReceiptFile(path, content).status, SaveStatus::Saved);
    EXPECT_EQ(FileBytes(path), "0;;;\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ReceiptFileWriter, ReplacingAFileKeepsItsPermissions) {
    TempFolder folder;
    const fs::path path = folder.Path() / "private.check";
    { std::ofstream(path, std::ios::binary) << "old"; }
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ReceiptFileContent content;
    content.rows.push_back(Row({u"A"}, false));
    ASSERT_EQ(SaveReceiptFile(path, content).status, SaveStatus::Saved);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(FileBytes(path), FormatReceiptFile(content));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ReceiptFileWriter, FailuresLeaveNothingBehindAndSayWhy) {
    TempFolder folder;
    ReceiptFileContent content;
    SaveResult result = SaveReceiptFile(folder.Path() / "missing" / "r.check", content);
    EXPECT_EQ(result.status, SaveStatus::CannotCreate);
    EXPECT_EQ(Utf8(result.error), Utf8(orvik::support::SystemErrorText(ENOENT)));

    // The target is a folder.
    fs::create_directory(folder.Path() / "folder.check");
    result = SaveReceiptFile(folder.Path() / "folder.check", content);
    EXPECT_EQ(result.status, SaveStatus::CannotCreate);
    EXPECT_EQ(Utf8(result.error), Utf8(orvik::support::SystemErrorText(EISDIR)));
    EXPECT_EQ(folder.EntryCount(), 1u);

    const ReceiptFileLoad load = LoadReceiptFile(folder.Path() / "absent.check");
    EXPECT_EQ(load.status, LoadStatus::CannotOpen);
    EXPECT_EQ(Utf8(load.error), Utf8(orvik::support::SystemErrorText(ENOENT)));
}

}  // namespace

namespace {

ReceiptFileLoad ReadStrict(std::string_view bytes) {
    orvik::support::MemoryTextSource source(bytes);
    return ReadReceipt(source, ReadMode::Strict);
}

}  // namespace

// What the command line would have registered from a damaged file ("0 x 0.00" lines, fields
// shifted into the tax columns, a return flag of 2 taken for a refund): the strict reading
// refuses it with the line and the reason.
TEST(ReceiptFileStrictReader, RefusesMalformedLinesWithTheirNumber) {
    struct Case {
        const char* what;
        std::u16string text;
        std::size_t line;
        std::string error;
    };
    const std::u16string header = u"0;0.00;0.00;0.00\r\n";
    const std::u16string good = u"0;Чай;12;0;2;3.50;1;0;0;;;0\r\n";
    const std::u16string refundTwo = u"2;Хлеб;1;0;1;3.50;0;0;0;;;0\r\n";
    const Case cases[] = {
        {"a row of five fields", header + good + u"0;Хлеб;1;0;1\r\n", 3,
         "Строка 3: полей 5, а должно быть 12."},
        {"a name holding \";\"",
         header + u"# note\r\n" + u"0;Чай;зеленый;12;0;2;3.50;1;0;0;;;0\r\n", 3,
         "Строка 3: полей 13, а должно быть 12."},
        {"a quantity that is no number", header + u"0;Чай;12;0;два;3.50;1;0;0;;;0\r\n", 2,
         "Строка 2, поле 5: \"два\" не является числом."},
        {"an empty tax column", header + u"0;Чай;12;0;2;3.50;;0;0;;;0\r\n", 2,
         "Строка 2, поле 7: \"\" не является числом."},
        {"a header payment that is no number", u"0;много;0.00;0.00\r\n" + good, 1,
         "Строка 1, поле 2: \"много\" не является числом."},
        {"a header of two fields", u"0;1.00\r\n" + good, 1, "Строка 1: полей 2, а должно быть 4."},
        {"a status file", u"Name:\tcat\r\nUmask:\t0022\r\n", 1,
         "Строка 1: полей 1, а должно быть 4."},
        // Flags are "0" or "1" exactly.
        {"a header flag of 2", u"2;0.00;0.00;0.00\r\n" + good, 1,
         "Строка 1, поле 1: признак \"2\" должен быть 0 или 1."},
        {"a header flag of -1", u"-1;0.00;0.00;0.00\r\n" + good, 1,
         "Строка 1, поле 1: признак \"-1\" должен быть 0 или 1."},
        {"a header flag after a blank", u"# note\r\n 1;0.00;0.00;0.00\r\n" + good, 2,
         "Строка 2, поле 1: признак \" 1\" должен быть 0 или 1."},
        {"a header flag of 01", u"01;0.00;0.00;0.00\r\n" + good, 1,
         "Строка 1, поле 1: признак \"01\" должен быть 0 или 1."},
        {"a return flag of 2", header + good + refundTwo, 3,
         "Строка 3, поле 1: признак \"2\" должен быть 0 или 1."},
        {"a return flag of 5", header + u"5;Хлеб;1;0;1;3.50;0;0;0;;;0\r\n", 2,
         "Строка 2, поле 1: признак \"5\" должен быть 0 или 1."},
        {"a return flag of -1", header + u"-1;Хлеб;1;0;1;3.50;0;0;0;;;0\r\n", 2,
         "Строка 2, поле 1: признак \"-1\" должен быть 0 или 1."},
        {"a return flag of 01", header + u"01;Хлеб;1;0;1;3.50;0;0;0;;;0\r\n", 2,
         "Строка 2, поле 1: признак \"01\" должен быть 0 или 1."},
        {"a return flag after a blank", header + good + u" 1;Хлеб;1;0;1;3.50;0;0;0;;;0\r\n", 3,
         "Строка 3, поле 1: признак \" 1\" должен быть 0 или 1."},
        {"divisible 2", header + u"0;Хлеб;1;2;1;3.50;0;0;0;;;0\r\n", 2,
         "Строка 2, поле 4: признак \"2\" должен быть 0 или 1."},
        {"tax on tax x", header + u"0;Хлеб;1;0;1;3.50;0;0;0;;;x\r\n", 2,
         "Строка 2, поле 12: признак \"x\" должен быть 0 или 1."},
    };
    for (const Case& c : cases) {
        const ReceiptFileLoad strict = ReadStrict(Cp1251(c.text));
        EXPECT_EQ(strict.status, LoadStatus::Malformed) << c.what;
        EXPECT_EQ(strict.errorLine, c.line) << c.what;
        EXPECT_EQ(Utf8(strict.error), c.error) << c.what;
        EXPECT_TRUE(strict.rows.empty()) << c.what;
        // The page reads the same file leniently and marks what the strict reading refuses.
        const ReceiptFileLoad lenient = Read(Cp1251(c.text));
        EXPECT_EQ(lenient.status, LoadStatus::Loaded) << c.what;
        ASSERT_EQ(lenient.rowProblems.size(), lenient.rows.size()) << c.what;
        for (std::size_t i = 0; i < lenient.rows.size(); ++i) {
            if (lenient.rowLines[i] == c.line) {
                EXPECT_FALSE(lenient.rowProblems[i].empty()) << c.what;
            }
        }
    }
    // A good row is not marked.
    const ReceiptFileLoad first = Read(Cp1251(cases[0].text));
    EXPECT_EQ(first.rowProblems[0], u"");
    EXPECT_EQ(Utf8(first.rowProblems[1]), cases[0].error);
    // The page still reads a return flag of 2 as a refund, without a warning, and marks it.
    const ReceiptFileLoad two = Read(Cp1251(header + good + refundTwo));
    ASSERT_EQ(two.rows.size(), 2u);
    EXPECT_TRUE(two.rows[1].isReturn);
    EXPECT_EQ(two.warningCount, 0u);
    EXPECT_EQ(Utf8(two.rowProblems[1]), "Строка 3, поле 1: признак \"2\" должен быть 0 или 1.");
    const ReceiptFileLoad fine = ReadStrict(Cp1251(header + u"\r\n# comment\r\n" + good));
    EXPECT_EQ(fine.status, LoadStatus::Loaded);
    EXPECT_EQ(fine.headerLine, 1u);
    EXPECT_EQ(fine.rowLines, (std::vector<std::size_t>{4}));
}

// A receipt saved in UTF-8, as editors on Linux do, reads as the same receipt as its
// Windows-1251 copy; text that is not valid UTF-8 stays Windows-1251.
TEST(ReceiptFileReader, Utf8FilesReadAsTheirCp1251Copies) {
    const std::u16string text =
        u"1;0.00;0.00;0.00\r\n0;Чай И;12;0;2;3.50;1;0;0;;;0\r\n1;Сік;3;1;0.500;10.00;0;0;0;;;0\r\n";
    const ReceiptFileLoad cp1251 = Read(Cp1251(text));
    ASSERT_EQ(cp1251.status, LoadStatus::Loaded);
    EXPECT_FALSE(cp1251.utf8);
    const std::string utf8 = orvik::support::ToUtf8(text);
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        const ReceiptFileLoad load = ReadStrict(bytes);
        ASSERT_EQ(load.status, LoadStatus::Loaded) << Utf8(load.error);
        EXPECT_TRUE(load.utf8);
        EXPECT_EQ(load.rows, cp1251.rows);
        EXPECT_EQ(load.returnFlag, cp1251.returnFlag);
        EXPECT_EQ(Utf8(ColumnText(load.rows[0], kColName)), "Чай И");
    }
    // ASCII only: the same in both; a byte-order mark alone makes no header of its own.
    EXPECT_FALSE(Read("0;;;\r\n0;Tea;1;0;1;1.00;0;0;0;;;0\r\n").utf8);
    EXPECT_EQ(Read("\xEF\xBB\xBF"
                   "0;;;\r\n0;Tea;1;0;1;1.00;0;0;0;;;0\r\n")
                  .rows.size(),
              1u);
    // Written back, it is Windows-1251 again.
    ReceiptFileContent content;
    content.rows = ReadStrict(utf8).rows;
    EXPECT_EQ(FormatReceiptFile(content).find('\xD7'), 8u);  // "Ч" in Windows-1251
}
