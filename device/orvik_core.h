#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "device/link/receiver_status.h"
#include "device/prompt.h"
#include "device/protocol/printer_info.h"
#include "device/protocol/receipt_commands.h"
#include "device/protocol/receipt_math.h"
#include "device/protocol/register_capabilities.h"
#include "device/receipt_outcome.h"
#include "device/reply_wait.h"
#include "device/result_codes.h"
#include "support/local_time.h"

namespace orvik::device {

// The link the core holds behind a pointer (device/link/serial_link.h) and what it is made of.
struct SerialLink;
class LinePort;
class CMessageContainer;
class ProtocolTrace;

// How long the core waits for the register and pauses for it, in ms.
struct CoreTimings {
    std::int32_t replyTimeout = 3000;         // commands and the receiver's start
    std::int32_t configReplyTimeout = 5000;   // each reply of the configuration reading
    std::int32_t wakeReplyTimeout = 200;      // each answer to the wake-up byte
    std::int32_t loginReplyTimeout = 1000;    // each wait for the answer to the log-in
    std::int32_t pendingStatusTimeout = 100;  // silence that ends CheckPendingStatus and the
                                              // rest of a query's answer
    std::int32_t wakePause = 2000;            // DTR off after a wake-up cycle went unheard
    std::int32_t cancelPause = 1000;          // family 0 needs before it takes "CANC"
    std::int32_t openReceiptPause = 1300;     // family 0 needs after "PREP"
    // Log-ins that a fatal status may end in a row before Connect gives up (a count).
    int loginStatusAttempts = 3;
};

// The device core: one object per connection. It owns the serial port, the receiver thread and
// the reply queue (its link, kept out of this header), runs every command transaction on the
// caller's (user-interface) thread and shows the register's messages through the prompt it is
// given. Links no user-interface toolkit.
class COrvikCore {
  public:
    COrvikCore();
    virtual ~COrvikCore();
    COrvikCore(const COrvikCore&) = delete;
    COrvikCore& operator=(const COrvikCore&) = delete;

    // --- Where messages go and what runs while the core waits -------------------------------
    // The prompt shows messages and asks questions; without one nothing is shown.
    void SetPrompt(IPrompt* prompt) { m_prompt = prompt; }
    // Called about every 20 ms while the core waits, so that a window can keep painting.
    void SetIdleHook(std::function<void()> idle) { m_idle = std::move(idle); }
    // Asked about every 100 ms while the core waits (a signal came, the operator gave up): once
    // it says yes, waits end quietly as if unanswered, pauses are cut short and the log-in gives
    // up. A receipt's close and a cancel still wait for their answers, so that the register is
    // left in order and the outcome is read.
    void SetStopRequest(std::function<bool()> stop) { m_stop = std::move(stop); }

    // --- Port and receiver -----------------------------------------------------------------
    // Opens and configures the port: S_OK; E_FAIL when it cannot be opened, with message 3012
    // (not shown here) and the system's error number where a system call refused, the system's
    // reason then in OpenFailureReason().
    CoreResult OpenPort(const std::string& portName);
    bool IsPortOpen() const;
    const std::string& OpenFailureReason() const { return m_openFailureReason; }
    // Starts the receiver and waits up to replyTimeout for it to run.
    bool StartReceiver();
    // Opens the port and starts the receiver. A port that cannot be opened is reported as
    // message 3012 followed by the port name and, on a line of its own, the system's reason.
    HRESULT OpenLink(const std::string& portName);
    // Stops the receiver (wakes and joins it), drops DTR, purges and closes the port.
    // S_OK, or S_FALSE when the port was not open.
    CoreResult StopReceiverAndClosePort();
    // How the receiver stands; once it has ended (the line hung up, a read failed) every wait
    // fails at once and the "no answer" message says how the line ended.
    ReceiverStatus LinkStatus() const;
    bool LinkEnded() const;
    // "Связь с ЭККР прервана: ..." once the receiver has ended; empty while it runs.
    std::u16string LinkEndReason() const;
    // Changes the line rate. False with the system's reason (or the setting the driver did not
    // take) in *reason.
    bool SetLineRate(int baud, std::string* reason);
    // Frames both ways, the wake-up byte, rate and DTR changes and the hang-up go to the trace
    // while it is open (nullptr: none). Set before Connect.
    void SetTrace(ProtocolTrace* trace);

