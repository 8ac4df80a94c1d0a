#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/receipt_outcome.h"

struct sqlite3;

// The receipt journal: one row for every receipt copy whose close was sent, written and
// committed before the close goes to the register and brought up to date once its outcome is
// known. It is how a close whose answer never came is settled at the next connect (from the
// window or any run of orvik-cli), how printing the same receipt again after an unknown outcome
// is caught, and what the operator reads back. An SQLite file in the user's state folder,
// shared safely by any number of programs at once.
namespace orvik::console {

enum class JournalOutcome { Registered, NotRegistered, Unknown, Cancelled };

// How the outcome came to be known.
enum class Settlement {
    Pending,   // not yet: the register's counter will tell at the next chance
    Answer,    // the close's own answer
    Counter,   // the register's receipt counter, read right after the close
    Later,     // the counter, read at a later chance (the same link, or the next connect)
    Tape,      // nobody can tell but the register's tape
    NotSent,   // the close was never sent
    Imported,  // an unsettled close taken over from the older state file
};

struct JournalCopy {
    std::int64_t id = 0;
    std::int64_t time = 0;  // seconds since the epoch
    std::u16string serialNumber;
    std::u16string operatorName;
    std::string digest;  // SHA-256 of the receipt in hexadecimal; empty for an imported close
    int copy = 1;        // copy K of N
    int copies = 1;
    std::optional<std::int32_t> numberBefore;  // the register's last receipt number before
    std::optional<std::int64_t> total;         // the amount due, minor units
    std::optional<std::int64_t> cash;          // the cash the register was told
    int moneyDecimals = 2;
    JournalOutcome outcome = JournalOutcome::Unknown;
    std::optional<std::int32_t> number;  // the register's number for a registered receipt
    bool answered = false;               // the close got the register's own answer
    Settlement settled = Settlement::Pending;
};

// What the journal finds when asked for rows; rows whose values the schema would not allow
// (a file changed by hand) are left out and counted.
struct JournalRows {
    std::vector<JournalCopy> copies;
    std::size_t refused = 0;
    std::string error = {};  // the journal could not be read (whole): the reason
};

class ReceiptJournal final : public device::CloseJournal {
  public:
    // Opens the journal at path, creating it and its folder (0700, the file 0600) when
    // missing, checks its integrity and schema, and the first time takes over the closes the
    // older state file "unsettled-receipts" in the same folder holds. ":memory:" keeps it in
    // memory. Nothing, with the reason in *error, when it cannot be used.
    static std::unique_ptr<ReceiptJournal> Open(const std::string& path, std::string* error);
    ~ReceiptJournal() override;
    ReceiptJournal(const ReceiptJournal&) = delete;
    ReceiptJournal& operator=(const ReceiptJournal&) = delete;

    const std::string& Path() const { return m_path; }
    // The reason the last write failed.
    const std::string& LastError() const { return m_error; }

    // Writes a copy and commits it; its id, or 0 when it could not be written.
    std::int64_t Add(const JournalCopy& copy);
    // The outcome of the copy as its close left it; false when it could not be written.
    bool Finish(std::int64_t id, const device::CloseOutcome& outcome);

    // The newest copy of this register with this digest, sent at or after `since`, whose
    // outcome is unknown or was registered although its close went unanswered: printing that
    // receipt again may put a second one on the tape.
    std::optional<JournalCopy> FindHeld(std::u16string_view serialNumber, std::string_view digest,
                                        std::int64_t since);
    // Every copy sent at or after `since` (of one register when serialNumber is not empty):
    // unknown outcomes first, then the newest first.
    JournalRows List(std::optional<std::int64_t> since, std::u16string_view serialNumber = {});

    // device::CloseJournal
    std::vector<std::int32_t> Unsettled(std::u16string_view serialNumber) override;
    void Settle(std::u16string_view serialNumber, std::int32_t numberBefore,
                const device::CloseOutcome& outcome) override;

  private:
    ReceiptJournal(sqlite3* db, std::string path);
    bool Execute(const char* sql);
    bool Prepare();
    bool ImportUnsettledFile(const std::string& folder);

    sqlite3* m_db = nullptr;
    std::string m_path;
    std::string m_error;
};

// $ORVIK_STATE_DIR, else $XDG_STATE_HOME/orvik, else ~/.local/state/orvik; then
// "/journal.sqlite3". Empty when no home can be found.
std::string DefaultJournalPath();

// The copy's outcome from the close as it stands.
JournalOutcome OutcomeOf(const device::CloseOutcome& outcome);
Settlement SettlementOf(const device::CloseOutcome& outcome);

}  // namespace orvik::console
