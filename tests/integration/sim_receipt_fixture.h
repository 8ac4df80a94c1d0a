#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "console/receipt_numbers.h"
#include "console/receipt_printing.h"
#include "console/receipt_register.h"
#include "console/receipt_row.h"
#include "console/receipt_total.h"
#include "tests/integration/sim_register_fixture.h"
#include "tests/support/core_timings.h"

// Whole receipts printed by the console's printing sequence on the real device core, against
// the simulated register's own receipt commands: what the register registered, computed,
// answered and printed, beside what the console computed.
namespace sim_test {

namespace receipt = orvik::console;
using orvik::sim::ClosedReceipt;
using receipt::ReceiptRow;

// A row of the receipt page as the form makes it: the quantity and prices as typed.
class RowBuilder {
  public:
    RowBuilder(std::u16string name, std::u16string quantity, std::u16string price) {
        m_row.name = std::move(name);
        m_row.quantity = receipt::EnteredNumber::FromText(std::move(quantity));
        m_row.price = receipt::EnteredNumber::FromText(std::move(price));
    }
    RowBuilder& Article(int article) {
        m_row.article = article;
        return *this;
    }
    RowBuilder& Weighed() {
        m_row.divisible = true;
        return *this;
    }
    RowBuilder& Taxes(int first, int second = 0) {
        m_row.taxSlot1 = first;
        m_row.taxSlot2 = second;
        return *this;
    }
    RowBuilder& Discount(std::u16string name, std::u16string amount) {
        return Adjustment(1, std::move(name), std::move(amount));
    }
    RowBuilder& Surcharge(std::u16string name, std::u16string amount) {
        return Adjustment(2, std::move(name), std::move(amount));
    }
    RowBuilder& Compound() {
        m_row.compoundTax = true;
        return *this;
    }
    RowBuilder& Return() {
        m_row.isReturn = true;
        return *this;
    }
    operator orvik::console::ReceiptRow() const { return m_row; }

  private:
    RowBuilder& Adjustment(int kind, std::u16string name, std::u16string amount) {
        m_row.discountKind = kind;
        m_row.discountName = std::move(name);
        m_row.discountAmount = receipt::EnteredNumber::FromText(std::move(amount));
        return *this;
    }

    orvik::console::ReceiptRow m_row;
};

inline RowBuilder Goods(std::u16string name, std::u16string quantity, std::u16string price) {
    return RowBuilder(std::move(name), std::move(quantity), std::move(price));
}

class SimReceiptTest : public SimRegisterTest {
  protected:
    void SetUp() override {
        SimRegisterTest::SetUp();
        // Nothing arrives unasked from the simulated register; the pauses family 0 needs are
        // not needed by it either.
        ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
            t.pendingStatusTimeout = 5;
            t.openReceiptPause = 0;
            t.cancelPause = 0;
        });
    }

    // Becomes the register of the profile, in the given article mode when one is given, and
    // connects to it.
    void ConnectTo(std::string_view profile, std::optional<int> articleMode = std::nullopt) {
        UseProfile(profile);
        if (articleMode) {
            State([&](RegisterState& s) { s.counters.articleMode = *articleMode; });
        }
        Connect();
    }

    int Decimals() const { return core.printerInfo.decimalPointPosition; }

    // The page's total of the rows, in minor units.
    std::int64_t PageTotal(const std::vector<orvik::console::ReceiptRow>& rows) {
        return receipt::ComputeReceiptTotal(rows, Decimals(), &reg);
    }

    // The fields of "&Печатать чек" as the page has them after RecalculateCash.
    receipt::PrintRequest PageRequest(const std::vector<orvik::console::ReceiptRow>& rows,
                                      std::array<std::u16string, 3> payments = {}) {
        const receipt::CashFields fields =
            receipt::RecalculateCash(PageTotal(rows), payments, Decimals());
        receipt::PrintRequest request;
        request.cash = fields.cash;
        request.payment1 = fields.payments[0];
        request.payment2 = fields.payments[1];
        request.payment3 = fields.payments[2];
        request.moneyDecimals = Decimals();
        return request;
    }

    receipt::PrintOutcome Print(const std::vector<orvik::console::ReceiptRow>& rows,
                                std::optional<receipt::PrintRequest> request = std::nullopt) {
        return receipt::PrintReceipt(reg, rows, request ? *request : PageRequest(rows));
    }

    std::optional<ClosedReceipt> LastClosed() {
        return State([](RegisterState& s) { return s.receipt.lastClosed; });
    }
    bool RegisterHasOpenReceipt() {
        return State([](RegisterState& s) { return s.receipt.open.has_value(); });
    }
    std::int64_t Drawer() {
        return State([](RegisterState& s) { return s.cash; });
    }
    std::int64_t LastReceiptNumber() {
        return State([](RegisterState& s) { return s.counters.lastReceiptNumber; });
    }

    // The register's close figures against the console's sums after its close.
    void ExpectCloseAgreesWithConsole(const ClosedReceipt& closed) {
        const orvik::device::ReceiptTotals& totals = core.receiptTotals;
        EXPECT_EQ(closed.salesSum, totals.salesSum);
        EXPECT_EQ(closed.returnsSum, totals.returnsSum);
        EXPECT_EQ(closed.salesAddedTax, totals.salesAddedTax);
        EXPECT_EQ(closed.returnsAddedTax, totals.returnsAddedTax);
        EXPECT_EQ(closed.salesWinningsTax, totals.salesWinningsTax);
        EXPECT_EQ(closed.returnsWinningsTax, totals.returnsWinningsTax);
        EXPECT_EQ(closed.due, orvik::device::AmountDue(totals));
    }

    // The lines the register printed: every tape line that is not one of the simulator's
    // timestamped records.
    std::vector<std::string> PrintedLines() const {
        std::vector<std::string> printed;
        for (const std::string& line : TapeLines()) {
            const bool record = line.size() > 25 && line[4] == '-' && line[7] == '-' &&
                                line[10] == ' ' && line[13] == ':' && line.substr(23, 2) == "  ";
            if (!record) {
                printed.push_back(line);
            }
        }
        return printed;
    }

    // Whether a printed line holds every part, in this order.
    bool PrintedLineWith(const std::vector<std::string>& parts) const {
        for (const std::string& line : PrintedLines()) {
            std::size_t at = 0;
            bool all = true;
            for (const std::string& part : parts) {
                at = line.find(part, at);
                if (at == std::string::npos) {
                    all = false;
                    break;
                }
                at += part.size();
            }
            if (all) {
                return true;
            }
        }
        return false;
    }

    std::size_t PrintedCount(std::string_view text) const {
        std::size_t count = 0;
        for (const std::string& line : PrintedLines()) {
            count += line.find(text) != std::string::npos ? 1 : 0;
        }
        return count;
    }

    // The tape's records of the register's answers ("-- " records and ">> " answers), from
    // the simulator's own notes.
    std::vector<std::string> Answers(std::string_view prefix) const {
        std::vector<std::string> found;
        const std::string marker = ">> " + std::string(prefix);
        for (const std::string& line : TapeLines()) {
            const auto at = line.find(marker);
            if (at != std::string::npos && at == 25) {
                found.push_back(line.substr(at + 3));
            }
        }
        return found;
    }

    receipt::CoreReceiptRegister reg{core};
};

}  // namespace sim_test