    // --- The command transaction -----------------------------------------------------------
    // Frames the text (CP866) and writes it in one piece. S_OK once written; E_FAIL with the
    // system's error number when the write failed (nothing is shown: callers go on and the lost
    // write shows as a missing reply).
    CoreResult SendCommand(std::u16string_view text);
    // Writes the unframed wake-up byte.
    void SendWakeByte();
    // Consumes replies until "READY" (S_OK), a fatal status token (E_UNEXPECTED, message
    // shown), timeoutMs without a reply (E_ABORT, message 1003 shown) or a signalled but
    // empty queue (E_FAIL).
    HRESULT WaitForReady(int timeoutMs);
    // The oldest reply, popped; waits up to replyTimeout when none is queued; empty if none
    // comes. Nothing is interpreted.
    std::u16string ReadReply();
    // Pops every queued reply.
    void DrainReplies();
    // Empties the texts of the replies queued now (they are still taken one by one), so that
    // nothing left from before is taken for the answer to the next command.
    void BlankQueuedReplies();
    // Looks at replies queued now or arriving within 100 ms of each other: E_UNEXPECTED with
    // the status's message (shown) as soon as one carries a fatal status (the queue is then
    // drained), S_OK after 100 ms of silence.
    CoreResult CheckPendingStatus();
    // The answer to the wake-up byte: S_OK on "READY", E_UNEXPECTED on a fatal hardware
    // status, E_ABORT after 200 ms without a reply (nothing shown).
    HRESULT WaitForWakeReply();
    // The query pattern: waits (timeoutMs per reply) for a reply containing one of tags or
    // "READY". S_OK with the tagged reply in *reply (empty for "READY"); E_UNEXPECTED on a
    // fatal status (queue drained); E_ABORT on time-out, with message 1003 shown unless
    // silentTimeout. Every examined reply is popped.
    HRESULT WaitForTaggedReply(std::initializer_list<std::u16string_view> tags, int timeoutMs,
                               std::u16string* reply, bool silentTimeout = false);

    // --- Status tokens and messages --------------------------------------------------------
    // Judges a reply holding a status word: true when the command may go on, false when it
    // failed; sets lastMessage and shows it as the status table says.
    bool TranslateStatus(std::u16string_view reply);
    // Sets lastMessage to a string-table text and shows it in an error box.
    void ReportMessage(int stringId);
    // Sets lastMessage and shows it in an error box when showMessages is set.
    void ReportText(std::u16string text);

    // --- Connection session ------------------------------------------------------------------
    // Opens the port, wakes the register, logs the operator in, reads the configuration and
    // prepares the register. S_OK; E_INVALIDARG when the password was refused; E_FAIL for
    // every other failure, after which the port is closed again. Connecting while connected
    // disconnects first.
    HRESULT Connect(const std::string& portName, std::u16string_view operatorName,
                    std::u16string_view password);
    // Cancels an open receipt, stops the receiver and closes the port. S_OK, or S_FALSE when
    // the port was not open.
    CoreResult Disconnect();
    // Steps of Connect. Login sets abort when the operator cancels a Retry/Cancel question.
    HRESULT Login(std::u16string_view operatorName, std::u16string_view password, bool& abort);
    HRESULT ReadConfiguration();
    // On a register with access levels (family 1 model 7, "SVSL"); S_OK without sending on
    // every other register.
    HRESULT SetAccessLevel(int level);
    // "TABL", then READY.
    HRESULT SendTableCommand();
    // "CANC"; clears receiptOpen once the register has cancelled.
    HRESULT CancelReceipt();

