#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the simulated register keeps about receipts: the receipt in progress with its lines
// and sums, the receipt number asked for the next one, the articles it has come to know, the
// day's cash movements for its cash report, and the state of its paper roll. A member of
// RegisterState (register_state.h); the receipt commands (receipt_commands.cpp) change it.
// Money is in minor units of the register's currency.
namespace orvik::sim {

inline constexpr std::size_t kTaxSlotCount = 8;
using SlotAmounts = std::array<std::int64_t, kTaxSlotCount>;

enum class LineDiscountKind { None, Discount, Surcharge };

// The tax figures of one line or of a whole receipt side (sales or returns).
struct TaxFigures {
    std::int64_t included = 0;  // kind '0', part of the price
    std::int64_t added = 0;     // kind '1', added on top
    std::int64_t winnings = 0;  // kind '2', tax on winnings, taken off
};

// One line registered in the open receipt, as the register read and computed it.
struct RegisteredLine {
    bool isReturn = false;
    std::u16string name;        // the whole name, its continuation included
    std::int64_t quantity = 0;  // pieces, or thousandths of a divisible good, as sent
    bool divisible = false;
    std::int64_t price = 0;
    std::int64_t lineSum = 0;  // price times quantity, before the discount
    LineDiscountKind discountKind = LineDiscountKind::None;
    std::u16string discountName;
    std::int64_t discountAmount = 0;
    std::int64_t sum = 0;           // after the discount or surcharge
    std::array<int, 2> taxSlots{};  // 1 to 8 in the order of the command, 0 for none
    bool compound = false;          // the second slot taxed the first slot's tax as well
    std::int64_t article = 0;       // 0: none
    TaxFigures taxes;
};

// The receipt between "PREP" and its close or cancellation.
struct ReceiptInProgress {
    std::u16string department;
    std::int64_t shopNumber = 0;  // the number "BCHN" gave for this receipt; 0 none
    std::vector<RegisteredLine> lines;
    std::int64_t salesSum = 0;  // the line sums after their discounts
    std::int64_t returnsSum = 0;
    // What each tax slot's tax is computed on at the close, index = slot - 1. A compound line
    // adds its first tax to the base of its second slot.
    SlotAmounts salesBySlot{};
    SlotAmounts returnsBySlot{};
    // "NLPR": the next line taxes its second slot on top of its first one.
    std::optional<std::array<int, 2>> compoundForNextLine;
};

// An article the register has come to know by its first use (article modes 0 and 1); a later
// line with the same article must describe the same goods.
struct KnownArticle {
    std::u16string name;
    std::array<int, 2> taxSlots{};
    bool divisible = false;
};

// The figures of a closed receipt; the register answers "COMP" with nine of them.
struct ClosedReceipt {
    std::int64_t number = 0;  // the register's receipt number
    std::int64_t salesSum = 0;
    std::int64_t returnsSum = 0;
    std::int64_t salesAddedTax = 0;
    std::int64_t returnsAddedTax = 0;
    std::int64_t salesWinningsTax = 0;
    std::int64_t returnsWinningsTax = 0;
    // Sales with their added tax less their tax on winnings, less the returns with the
    // opposite signs; below 0 when the register pays the customer back.
    std::int64_t due = 0;
    std::int64_t cash = 0;  // the four payments as the close gave them
    std::array<std::int64_t, 3> payments{};
    // Cash handed back to the customer: a sale's change, or the cash part of a refund.
    std::int64_t cashBack = 0;
    bool withoutPayments = false;  // closed with six zero fields: paid exactly, in cash
};

// The day's cash movements by receipts, reported by "CCAS" beside the drawer.
struct DayCash {
    std::int64_t takenBySales = 0;    // cash received, less the change given
    std::int64_t paidForReturns = 0;  // cash paid back on refunds
    std::int64_t otherPayments = 0;   // payments 1 to 3
};

struct ReceiptState {
    std::optional<ReceiptInProgress> open;
    // "BCHN": the number printed on the next receipt opened; 0 none.
    std::int64_t nextShopNumber = 0;
    std::map<std::int64_t, KnownArticle> articles;
    DayCash dayCash;
    // The Z report the articles and day figures above belong to; a Z report starts them anew.
    std::int64_t dayOfZReport = -1;
    std::optional<ClosedReceipt> lastClosed;

    // The paper roll. Low paper is warned of ("SOFTPAPER") on every printing command; the
    // paper can be made to run out at the n-th line command from now (1: the next one), after
    // which the register is out of paper until it is put back.
    bool paperLow = false;
    std::optional<int> paperRunsOutAtLine;
};

}  // namespace orvik::sim
