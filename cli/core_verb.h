#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "device/protocol/register_capabilities.h"
#include "device/result_codes.h"

namespace orvik::device {
class COrvikCore;
}
namespace orvik::console {
class ReceiptJournal;
}

namespace orvik::cli {

// The verbs that talk to the register. Each reads its arguments first and returns either a
// usage error or the action to run; only then does the command line connect, run the action on
// the connected core and disconnect. So a mistyped argument sends nothing.

// Runs on a connected core; returns the exit status. The core's own messages (a refusal of
// the register, no answer) reach standard error through its prompt.
using CoreAction = std::function<int(device::COrvikCore&)>;

// What a verb that prints fiscal documents gets besides the core: the receipt journal, opened
// before connecting (the verb is not run when it cannot be), and who prints.
struct JournalSession {
    console::ReceiptJournal& journal;
    std::u16string operatorName;
};
using JournalAction = std::function<int(device::COrvikCore&, const JournalSession&)>;

struct VerbPlan {
    CoreAction action = nullptr;  // set when the arguments are right
    std::string usageError = {};  // otherwise what is wrong with them
    // Set instead of action by a verb that needs the receipt journal.
    JournalAction journalAction = nullptr;
    // Set instead of action when, with these arguments, the verb needs no register at all
    // (apply-profile --dry-run).
    std::function<int()> alone = nullptr;
    // The session is opened with the service log-in whoever the operator is: what the verb
    // sends needs it (a profile's footer lines).
    bool serviceLogin = false;
};

using CoreVerb = std::function<VerbPlan(const std::vector<std::string>& arguments)>;
using CoreVerbTable = std::map<std::string, CoreVerb>;

inline VerbPlan Refuse(std::string message) {
    return {nullptr, std::move(message)};
}

// report_verbs.cpp: x-report, z-report, zero-z-report, article-report, discount-report,
// zero-receipt, hardware-state, periodic-report.
void AddReportVerbs(CoreVerbTable& table);
// settings_verbs.cpp: get-clock, set-clock, set-cutter, set-header, set-footer,
// set-article-mode, set-tax-calculation, set-tax-print, set-message-set, set-department,
// set-discount-print, set-line-spacing.
void AddSettingsVerbs(CoreVerbTable& table);
// receipt_verbs.cpp: print-receipt, cash, cash-in, cash-out.
void AddReceiptVerbs(CoreVerbTable& table);
// print_receipt_verb.cpp: print-receipt (added by AddReceiptVerbs).
void AddPrintReceiptVerb(CoreVerbTable& table);
// logo_footer_verbs.cpp: set-logo, set-footer-lines, get-line-spacing, get-discount-print.
void AddLogoFooterVerbs(CoreVerbTable& table);
// profile_verbs.cpp: apply-profile, read-profile.
void AddProfileVerbs(CoreVerbTable& table);
// The verbs that need a session opened with the service log-in; checked before connecting.
bool NeedsServiceLogin(const std::string& verb);

// 0 for a result of 0 or above, 1 otherwise.
int ExitStatusFor(device::HRESULT result);

// "orvik-cli: " and the text on standard error.
void PrintProblem(const std::string& text);

// A verb that needs one of the commands only family 1 model 8 knows (capability: that command
// in the register's capabilities): true when the core's register has it, otherwise says so on
// standard error.
bool RequireCapability(const device::COrvikCore& core,
                       bool device::RegisterCapabilities::*capability, const std::string& verb);

}  // namespace orvik::cli
