// What the device core learns about the register: the configuration reading at connect, the
// information queries, and the family, model and limits derived from them.
#include <algorithm>

#include "device/orvik_core.h"
#include "device/protocol/config_replies.h"
#include "device/protocol/device_model.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"

namespace orvik::device {

using orvik::device::Contains;
using orvik::device::HasStatusWord;

namespace {
// The data of a reply begin after its four-letter tag.
constexpr std::size_t kReplyDataStart = 4;
}  // namespace

HRESULT COrvikCore::ReadConfiguration() {
    const orvik::support::LocalDateTime now =
        localClock ? localClock() : orvik::support::CurrentLocalDateTime();
    std::u16string reply;

    SendCommand(u"CONf");
    if (!Succeeded(ReadConfigReply({u"CONf", u"CONF"}, false, false, reply))) {
        return E_FAIL;
    }
    orvik::device::ParseConfigurationReply(reply, now, printerInfo);
    DeriveFamilyAndModel();
    printerInfo.maxArticleNumber = CPrinterInfo::kDefaultMaxArticleNumber;
    QueryDeviceOptions();
    ApplyModelLimits();
    DrainReplies();

    SendCommand(u"CNAL");
    if (!Succeeded(ReadConfigReply({u"CNAL"}, true, false, reply))) {
        return E_FAIL;
    }
    if (!reply.empty()) {
        orvik::device::ParseTaxRecords(reply, now, printerInfo);
    }
    DrainReplies();

    if (Capabilities().taxNames) {
        // Not every register of the family knows the tax names; silence here is no error.
        SendCommand(u"CNAL1");
        const HRESULT names = ReadConfigReply({u"CNAM"}, true, true, reply);
        if (names == E_UNEXPECTED) {
            return E_FAIL;
        }
        if (Succeeded(names) && !reply.empty()) {
            orvik::device::ParseTaxNames(reply, printerInfo);
        }
        DrainReplies();
    }

    SendCommand(u"CRES");
    if (!Succeeded(ReadConfigReply({u"CRES"}, false, false, reply))) {
        return E_FAIL;
    }
    orvik::device::ParseConfigCounters(reply, printerInfo);
    DrainReplies();
    DeriveFamilyAndModel();
    if (Capabilities().receiptCounter) {
        DocumentCounters counters;
        QueryDocumentCounters(counters);
    }
    return S_OK;
}

HRESULT COrvikCore::ReadConfigReply(std::initializer_list<std::u16string_view> tags, bool readyEnds,
                                    bool silentTimeout, std::u16string& reply) {
    for (;;) {
        const HRESULT result =
            WaitForTaggedReply(tags, m_timings.configReplyTimeout, &reply, silentTimeout);
        if (!Succeeded(result)) {
            return result;
        }
        if (!reply.empty()) {
            return FinishAnswer(true);
        }
        if (readyEnds) {
            return S_OK;
        }
        // "READY" without the data this step needs: keep waiting for them.
    }
}

HRESULT COrvikCore::FinishAnswer(bool judgeStatus) {
    // The register follows its data with "READY". Replies reach the queue the moment their
    // frame is complete, so that "READY" may still be on its way; it must not be taken for
    // the answer to the next command. Silence ends the answer too.
    const HRESULT result =
        AwaitReplies({.timeoutMs = m_timings.pendingStatusTimeout,
                      .reportSilence = false,
                      .roleOf = [judgeStatus](std::u16string_view reply) {
                          if (HasStatusWord(reply)) {
                              return judgeStatus ? ReplyRole::Status : ReplyRole::Other;
                          }
                          return Contains(reply, u"READY") ? ReplyRole::Ready : ReplyRole::Other;
                      }});
    return result == E_UNEXPECTED ? E_UNEXPECTED : S_OK;
}

std::u16string COrvikCore::QueryValue(std::u16string_view command, std::u16string_view key) {
    SendCommand(command);
    std::u16string reply;
    const HRESULT result =
        AwaitReplies({.timeoutMs = m_timings.configReplyTimeout,
                      .reportSilence = true,
                      .roleOf =
                          [key](std::u16string_view text) {
                              // On a status the caller sees the empty answer; the status is not
                              // shown here.
                              if (HasStatusWord(text)) {
                                  return ReplyRole::Refusal;
                              }
                              return Contains(text, key) ? ReplyRole::Answer : ReplyRole::Other;
                          }},
                     &reply);
    if (result != S_OK) {
        return {};
    }
    FinishAnswer(false);
    DrainReplies();
    return reply.substr(std::min(kReplyDataStart, reply.size()));
}

void COrvikCore::QueryDeviceOptions() {
    std::u16string answer = u"1000";
    if (Capabilities().deviceOptions) {
        answer = QueryValue(u"dset", u"dset");
    }
    orvik::device::ApplyDeviceOptions(answer, printerInfo);
}

std::u16string COrvikCore::QueryDocumentCounters(DocumentCounters& counters) {
    std::u16string answer = QueryValue(u"GLCN", u"GLCN");
    counters = orvik::device::ParseDocumentCounters(answer);
    // No answer is no news: the article mode and Z-report values the core knows stay, so that
    // later commands keep the register's format.
    if (!answer.empty()) {
        articleMode = counters.articleMode;
        printerInfo.zReportMade = counters.zReportMade;
        printerInfo.lastZReportNumber = counters.lastZReportNumber;
    }
    ApplyModelLimits();
    return answer;
}

void COrvikCore::DeriveFamilyAndModel() {
    const orvik::device::FamilyAndModel derived = orvik::device::DeriveFamilyAndModel(
        printerInfo.serialNumber, printerInfo.firmwareName, printerInfo.firmwareDate);
    deviceFamily = derived.family;
    deviceModel = derived.model;
}

void COrvikCore::ApplyModelLimits() {
    printerInfo.maxArticleNumber =
        Capabilities().articleLimit.value_or(printerInfo.maxArticleNumber);
}

const RegisterCapabilities& COrvikCore::Capabilities() const {
    // Derived again whenever the numbers it comes from changed: the article mode is read after
    // the model, and a test's derived core may stage a register by setting them.
    if (m_capabilities.family != deviceFamily || m_capabilities.model != deviceModel ||
        m_capabilities.articleMode != articleMode) {
        m_capabilities = orvik::device::CapabilitiesOf(deviceFamily, deviceModel, articleMode);
    }
    return m_capabilities;
}

}  // namespace orvik::device