    // --- Device information --------------------------------------------------------------------
    // Sends command and returns the data (from index 4) of the first reply containing key;
    // empty on a status token (nothing shown) or when no reply comes (message 1003).
    std::u16string QueryValue(std::u16string_view command, std::u16string_view key);
    // The option digits: asked of a register that tells them (family 1 model 8), "1000" for
    // every other register.
    void QueryDeviceOptions();
    // "GLCN": fills counters and refreshes articleMode, zReportMade and lastZReportNumber, then
    // the article limit. Returns the answer; an empty answer gives counters of 0 and leaves
    // what the core knew.
    std::u16string QueryDocumentCounters(DocumentCounters& counters);
    // deviceFamily and deviceModel from the serial number and software in printerInfo, and the
    // register's capabilities from them.
    void DeriveFamilyAndModel();
    // printerInfo.maxArticleNumber for the register's family, model and articleMode.
    void ApplyModelLimits();
    // What the register prints and takes (device/protocol/register_capabilities.h): derived
    // when the configuration is read, and again whenever deviceFamily, deviceModel or
    // articleMode have changed since. Before a configuration has been read it is the register
    // not known yet. Every difference between registers is asked of it.
    const RegisterCapabilities& Capabilities() const;

    // --- Reports and settings ------------------------------------------------------------------
    // Each sends one command and returns the result of its WaitForReady with replyTimeout.
    // A register with access levels (family 1 model 7) is switched to level 2 before the X, Z,
    // article and discount reports and back to level 1 after them, whatever the report's
    // result; the result is the report's. The Z, article and discount reports cancel an open
    // receipt first.
    HRESULT PrintXReport();
    HRESULT PrintZReport();
    // Capabilities().zeroZReport (family 1 model 8) only; E_FAIL without sending on every
    // other register.
    HRESULT PrintZeroZReport();
    HRESULT PrintArticleReport();
    HRESULT PrintDiscountReport();
    HRESULT PrintZeroReceipt();
    HRESULT PrintHardwareState();
    // The fiscal report for a range of days (date parts only) or of Z-report numbers, short or
    // full; a reversed range is put in order. A date the calendar does not have is refused with
    // E_INVALIDARG, nothing sent.
    HRESULT PrintPeriodicReportByDates(const orvik::support::LocalDateTime& from,
                                       const orvik::support::LocalDateTime& to, bool full);
    HRESULT PrintPeriodicReportByNumbers(std::int32_t from, std::int32_t to, bool full);

    // Sets the register's time of day; the date is not sent. A time the clock does not have is
    // refused with E_INVALIDARG, nothing sent.
    HRESULT SetClock(const orvik::support::LocalDateTime& time);
    // The register's date and time as fourteen digits YYYYMMDDhhmmss; empty without an answer.
    std::u16string QueryDateTime();
    // Cutter, beeper and partial-cut digits; Capabilities().cutterQuery (family 1 model 8)
    // only, empty without sending on every other register (where "CUTR" alone is a setting,
    // not a question).
    std::u16string QueryCutterOptions();
    // Capabilities().cutter (family 1) only, E_FAIL without sending otherwise; the partial cut
    // is sent where Capabilities().partialCut (model 8) only.
    HRESULT SetCutterAndBeeper(std::int32_t cutter, std::int32_t beeper, std::int32_t partialCut);
    // On success reads the document counters, which refresh articleMode.
    HRESULT SetArticleMode(std::int32_t mode);
    // The line cut to what the register prints (Capabilities().headerTextWidth); E_FAIL without
    // sending while the register's family is not known. Once the register has taken it,
    // PrinterInfo().ownerLine3 holds the line sent.
    HRESULT SetHeaderText(std::u16string_view text);
    HRESULT SetFooterText(std::u16string_view text);
    // perItem non-zero: added taxes on each item; 0: on the receipt total.
    HRESULT SetTaxCalculationMode(std::int32_t perItem);
    // onTotal non-zero: added taxes printed on the total turnover; 0: after each line.
    HRESULT SetTaxPrintMode(std::int32_t onTotal);
    HRESULT SetMessageSet(std::int32_t set);
    // The mnemonic goes out as given; one too long for a command is refused with E_INVALIDARG.
    HRESULT SetDepartmentMnemonic(std::u16string_view text);
    // Discount printing, logo and line spacing: on a register with the capability
    // (discountPrintMode, logo, lineSpacing: family 1 model 8) only, E_FAIL without sending on
    // every other register. Logo lines are numbered from 1 and capped at 192, as is the height;
    // a logo line keeps its first 108 hexadecimal characters.
    HRESULT SetDiscountPrintMode(std::int32_t mode);
    HRESULT LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText);
    HRESULT SetLogoHeight(std::int32_t lines);
    HRESULT SetLineSpacing(std::int32_t value);
    // The register's answers to "NPDI" (where discounts are printed) and "BLFI" (the line
    // spacing), after their tags, as QueryValue returns them; empty without sending on a
    // register without the capability.
    std::u16string QueryDiscountPrintMode();
    std::u16string QueryLineSpacing();

