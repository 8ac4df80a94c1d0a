#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvik::device {

// A slot of the register's tax table. Slot n (1 to 8) is taxSlots[n - 1] and is named by the
// n-th letter of the tax letters.
struct TaxSlot {
    std::u16string name;  // at most 19 characters, from the tax names reply
    std::u16string date;  // MM/DD/YY
    std::u16string kind;  // "0" included tax, "1" added tax, "2" tax on winnings; empty: unused
    std::u16string rateDigits;  // four digits, for example "2000"
    std::u16string rateText;    // the same with a point after the second digit, "20.00"
};

// The register's document counters as its "GLCN" answer gives them.
struct DocumentCounters {
    std::int32_t lastReceiptNumber = 0;
    std::int32_t lastDocumentNumber = 0;
    std::int32_t lastServiceDocumentNumber = 0;
    std::int32_t articleMode = 0;
    std::int32_t zReportMade = 0;  // 0 or 1
    std::int32_t lastZReportNumber = 0;
};

// What the register said about itself at connect: identification, clock, key position,
// software, currency, tax table and counters. Kept after a disconnection until the next
// connect refills it.
class CPrinterInfo {
  public:
    static constexpr int kTaxSlotCount = 8;
    static constexpr std::int32_t kDefaultMaxArticleNumber = 1999;

    CPrinterInfo() = default;
    CPrinterInfo(const CPrinterInfo&) = default;
    CPrinterInfo& operator=(const CPrinterInfo&) = default;
    virtual ~CPrinterInfo();

    std::u16string serialNumber;  // 10 characters; its first digits give the model code
    std::u16string fiscalNumber;  // 10 characters
    std::u16string ownerLine1;    // 18 characters, kept as read
    std::u16string ownerLine2;    // 18 characters, kept as read
    // The receipt header line: its first 18 characters as the configuration reports them, or
    // the line the settings page has since set on the register.
    std::u16string ownerLine3;
    std::u16string deviceDate;    // MM/DD/YY
    std::u16string deviceTime;    // HH:MM:SS
    std::u16string firmwareName;  // 4 characters, for example "UMTM"
    std::u16string firmwareDate;  // MM/DD/YY
    char16_t keyPosition = 0;     // R, X, Z, P or O once read
    std::int32_t maxArticleNumber = kDefaultMaxArticleNumber;
    std::int32_t zReportMade = 0;
    std::int32_t lastZReportNumber = 1;
    std::int32_t optionDigit1 = 1;
    std::int32_t optionDigit2 = 0;
    std::u16string currencyDate;  // MM/DD/YY
    std::int32_t decimalPointPosition = 0;
    std::u16string currencyName;  // 3 characters, shown after amounts
    std::array<TaxSlot, kTaxSlotCount> taxSlots{};
    std::array<std::int32_t, 4> configCounters{};  // the four "CRES" numbers, kept as read
};

}  // namespace orvik::device
