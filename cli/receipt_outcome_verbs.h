#pragma once

#include <string>

#include "cli/core_verb.h"
#include "console/receipt_printing.h"

// What print-receipt says at its end about the register's receipts, and the verb that cancels
// a receipt left open on the register by hand.
namespace orvik::cli {

// Exit status of print-receipt when the register has not told whether it registered the
// receipt whose close got no answer.
inline constexpr int kExitOutcomeUnknown = 3;
// Exit status of print-receipt when the journal holds the same receipt from a close whose
// answer never came (its outcome unknown, or registered all the same): nothing was printed.
inline constexpr int kExitHeld = 4;

// "outcome: registered N", "outcome: registered" (without a number), "outcome: not
// registered" or "outcome: unknown", for the last copy started.
std::string OutcomeLine(const console::PrintOutcome& outcome);

// 0 when every copy was registered, 3 when the last one's outcome is unknown, 1 otherwise.
int PrintExitStatus(const console::PrintOutcome& outcome, int copies);

// cancel-receipt: cancels the receipt open on the register, if any.
void AddReceiptOutcomeVerbs(CoreVerbTable& table);

}  // namespace orvik::cli
