#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The outcome of a receipt's close. A close the register answered is registered or refused; a
// close whose answer never came (cable pulled, adapter reset, power cut) may or may not have
// been registered, and printing the receipt again could put a second fiscal receipt on the
// tape. The register's last receipt number, read before the close and again afterwards, tells
// which it was.
namespace orvik::device {

enum class ReceiptOutcome {
    None,           // no close has been sent
    Registered,     // the register registered the receipt
    NotRegistered,  // the register refused the close, or never carried it out
    Unknown,        // the close got no answer and the register has not yet told what it did
};

struct CloseOutcome {
    ReceiptOutcome outcome = ReceiptOutcome::None;
    // Registered: the register's number for the receipt (0 when it did not say).
    std::int32_t receiptNumber = 0;
    // Unknown: the register reports its receipt counter, so the next chance settles it; false
    // on registers without that report, whose tape must be checked by hand.
    bool settleable = false;
};

// Closes still unsettled, by the serial number of their register, with the register's last
// receipt number from before the close. Kept in a small file, so that the next connect to the
// same register settles the outcome even from another run of the program.
class UnsettledCloses {
  public:
    // An empty path keeps them in memory only.
    explicit UnsettledCloses(std::string path = {});

    std::optional<std::int32_t> Find(std::u16string_view serialNumber);
    void Remember(std::u16string_view serialNumber, std::int32_t lastReceiptNumber);
    void Forget(std::u16string_view serialNumber);

    const std::string& Path() const { return m_path; }

  private:
    void Load();
    void Save() const;

    std::string m_path;
    std::map<std::u16string, std::int32_t> m_closes;
};

// $ORVIK_STATE_DIR, else $XDG_STATE_HOME/orvik, else ~/.local/state/orvik; then
// "/unsettled-receipts".
std::string DefaultUnsettledClosesPath();

// How a close settles once the register reports its last receipt number again: moved on from
// the number before the close means registered, with the next number as the receipt's.
CloseOutcome SettleFromCounters(std::int32_t numberBefore, std::int32_t numberNow);

}  // namespace orvik::device