    // --- Receipts (core_receipt_*.cpp) ---------------------------------------------------------
    // Money is in minor units of the register's currency; a quantity is in pieces, or in
    // thousandths of a divisible good; tax slots are 1 to 8, 0 for none.
    static std::u16string FormatNumber(std::int32_t value, int width);
    static std::u16string FormatArticleCode(std::int32_t value);
    // The letters that name the tax slots on the wire (string 1017); slot n is letter n - 1.
    static std::u16string TaxLetters();
    // "BCHN" and the number.
    HRESULT SetReceiptNumber(std::int32_t number);
    // Capabilities().tapeMode (family 1 model 8) only, E_FAIL without sending otherwise: 0
    // ordinary, 1 continuous tape.
    HRESULT SetTapeMode(std::int32_t mode);
    // The register's answer to "NCDC" (its tape mode) after the tag, as QueryValue returns it;
    // empty without sending on a register without tape modes.
    std::u16string QueryTapeMode();
    // Cancels a receipt left open, then "PREP". S_OK once open (the sums start at 0); E_ABORT
    // without an answer; E_UNEXPECTED on a fatal status, also one found pending before sending.
    HRESULT OpenReceipt();
    // Tax on tax for the next line: Capabilities().compoundTax (family 1 model 8), two
    // different slots from 1 to 6; otherwise E_FAIL without sending.
    HRESULT SetCompoundTax(int firstSlot, int secondSlot);
    // One sale line, or a return line while ReturnMode() is set. lineTotal receives the line
    // sum with the register's tax amount. A quantity above Capabilities().maxLineQuantity, or
    // amounts that do not fit the command, cancel the receipt with a message. A line the
    // register refuses leaves the receipt open.
    HRESULT AddReceiptLine(const ReceiptLineRequest& line, std::int32_t& lineTotal);
    // Capabilities().barcode (family 1 model 8) only, E_FAIL without sending otherwise: the
    // code-set letter and the code.
    HRESULT PrintBarcode(std::u16string_view text);
    // Closes the open receipt with four payments; total receives the amount due. Payments that
    // miss it by 1 unit are corrected in the cash; payments short of it fail with a warning and
    // leave the receipt open. S_OK with total 0, nothing sent, when no receipt is open. On a
    // register with a receipt counter the close is sent only once the counter has been read
    // (the receipt is cancelled otherwise), and what became of it is read from the counter
    // afterwards (LastCloseOutcome): S_OK registered, E_FAIL not registered, E_ABORT the
    // answer was lost (registered or not, the outcome tells) or the outcome is unknown.
    HRESULT CloseReceipt(std::int32_t cash, std::int32_t payment1, std::int32_t payment2,
                         std::int32_t payment3, std::int32_t& total,
                         const BeforeCloseSent& beforeSend = {});
    // "CAIO": cash put into the drawer or taken out of it.
    HRESULT MoveCash(bool cashIn, std::int32_t amount);
    // The register's cash report after its tag, or the empty text.
    std::u16string QueryCash();
    // The amounts of one line as AddReceiptLine would register them, without the register.
    // E_FAIL with the line's message shown for a quantity or amount AddReceiptLine refuses.
    // The line's name, article and discount name play no part.
    HRESULT PreviewLineAmounts(const ReceiptLineRequest& line, LineAmounts& amounts);
    // The amount due of the open receipt from its sums as they stand.
    std::int64_t CurrentAmountDue() const;

