#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// The outcome of a receipt's close. A close may be answered, refused, or go unanswered (cable
// pulled, adapter reset, power cut), and its answer may be READY alone; only the register's own
// receipt counter, read before the close and again afterwards, tells what it did. Printing the
// receipt again while that is unknown could put a second fiscal receipt on the tape.
namespace orvik::device {

enum class ReceiptOutcome {
    None,           // no close has been sent
    Registered,     // the register registered the receipt
    NotRegistered,  // the register refused the close, never carried it out, or it was not sent
    Unknown,        // the register has not told (or cannot tell) what it did
};

struct CloseOutcome {
    ReceiptOutcome outcome = ReceiptOutcome::None;
    // Registered: the register's number for the receipt (0 when it did not say).
    std::int32_t receiptNumber = 0;
    // Unknown: the register reports its receipt counter, so the next chance settles it; false
    // on registers without that report, and when the counter moved by more than this receipt,
    // whose tape must be checked by hand.
    bool settleable = false;
    // The close was sent to the register.
    bool sent = false;
    // The close got the register's own answer (its result, a refusal, or READY).
    bool answered = false;
    // Settled by the register's counter rather than by the close's answer.
    bool byCounter = false;
};

// Where closes whose outcome is still to be settled are kept between runs of the program, by
// the serial number of their register, with the register's last receipt number from before
// each close. The next connect to the same register, from any program, settles them.
class CloseJournal {
  public:
    virtual ~CloseJournal() = default;

    // The last receipt numbers from before the register's closes still unsettled, oldest first.
    virtual std::vector<std::int32_t> Unsettled(std::u16string_view serialNumber) = 0;
    // The close made after numberBefore has settled as outcome.
    virtual void Settle(std::u16string_view serialNumber, std::int32_t numberBefore,
                        const CloseOutcome& outcome) = 0;
};

// Called once the register's last receipt number before a close is known (nothing on registers
// without the counter), just before the close is sent; false keeps the close unsent and
// cancels the receipt. The caller records the close here, so that a program killed while the
// close is under way leaves it to be settled.
using BeforeCloseSent = std::function<bool(std::optional<std::int32_t> numberBefore)>;

// How a close settles once the register reports its last receipt number again: one on from
// the number before the close means registered as that number; unchanged means not
// registered. A counter that moved by more, or back, cannot say which receipt was this one.
CloseOutcome SettleFromCounters(std::int32_t numberBefore, std::int32_t numberNow);

}  // namespace orvik::device
