#include "console/receipt_digest.h"

#include <openssl/evp.h>

#include "support/text_codec.h"

namespace orvik::console {

namespace {

// Fields end with a unit separator and rows with a record separator, neither of which a
// receipt's text may hold, so that no two receipts read the same.
void Add(std::string& text, std::int64_t value) {
    text += std::to_string(value);
    text += '\x1f';
}

void Add(std::string& text, std::u16string_view value) {
    text += support::ToUtf8(value);
    text += '\x1f';
}

}  // namespace

std::string ReceiptDigest(std::span<const ReceiptRow> rows, const Payments& payments,
                          std::int32_t receiptNumber, int moneyDecimals) {
    std::string text;
    for (const std::int64_t value :
         {std::int64_t{payments.cash}, std::int64_t{payments.payment1},
          std::int64_t{payments.payment2}, std::int64_t{payments.payment3},
          std::int64_t{receiptNumber}}) {
        Add(text, value);
    }
    text += '\x1e';
    for (const ReceiptRow& row : rows) {
        const RowLine converted = ConvertRow(row, moneyDecimals);
        const device::ReceiptLineRequest& line = converted.line;
        for (const std::int64_t value :
             {std::int64_t{row.isReturn}, std::int64_t{line.quantity}, std::int64_t{line.price},
              std::int64_t{line.divisible}, std::int64_t{line.taxSlot1},
              std::int64_t{line.taxSlot2}, std::int64_t{line.article},
              std::int64_t{line.discountKind}, std::int64_t{line.discountAmount},
              std::int64_t{converted.compoundTax}}) {
            Add(text, value);
        }
        Add(text, line.name);
        Add(text, line.discountName);
        text += '\x1e';
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(text.data(), text.size(), digest, &length, EVP_sha256(), nullptr);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0F];
    }
    return hex;
}

}  // namespace orvik::console
