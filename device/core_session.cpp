// The connection session of the device core: opening the link, waking the register, the
// operator's log-in, preparing the register for work, and closing the link.
#include "device/link/manual_reset_event.h"
#include "device/link/serial_port.h"
#include "device/orvik_core.h"
#include "device/protocol/session_commands.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::device {

using orvik::device::Contains;

namespace {

// Each wake-up round writes the wake-up byte this many times.
constexpr int kWakeTriesPerRound = 4;
// The first round runs at the present rate, the second at the fall-back rate.
constexpr int kWakeRounds = 2;
constexpr int kFallbackBaud = 57600;
// Unheard wake-up cycles that pass without a question to the operator.
constexpr int kSilentWakeCycles = 3;
// Waits for the log-in answer after the operator chose Retry.
constexpr int kLoginWaitsAfterQuestion = 3;

}  // namespace

HRESULT COrvikCore::Connect(const std::string& portName, std::u16string_view operatorName,
                            std::u16string_view password) {
    if (IsPortOpen()) {
        Disconnect();
    }
    const orvik::device::Credentials credentials =
        orvik::device::TruncateCredentials(operatorName, password);
    if (!Succeeded(OpenLink(portName))) {
        return E_FAIL;
    }

    bool abort = false;
    HRESULT login = E_FAIL;
    // A fatal status during the log-in (its message already shown) starts the log-in again,
    // but a register that keeps reporting one does not hold the console forever.
    for (int attempt = 1;; ++attempt) {
        login = Login(credentials.operatorName, credentials.password, abort);
        if (Succeeded(login)) {
            break;
        }
        if (login == E_INVALIDARG) {
            Disconnect();
            return E_INVALIDARG;
        }
        if (abort || attempt >= m_timings.loginStatusAttempts) {
            Disconnect();
            return E_FAIL;
        }
    }

    if (StopRequested() || !Succeeded(ReadConfiguration()) || StopRequested()) {
        Disconnect();
        return E_FAIL;
    }
    PrepareRegister();
    receiptOpen = false;
    // A receipt of this register whose close got no answer, from this run or an earlier one,
    // is settled now.
    SettleUnsettledClose();
    return login;
}

CoreResult COrvikCore::Disconnect() {
    if (!IsPortOpen()) {
        return {.code = S_FALSE};
    }
    if (receiptOpen) {
        CancelReceipt();
    }
    return StopReceiverAndClosePort();
}

HRESULT COrvikCore::Login(std::u16string_view operatorName, std::u16string_view password,
                          bool& abort) {
    serviceSession = false;
    int waitCounter = 1;
    int silentCycles = kSilentWakeCycles;
    const orvik::device::LoginCommand command =
        orvik::device::BuildLoginCommand(operatorName, password);
    for (;;) {
        m_linkFailure.clear();
        while (!WakeRegister()) {
            if (StopRequested()) {
                abort = true;
                return E_FAIL;
            }
            if (!m_linkFailure.empty()) {
                ReportText(orvik::FormatMessage(orvik::kStrFallbackRateRefused,
                                                {orvik::support::FromUtf8(m_linkFailure)}));
                abort = true;
                return E_FAIL;
            }
            // Dropping DTR for the pause resets the line on the register's side.
            Port().SetDtr(false);
            if (silentCycles-- == 0) {
                lastMessage = orvik::LoadString(orvik::kStrNoAnswer);
                if (const std::u16string ended = LinkEndReason(); !ended.empty()) {
                    lastMessage += u"\n" + ended;
                }
                if (AskRetry(lastMessage)) {
                    silentCycles = kSilentWakeCycles;
                } else {
                    abort = true;
                }
            }
            Pause(m_timings.wakePause);
            Port().SetDtr(true);
            if (abort || StopRequested()) {
                abort = true;
                return E_FAIL;
            }
        }

        serviceSession = command.serviceSession;
        SendCommand(command.text);
        if (const std::optional<HRESULT> result = AwaitLoginReply(waitCounter, abort)) {
            return *result;
        }
    }
}

