#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "device/protocol/receipt_math.h"
#include "device/protocol/register_capabilities.h"

namespace orvik::device {

// The command texts of the receipt operations, built without a port.

// A register named by its numbers, as tests and tools give one: what decides the layout of a
// line command.
struct RegisterProfile {
    std::int32_t family = 1;
    std::int32_t model = 4;
    std::int32_t articleMode = 0;
    std::int32_t maxArticleNumber = CPrinterInfo::kDefaultMaxArticleNumber;

    RegisterCapabilities Capabilities() const { return CapabilitiesOf(family, model, articleMode); }
    // Family 1 models 5, 6 and 8 in article mode 2 take "FICD"/"BFCD" with nine-digit articles.
    bool UsesCodedArticles() const { return Capabilities().codedArticles; }
};

// One sale or return line as the caller gives it. Quantity in pieces, or in thousandths of a
// divisible good; money in minor units; tax slots 1 to 8, 0 for none; discountKind -1 none,
// 0 discount, 1 surcharge.
struct ReceiptLineRequest {
    std::int32_t quantity = 0;
    std::u16string name{};
    std::int32_t price = 0;
    bool divisible = false;
    int taxSlot1 = 0;
    int taxSlot2 = 0;
    std::int32_t article = 0;
    int discountKind = kNoDiscount;
    std::u16string discountName{};
    std::int32_t discountAmount = 0;
};

// A line ready to be sent: its command text, its sum before the discount and the discount as
// the register is told it.
struct PreparedLine {
    std::u16string command;
    std::int64_t lineSum = 0;
    LineDiscount discount;
    // The line sum after the discount or surcharge, which goes into the receipt's sums.
    std::int64_t SumAfterDiscount() const { return ApplyDiscount(lineSum, discount); }
};

// Widths of the line command's name field and of a discount name.
int LineNameWidth(std::int32_t articleMode);
inline constexpr std::size_t kDiscountNameWidth = 13;

// The name trimmed of white space at both ends.
std::u16string_view TrimWhiteSpace(std::u16string_view text);

// The line command ("FISC", "BFIS", "FICD" or "BFCD") for the register: name, sums, quantity,
// unit, taxes, article (those from 1 to maxArticleNumber; 0 otherwise), discount block and the
// continuation of a long name.
PreparedLine PrepareReceiptLine(const RegisterCapabilities& caps, std::int32_t maxArticleNumber,
                                const TaxTable& slots, std::u16string_view taxLetters,
                                bool returnMode, const ReceiptLineRequest& line);
PreparedLine PrepareReceiptLine(const RegisterProfile& profile, const TaxTable& slots,
                                std::u16string_view taxLetters, bool returnMode,
                                const ReceiptLineRequest& line);

// The amount the register reports in its "FISC" answer: the number after the tag (leading
// blanks and a sign allowed, reading stops at the first non-digit; 0 without digits).
std::int64_t ReadReplyAmount(std::u16string_view reply);

// The decisions of a close, made on the receipt's sums before anything is sent. The sums'
// added tax and tax on winnings are replaced by the per-slot recomputation, and for a close
// without payments all sums and taxes are cleared.
struct ClosePlan {
    std::int64_t due = 0;  // the amount due, before any clearing
    std::int32_t cash = 0;
    std::int32_t payment1 = 0;
    std::int32_t payment2 = 0;
    std::int32_t payment3 = 0;
    bool paidShort = false;  // the payments do not cover the amount due: nothing is sent
    // A payment below 0, or payments 1 to 3 above the amount due (the cash would be below
    // 0): nothing is sent. Only a refund's cash may be given below 0: it is paid back.
    bool paymentsWrong = false;
    bool noPayment = false;  // all four payments are 0
    std::u16string command;  // "COMP" and six ten-digit fields; empty when refused
};
ClosePlan PlanReceiptClose(ReceiptTotals& totals, const TaxTable& slots, std::int32_t cash,
                           std::int32_t payment1, std::int32_t payment2, std::int32_t payment3);

// "PREP" and as much of the department text as the register takes (departmentLength): family 0
// its first two characters, others up to 15.
std::u16string BuildOpenCommand(const RegisterCapabilities& caps);
std::u16string BuildOpenCommand(std::int32_t family);

// "PCOD11" "0" and the text, padded on the left with "0" to 4 characters and cut to 17.
std::u16string BuildBarcodeCommand(std::u16string_view text);

// "NLPR" and the letters of the two slots, or nothing when the slots are not two different
// slots from 1 to 6.
std::u16string BuildCompoundTaxCommand(std::u16string_view taxLetters, int firstSlot,
                                       int secondSlot);

// "CAIO", "I" for cash in or "O" for cash out, and the amount in ten digits.
std::u16string BuildCashMoveCommand(bool cashIn, std::int32_t amount);

}  // namespace orvik::device