    // --- What the core knows of the session and the register ------------------------------
    // Lines sent now are returns; the caller sets it around a return receipt's lines.
    bool ReturnMode() const { return returnMode; }
    void SetReturnMode(bool on) { returnMode = on; }
    // The sums of the open receipt, cleared by OpenReceipt.
    const ReceiptTotals& OpenReceiptTotals() const { return receiptTotals; }
    // A fiscal receipt is open on the register.
    bool ReceiptOpen() const { return receiptOpen; }
    // The session was opened with the service log-in.
    bool ServiceSession() const { return serviceSession; }
    // The register's family (0 or 1) and model (0 to 8), -1 until a configuration has been
    // read, and its article mode (0 to 2, as it reports it). Shown to the user; what differs
    // from one register to another is asked of Capabilities().
    std::int32_t DeviceFamily() const { return deviceFamily; }
    std::int32_t DeviceModel() const { return deviceModel; }
    std::int32_t ArticleMode() const { return articleMode; }
    // What the register told of itself at connect (serial number, owner lines, taxes, ...),
    // kept up to date by the operations that change it.
    const CPrinterInfo& PrinterInfo() const { return printerInfo; }
    // The last message the core set (shown or not).
    const std::u16string& LastMessage() const { return lastMessage; }
    // Today's date and the present time, for dates and times the register reports wrongly.
    const std::function<orvik::support::LocalDateTime()>& LocalClock() const { return localClock; }
    void SetLocalClock(std::function<orvik::support::LocalDateTime()> clock) {
        localClock = std::move(clock);
    }
    // How long the core waits and pauses; tests shorten them.
    const CoreTimings& Timings() const { return m_timings; }
    void SetTimings(const CoreTimings& timings) { m_timings = timings; }

    bool ReceiverHungUp() const;

    // --- The outcome of a receipt's close (core_receipt_outcome.cpp) ---------------------------
    // Where closes whose outcome is still unknown wait for the next connect to the same
    // register (nullptr: only this core settles its own).
    void SetCloseJournal(CloseJournal* journal) { m_journal = journal; }
    // The last close sent, or settled since: registered with its number, refused, or unknown.
    CloseOutcome LastCloseOutcome() const { return m_lastClose; }
    // At the next chance after a close whose outcome is unknown (this core's own, or one the
    // journal holds for this register's serial number): reads the receipt counter again,
    // tells the operator in one box whether the receipt was registered and settles the close.
    // False when there was nothing to settle or the register did not answer.
    bool SettleUnsettledClose();

  protected:
    // --- The core's state: set by its operations; a test's derived core may stage it ---------
    bool returnMode = false;
    ReceiptTotals receiptTotals;
    bool receiptOpen = false;
    bool serviceSession = false;
    std::int32_t deviceFamily = -1;
    std::int32_t deviceModel = -1;
    std::int32_t articleMode = 0;
    CPrinterInfo printerInfo;
    std::u16string lastMessage;
    int showMessages = 1;  // 0 while the core reads something quietly
    std::function<orvik::support::LocalDateTime()> localClock =
        orvik::support::CurrentLocalDateTime;
    CoreTimings m_timings;
    // The access codes of levels 1, 2 and 3; fixed.
    static constexpr std::array<std::u16string_view, 3> accessCodes{u"7260", u"8391", u"5836"};

    // The link's parts, kept to the core and its operations (and a test's derived core).
    CMessageContainer& Queue();
    LinePort& Port();