bool COrvikCore::WakeRegister() {
    // Whatever the line still holds from before is not the register's answer to this wake-up.
    Port().Purge();
    for (int round = 0; round < kWakeRounds; ++round) {
        for (int attempt = 0; attempt < kWakeTriesPerRound; ++attempt) {
            if (StopRequested()) {
                return false;
            }
            SendWakeByte();
            if (Succeeded(WaitForWakeReply())) {
                return true;
            }
        }
        // A register that did not hear the present rate may listen at the fall-back rate,
        // which then stays for the rest of the connection. A port that refuses it ends the
        // log-in with the system's reason rather than with time-outs at the wrong rate.
        if (round + 1 < kWakeRounds && !SetLineRate(kFallbackBaud, &m_linkFailure)) {
            return false;
        }
    }
    return false;
}

std::optional<HRESULT> COrvikCore::AwaitLoginReply(int& waitCounter, bool& abort) {
    for (;;) {
        bool refused = false;
        const HRESULT result =
            AwaitReplies({.timeoutMs = m_timings.loginReplyTimeout,
                          .reportSilence = false,
                          .roleOf = [&refused](std::u16string_view reply) {
                              if (Contains(reply, u"READY")) {
                                  return ReplyRole::Ready;
                              }
                              if (Contains(reply, u"SOFTUPAS")) {
                                  refused = true;
                                  return ReplyRole::Answer;
                              }
                              if (Contains(reply, u"SOFT")) {
                                  // A warning or refusal of the register's software: shown, and the
                                  // log-in waits on.
                                  return ReplyRole::Notice;
                              }
                              if (Contains(reply, u"HARD") || Contains(reply, u"SHUTDOWN")) {
                                  return ReplyRole::Status;
                              }
                              return ReplyRole::Other;
                          }});
        if (refused) {
            lastMessage = orvik::LoadString(orvik::kStrPasswordRefused);
            if (showMessages == 1) {
                ShowWarning(lastMessage);
            }
            DrainReplies();
            serviceSession = false;
            return E_INVALIDARG;
        }
        if (result == S_OK || result == E_UNEXPECTED) {
            return result;
        }
        // No answer in time.
        if (StopRequested()) {
            abort = true;
            serviceSession = false;
            return E_FAIL;
        }
        if (--waitCounter > 0) {
            continue;
        }
        lastMessage = orvik::LoadString(orvik::kStrNoAnswer);
        if (!AskRetry(lastMessage)) {
            abort = true;
        }
        waitCounter = kLoginWaitsAfterQuestion;
        if (abort) {
            serviceSession = false;
            return E_FAIL;
        }
        return std::nullopt;
    }
}

void COrvikCore::PrepareRegister() {
    // Results are not checked: the register is usable even when it refuses one of these.
    const RegisterCapabilities& caps = Capabilities();
    if (caps.accessLevels) {
        SetAccessLevel(1);
    }
    if (caps.tableMode) {
        SendTableCommand();
    }
    if (caps.taxPerItemAtConnect) {
        SendCommand(u"PPMD1");
        WaitForReady(m_timings.replyTimeout);
    }
}

HRESULT COrvikCore::SetAccessLevel(int level) {
    if (!Capabilities().accessLevels) {
        return S_OK;
    }
    SendCommand(orvik::device::BuildAccessLevelCommand(level, accessCodes));
    return WaitForReady(m_timings.replyTimeout);
}

HRESULT COrvikCore::SendTableCommand() {
    SendCommand(u"TABL");
    return WaitForReady(m_timings.replyTimeout);
}

void COrvikCore::Pause(int ms) {
    if (ms <= 0) {
        return;
    }
    // An event nobody sets: the wait lasts the whole pause, keeps the idle hook running, and
    // ends early on a stop.
    orvik::device::ManualResetEvent never;
    WaitUnlessStopped(ms, [&never, this](int slice) { return never.Wait(slice, IdleHook()); });
}

}  // namespace orvik::device
