#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The parts of the simulated register's state that its reports print and its programmable
// settings keep. They are members of RegisterState (register_state.h).
namespace orvik::sim {

// Sales of one article since the last Z report, for the article report.
struct ArticleSales {
    std::u16string name;
    std::int64_t quantity = 0;  // in thousandths when the article is divisible
    std::int64_t amount = 0;    // minor units of the currency
};

// What the register has registered since its last Z report. The Z report prints it, writes
// it to the fiscal memory and starts the next day with it empty; the receipt and cash
// commands add to it.
struct DayTotals {
    std::int64_t receipts = 0;  // fiscal receipts closed
    std::int64_t sales = 0;     // minor units of the currency
    std::int64_t returns = 0;
    std::array<std::int64_t, 8> salesByTaxSlot{};  // slot 1 is index 0
    std::int64_t discounts = 0;
    std::int64_t surcharges = 0;
    std::int64_t cashIn = 0;
    std::int64_t cashOut = 0;
    std::map<std::int64_t, ArticleSales> articles;  // by article number
};

// One Z report as the fiscal memory keeps it.
struct ZReportRecord {
    std::int64_t number = 0;
    std::u16string date;  // YYYYMMDD
    std::u16string time;  // HHMMSS
    std::int64_t receipts = 0;
    std::int64_t sales = 0;
    std::int64_t returns = 0;
};

// The fiscal memory has room for this many Z reports; then it is full.
inline constexpr std::int64_t kFiscalMemoryCapacity = 4000;

// A line of the multi-line receipt footer (service session only).
struct FooterLine {
    std::u16string text;
    bool journal = false;  // also printed on the journal tape
    int format = 0;        // 0 normal, 1 double width, 2 double height, 3 both
};

inline constexpr std::size_t kLogoLineCount = 192;
inline constexpr std::size_t kFooterLineCount = 10;

// The settings programmed in the register that its queries answer. (The header, footer,
// article mode and tax calculation mode are kept beside the configuration they belong to.)
struct ProgrammedSettings {
    bool cutter = true;
    bool beeper = true;
    int partialCut = 0;            // family 1 model 8
    bool taxPrintOnTotal = false;  // "PPOD": added taxes printed on the total turnover
    int messageSet = 0;            // 0 to 3
    std::u16string department = u"Відд.";
    int discountPrintMode = 0;  // family 1 model 8
    int lineSpacing = 5;        // eighths of a millimetre, family 1 model 8
    int tapeMode = 0;           // 0 ordinary, 1 continuous tape; family 1 model 8
    // The logo, family 1 model 8: up to 192 rows of hexadecimal dots, and how many of them
    // are printed (0: no logo).
    std::array<std::u16string, kLogoLineCount> logoRows{};
    int logoHeight = 0;
    std::array<std::optional<FooterLine>, kFooterLineCount> footerLines{};
};

}  // namespace orvik::sim