    void ShowError(const std::u16string& text);
    void ShowWarning(const std::u16string& text);
    bool AskRetry(const std::u16string& text);
    bool WaitForReply(int timeoutMs);
    // waitFor(ms) waits up to ms for what the caller waits for (true once it came). With a stop
    // request it is asked in slices of 100 ms, and the wait ends early, false, on a stop, or
    // when nothingWillCome says so (the line has ended: each slice would return at once).
    bool WaitUnlessStopped(int timeoutMs, const std::function<bool(int)>& waitFor,
                           const std::function<bool()>& nothingWillCome = {});
    // The one reply loop: waits up to wait.timeoutMs for each reply, takes it from the queue
    // and does what wait.roleOf says of it. S_OK once an Answer or Ready reply ends the wait
    // (that reply in *ending); E_UNEXPECTED after a fatal status or a refusal (the refusal in
    // *ending); E_ABORT after timeoutMs without a reply, message 1003 shown when
    // wait.reportSilence; E_FAIL when woken with nothing queued.
    HRESULT AwaitReplies(const ReplyWait& wait, std::u16string* ending = nullptr);
    const std::function<void()>* IdleHook() const { return m_idle ? &m_idle : nullptr; }
    // Whether the stop request says stop and no close or cancel is under way.
    bool StopRequested() const { return m_stopHeld == 0 && m_stop && m_stop(); }
    // While one lives, waits run to their own deadlines whatever the stop request says.
    class StopHold {
      public:
        explicit StopHold(COrvikCore& core) : m_core(core) { ++m_core.m_stopHeld; }
        ~StopHold() { --m_core.m_stopHeld; }
        StopHold(const StopHold&) = delete;
        StopHold& operator=(const StopHold&) = delete;

      private:
        COrvikCore& m_core;
    };
    // Waits ms with the idle hook running, as the session's pauses do.
    void Pause(int ms);
    // The register's answer to a line command: S_OK on "READY" with the amount of its "FISC"
    // reply (0 when none came); E_FAIL on a fatal status or without an answer.
    HRESULT AwaitLineReply(std::int64_t& deviceAmount);

  private:
    // Session steps (core_session.cpp, core_info.cpp).
    bool WakeRegister();
    // The register's answer to the log-in command; nothing when the operator chose Retry and
    // the register is to be woken again.
    std::optional<HRESULT> AwaitLoginReply(int& waitCounter, bool& abort);
    void PrepareRegister();
    // A configuration reply carrying one of tags, read to the end of the register's answer.
    // With readyEnds a bare "READY" ends the wait with an empty reply.
    HRESULT ReadConfigReply(std::initializer_list<std::u16string_view> tags, bool readyEnds,
                            bool silentTimeout, std::u16string& reply);
    // After a data reply: consumes the rest of the register's answer up to its "READY".
    HRESULT FinishAnswer(bool judgeStatus);

    // Receipt outcome steps (core_receipt_outcome.cpp).
    // The register's last receipt number, asked quietly; nothing on registers without the
    // counter, on a dead link and without an answer.
    std::optional<std::int32_t> ReadLastReceiptNumber();
    // The same, asked a second time when the first question goes unanswered.
    std::optional<std::int32_t> ReadReceiptCounter();
    // The counter could not be read before the close: the close is not sent, the receipt is
    // cancelled and reported not registered.
    HRESULT CancelUncountedClose();
    // After a close on a register with the counter: the counter read again says what became
    // of it (see CloseReceipt for the result).
    HRESULT SettleCloseByCounter(std::int32_t numberBefore, bool answered, std::int64_t due,
                                 std::int32_t& total);
    // The close's outcome could not be read: on a register with the counter it is kept to be
    // settled at the next chance, otherwise the tape must tell; the operator is told in one box.
    void CloseUnanswered(std::optional<std::int32_t> numberBefore);
    void TellCloseOutcome(const CloseOutcome& outcome);
    void ShowInformation(const std::u16string& text);

    std::unique_ptr<SerialLink> m_link;
    IPrompt* m_prompt = nullptr;
    std::function<void()> m_idle;
    std::function<bool()> m_stop;
    int m_stopHeld = 0;
    std::string m_openFailureReason;
    ProtocolTrace* m_trace = nullptr;
    CloseJournal* m_journal = nullptr;
    CloseOutcome m_lastClose;
    // The receipt number before this core's own close that got no answer, until settled.
    std::optional<std::int32_t> m_unansweredCloseNumber;
    // Why the link failed during the log-in (a fall-back rate the port refused).
    std::string m_linkFailure;
    // Capabilities() as last derived; derived anew when the numbers it was derived from are no
    // longer the core's. Only the caller's thread uses it.
    mutable RegisterCapabilities m_capabilities;
};

}  // namespace orvik::device
