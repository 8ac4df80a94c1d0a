#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "local_time.h"
#include "message_container.h"
#include "printer_info.h"
#include "prompt.h"
#include "receiver_thread.h"
#include "result_codes.h"
#include "serial_port.h"

// The device core: one object per connection. It owns the serial port, the receiver thread and
// the reply queue, runs every command transaction on the caller's (user-interface) thread and
// shows the register's messages through the prompt it is given. Links no user-interface
// toolkit.
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

    // --- Port and receiver -----------------------------------------------------------------
    // Opens and configures the port: 1 on success, 0 when it cannot be opened (the system's
    // reason is then in OpenFailureReason()).
    int OpenPort(const std::string& portName);
    bool IsPortOpen() const { return m_port.IsOpen(); }
    const std::string& OpenFailureReason() const { return m_openFailureReason; }
    // Starts the receiver and waits up to replyTimeout for it to run.
    bool StartReceiver();
    // Opens the port and starts the receiver. A port that cannot be opened is reported as
    // message 3012 followed by the port name and, on a line of its own, the system's reason.
    HRESULT OpenLink(const std::string& portName);
    // Stops the receiver (wakes and joins it), drops DTR, purges and closes the port.
    // 0, or -1 when the port was not open.
    int StopReceiverAndClosePort();

    // --- The command transaction -----------------------------------------------------------
    // Frames the text (CP866) and writes it in one piece. Always 1: a lost write shows as a
    // missing reply.
    int SendCommand(std::u16string_view text);
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
    // Looks at replies queued now or arriving within 100 ms of each other: 0 as soon as one
    // carries a fatal status (the queue is then drained), 1 after 100 ms of silence.
    int CheckPendingStatus();
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
    // Cancels an open receipt, stops the receiver and closes the port. 0, or -1 when the port
    // was not open.
    int Disconnect();
    // Steps of Connect. Login sets abort when the operator cancels a Retry/Cancel question.
    HRESULT Login(std::u16string_view operatorName, std::u16string_view password, bool& abort);
    HRESULT ReadConfiguration();
    // Family 1 model 7 only ("SVSL"); S_OK without sending on every other register.
    HRESULT SetAccessLevel(int level);
    // "TABL", then READY.
    HRESULT SendTableCommand();
    // "CANC"; clears receiptOpen once the register has cancelled.
    HRESULT CancelReceipt();

    // --- Device information --------------------------------------------------------------------
    // Sends command and returns the data (from index 4) of the first reply containing key;
    // empty on a status token (nothing shown) or when no reply comes (message 1003).
    std::u16string QueryValue(std::u16string_view command, std::u16string_view key);
    // The option digits: asked of family 1 model 8, "1000" for every other register.
    void QueryDeviceOptions();
    // "GLCN": fills counters and refreshes articleMode, zReportMade and lastZReportNumber, then
    // the article limit. Returns the answer; an empty answer gives counters of 0 and leaves
    // what the core knew.
    std::u16string QueryDocumentCounters(DocumentCounters& counters);
    // deviceFamily and deviceModel from the serial number and software in printerInfo.
    void DeriveFamilyAndModel();
    // printerInfo.maxArticleNumber for the register's family, model and articleMode.
    void ApplyModelLimits();

    // --- Session state -------------------------------------------------------------------------
    std::int32_t loginReplyTimeout = 1000;  // ms, each wait for the answer to the log-in
    std::int32_t wakePause = 2000;          // ms with DTR off after a wake-up cycle went unheard
    std::int32_t cancelPause = 1000;        // ms family 0 needs before it takes "CANC"
    // Log-ins that a fatal status may end in a row before Connect gives up.
    int loginStatusAttempts = 3;
    // The access codes of levels 1, 2 and 3; fixed.
    const std::array<std::u16string_view, 3> accessCodes{u"7260", u"8391", u"5836"};
    bool serviceSession = false;  // the session was opened with the service log-in
    std::int32_t deviceFamily = -1;  // 0 or 1; -1 until a configuration has been read
    std::int32_t deviceModel = -1;   // 0 to 8; -1 until a configuration has been read
    std::int32_t articleMode = 0;    // 0 to 2, as the register reports it
    CPrinterInfo printerInfo;
    bool receiptOpen = false;  // a fiscal receipt is open on the register
    // Today's date and the present time, for dates and times the register reports wrongly.
    std::function<orvik::LocalDateTime()> localClock = orvik::CurrentLocalDateTime;

    // --- Fields ------------------------------------------------------------------------------
    std::int32_t replyTimeout = 3000;         // ms, commands and the receiver's start
    std::int32_t configReplyTimeout = 5000;   // ms, each reply of the configuration reading
    std::int32_t wakeReplyTimeout = 200;      // ms, each answer to the wake-up byte
    std::int32_t pendingStatusTimeout = 100;  // ms of silence that end CheckPendingStatus
    std::u16string lastMessage;
    int showMessages = 1;

    CMessageContainer& Queue() { return *m_queue; }
    orvik::CSerialPort& Port() { return m_port; }
    bool ReceiverHungUp() const { return m_receiver.HungUp(); }

  protected:
    void ShowError(const std::u16string& text);
    void ShowWarning(const std::u16string& text);
    bool AskRetry(const std::u16string& text);
    bool WaitForReply(int timeoutMs);
    const std::function<void()>* IdleHook() const { return m_idle ? &m_idle : nullptr; }
    // Waits ms with the idle hook running, as the session's pauses do.
    void Pause(int ms);

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

    orvik::CSerialPort m_port;
    orvik::CReceiverThread m_receiver;
    std::unique_ptr<CMessageContainer> m_queue;
    IPrompt* m_prompt = nullptr;
    std::function<void()> m_idle;
    std::string m_openFailureReason;
};
