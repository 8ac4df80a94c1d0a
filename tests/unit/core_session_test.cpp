// The session and information operations of the device core, with the register's replies
// played into the reply queue while the core waits, and a silent pseudo-terminal where the
// port itself matters.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "device/link/message_container.h"
#include "device/orvik_core.h"
#include "res/string_table.h"
#include "support/text_codec.h"
#include "tests/support/core_timings.h"
#include "tests/support/link_access_core.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_ports_dir.h"

using namespace orvik::device;

namespace {

using Clock = std::chrono::steady_clock;
using Kind = RecordingPrompt::Kind;

std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}

// The register's side of a port-less core: each time the core waits, the next reply of the
// script arrives. An entry Silence(ms) keeps the register quiet for that long first.
class ScriptedReplies {
  public:
    struct Entry {
        std::u16string text;
        int silenceMs = 0;
    };
    static Entry Silence(int ms) { return {u"", ms}; }

    ScriptedReplies(LinkAccessCore& core, std::vector<Entry> entries)
        : m_entries(entries.begin(), entries.end()) {
        core.SetIdleHook([this, &core] { Step(core); });
    }
    bool Finished() const { return m_entries.empty(); }

  private:
    void Step(LinkAccessCore& core) {
        if (m_entries.empty()) {
            return;
        }
        Entry& next = m_entries.front();
        if (next.silenceMs > 0) {
            if (!m_silenceStart) {
                m_silenceStart = Clock::now();
            }
            if (Clock::now() - *m_silenceStart < std::chrono::milliseconds(next.silenceMs)) {
                return;
            }
            m_silenceStart.reset();
            m_entries.pop_front();
            return;
        }
        core.Queue().Push(next.text);
        m_entries.pop_front();
    }

    std::deque<Entry> m_entries;
    std::optional<Clock::time_point> m_silenceStart;
};

// Short waits for a core that is fed from a script: every reply comes within one idle slice.
void UseShortTimeouts(COrvikCore& core) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
        t.replyTimeout = 400;
        t.configReplyTimeout = 400;
        t.loginReplyTimeout = 400;
        t.wakeReplyTimeout = 400;
        t.pendingStatusTimeout = 100;
        t.wakePause = 1;
        t.cancelPause = 1;
    });
    core.SetLocalClock([] { return orvik::support::LocalDateTime{2024, 3, 14, 9, 5, 7}; });
}

std::u16string Text(int id) {
    return orvik::LoadString(id);
}

class CoreFixture : public ::testing::Test {
  protected:
    CoreFixture() {
        core.SetPrompt(&prompt);
        UseShortTimeouts(core);
    }
    RecordingPrompt prompt;
    LinkAccessCore core;
};

// A model-8 register's configuration reply: serial, software MTMT and a header.
std::u16string Model8Configuration() {
    std::u16string reply =
        u"CONf"
        u"MT00012345"
        u"3000123456";
    reply.resize(60, u' ');
    reply +=
        u"20240229"
        u"135908";  // date, time; key code "8" follows at 74
    reply += u"8";
    reply.resize(81, u' ');
    reply +=
        u"1"
        u"000000000041";
    reply.resize(110, u' ');
    reply +=
        u"MTMT"
        u"20060927"
        u"Дякуємо за покупку"
        u"20050101"
        u"2"
        u"ГРН";
    return reply;
}

}  // namespace

// --- Queries --------------------------------------------------------------------------------

TEST_F(CoreFixture, QueryValueReturnsTheKeyedDataAndConsumesTheReady) {
    ScriptedReplies script(core, {{u"XYZ other"}, {u"GLCN0123"}, {u"READY"}});
    EXPECT_EQ(Utf8(core.QueryValue(u"GLCN", u"GLCN")), "0123");
    // The register's closing READY is taken with the answer, not left for the next command.
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(core.Queue().IsEmpty());
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(CoreFixture, QueryValueStatusGivesEmptyWithoutMessage) {
    core.lastMessage = u"before";
    ScriptedReplies script(core, {{u"SOFTPAPER"}, {u"GLCN0123"}});
    core.Queue().Push(u"queued");
    EXPECT_TRUE(core.QueryValue(u"GLCN", u"GLCN").empty());
    EXPECT_EQ(Utf8(core.lastMessage), "before");
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_TRUE(core.Queue().IsEmpty());
}

TEST_F(CoreFixture, QueryValueTimeOutShowsNoAnswer) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 30; });
    EXPECT_TRUE(core.QueryValue(u"dset", u"dset").empty());
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Error);
    EXPECT_EQ(prompt.entries[0].text, Text(orvik::kStrNoAnswer));

    core.showMessages = 0;
    core.lastMessage.clear();
    EXPECT_TRUE(core.QueryValue(u"dset", u"dset").empty());
    EXPECT_EQ(core.lastMessage, Text(orvik::kStrNoAnswer));
    EXPECT_EQ(prompt.entries.size(), 1u);
}

TEST_F(CoreFixture, DocumentCountersRefreshTheCoreAndKeepItWithoutAnswer) {
    core.deviceFamily = 1;
    core.deviceModel = 8;
    {
        ScriptedReplies script(core, {{u"GLCN"
                                       u"0000000010"
                                       u"0000000020"
                                       u"0000000030"
                                       u"2"
                                       u"0"
                                       u"5"
                                       u"0042"},
                                      {u"READY"}});
        DocumentCounters counters;
        EXPECT_FALSE(core.QueryDocumentCounters(counters).empty());
        EXPECT_EQ(counters.lastReceiptNumber, 10);
        EXPECT_EQ(counters.lastServiceDocumentNumber, 30);
    }
    EXPECT_EQ(core.articleMode, 2);
    EXPECT_EQ(core.printerInfo.zReportMade, 1);
    EXPECT_EQ(core.printerInfo.lastZReportNumber, 42);
    EXPECT_EQ(core.printerInfo.maxArticleNumber, 999999999);

    // No answer: the counters read 0, but what the core knew stays.
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 30; });
    core.SetIdleHook({});
    DocumentCounters counters{1, 1, 1, 1, 1, 1};
    EXPECT_TRUE(core.QueryDocumentCounters(counters).empty());
    EXPECT_EQ(counters.lastReceiptNumber, 0);
    EXPECT_EQ(counters.articleMode, 0);
    EXPECT_EQ(counters.lastZReportNumber, 0);
    EXPECT_EQ(core.articleMode, 2);
    EXPECT_EQ(core.printerInfo.lastZReportNumber, 42);
    EXPECT_EQ(core.printerInfo.maxArticleNumber, 999999999);
}

TEST_F(CoreFixture, DeviceOptionsAreAskedOfModel8Only) {
    core.deviceFamily = 1;
    core.deviceModel = 6;
    ScriptedReplies script(core, {{u"dset371"}, {u"READY"}});
    core.QueryDeviceOptions();
    EXPECT_FALSE(script.Finished());  // nothing was asked
    EXPECT_EQ(core.printerInfo.optionDigit1, 1);
    EXPECT_EQ(core.printerInfo.optionDigit2, 0);

    core.deviceModel = 8;
    core.QueryDeviceOptions();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(core.printerInfo.optionDigit1, 3);
    EXPECT_EQ(core.printerInfo.optionDigit2, 7);
}

// --- Configuration reading ------------------------------------------------------------------

TEST_F(CoreFixture, ReadsTheWholeConfigurationOfAModel8Register) {
    std::u16string taxes =
        u"CNAL"
        u"20050131 02000"
        u"00000000000000"
        u"20060101 10700";
    std::u16string names =
        u"CNAM"
        u"ПДВ                "
        u"                   "
        u"Акциз";
    ScriptedReplies script(core, {{Model8Configuration()},
                                  {u"READY"},
                                  {u"dset371"},
                                  {u"READY"},
                                  {taxes},
                                  {u"READY"},
                                  {names},
                                  {u"READY"},
                                  {u"CRES"
                                   u"0000000001"
                                   u"0000000002"
                                   u"0000000003"
                                   u"9999999999"},
                                  {u"READY"},
                                  {u"GLCN"
                                   u"0000000010"
                                   u"0000000020"
                                   u"0000000030"
                                   u"1"
                                   u"0"
                                   u"0"
                                   u"0043"},
                                  {u"READY"}});
    ASSERT_EQ(core.ReadConfiguration(), S_OK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(prompt.entries.empty());

    const CPrinterInfo& info = core.printerInfo;
    EXPECT_EQ(core.deviceFamily, 1);
    EXPECT_EQ(core.deviceModel, 8);
    EXPECT_EQ(Utf8(info.serialNumber), "MT00012345");
    EXPECT_EQ(Utf8(info.deviceDate), "02/29/24");
    EXPECT_EQ(Utf8(info.deviceTime), "13:59:08");
    EXPECT_EQ(info.keyPosition, u'P');
    EXPECT_EQ(Utf8(info.currencyName), "ГРН");
    EXPECT_EQ(info.optionDigit1, 3);
    EXPECT_EQ(info.optionDigit2, 7);
    EXPECT_EQ(Utf8(info.taxSlots[0].name), "ПДВ");
    EXPECT_EQ(Utf8(info.taxSlots[0].rateText), "20.00");
    EXPECT_TRUE(info.taxSlots[1].kind.empty());
    EXPECT_EQ(Utf8(info.taxSlots[2].name), "Акциз");
    EXPECT_EQ(Utf8(info.taxSlots[2].kind), "1");
    EXPECT_EQ(info.configCounters[3], 2147483647);
    // The document counters replace the configuration's Z-report values.
    EXPECT_EQ(core.articleMode, 1);
    EXPECT_EQ(info.zReportMade, 0);
    EXPECT_EQ(info.lastZReportNumber, 43);
    EXPECT_EQ(info.maxArticleNumber, 20688);
}

TEST_F(CoreFixture, Family0ConfigurationSkipsTheTaxNames) {
    core.printerInfo.maxArticleNumber = 5;
    core.printerInfo.taxSlots[0].kind = u"1";
    ScriptedReplies script(core, {{u"CONF4400000001"},
                                  {u"READY"},
                                  {u"READY"},  // no tax records
                                  {u"CRES0000000001"},
                                  {u"READY"}});
    ASSERT_EQ(core.ReadConfiguration(), S_OK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(core.deviceFamily, 0);
    EXPECT_EQ(core.deviceModel, 1);
    EXPECT_EQ(core.printerInfo.maxArticleNumber, 1999);
    EXPECT_EQ(Utf8(core.printerInfo.taxSlots[0].kind), "1");
    EXPECT_EQ(core.printerInfo.configCounters[0], 1);
}

TEST_F(CoreFixture, SilentTaxNamesDoNotStopAFamily1Register) {
    // The register stays quiet for as long as the core waits for the names.
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 200; });
    ScriptedReplies script(core, {{u"CONf5000000001"},
                                  {u"READY"},
                                  {u"CNAL20050131 02000"},
                                  {u"READY"},
                                  ScriptedReplies::Silence(200),
                                  {u"CRES0000000007"},
                                  {u"READY"}});
    ASSERT_EQ(core.ReadConfiguration(), S_OK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_EQ(core.deviceFamily, 1);
    EXPECT_EQ(core.printerInfo.configCounters[0], 7);
    EXPECT_EQ(Utf8(core.printerInfo.taxSlots[0].rateDigits), "2000");
}

TEST_F(CoreFixture, ConfigurationFailures) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 60; });
    EXPECT_EQ(core.ReadConfiguration(), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].text, Text(orvik::kStrNoAnswer));

    prompt.entries.clear();
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 400; });
    ScriptedReplies script(core, {{u"CONf4400000001"}, {u"READY"}, {u"HARDPAPER"}, {u"CNAL"}});
    EXPECT_EQ(core.ReadConfiguration(), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].text, Text(2020));
    EXPECT_EQ(core.lastMessage, Text(2020));
}

TEST_F(CoreFixture, ConfigurationIgnoresABareReadyBeforeItsData) {
    ScriptedReplies script(core, {{u"READY"},
                                  {u"CONf4400000001"},
                                  {u"READY"},
                                  {u"CNAL"},
                                  {u"READY"},
                                  {u"READY"},  // stray
                                  {u"CRES0000000003"},
                                  {u"READY"}});
    ASSERT_EQ(core.ReadConfiguration(), S_OK);
    EXPECT_EQ(Utf8(core.printerInfo.serialNumber), "4400000001");
    EXPECT_EQ(core.printerInfo.configCounters[0], 3);
}

// --- Log-in ---------------------------------------------------------------------------------

TEST_F(CoreFixture, LoginSucceedsAndMarksTheServiceSession) {
    bool abort = false;
    {
        ScriptedReplies script(core, {{u"READY"}, {u"READY"}});
        EXPECT_EQ(core.Login(u"Касир", u"1", abort), S_OK);
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_FALSE(core.serviceSession);
    ScriptedReplies service(core, {{u"READY"}, {u"READY"}});
    EXPECT_EQ(core.Login(u"СЕРВІС", u"1", abort), S_OK);
    EXPECT_TRUE(core.serviceSession);
    EXPECT_FALSE(abort);
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(CoreFixture, RefusedPasswordWarnsWithoutQuestion) {
    bool abort = false;
    ScriptedReplies script(core, {{u"READY"}, {u"SOFTUPAS"}, {u"READY"}});
    EXPECT_EQ(core.Login(u"СЕРВІС", u"bad", abort), E_INVALIDARG);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Warning);
    EXPECT_EQ(prompt.entries[0].text, Text(orvik::kStrPasswordRefused));
    EXPECT_EQ(core.lastMessage, Text(orvik::kStrPasswordRefused));
    EXPECT_FALSE(core.serviceSession);
    EXPECT_FALSE(abort);
}

TEST_F(CoreFixture, LoginWaitsOnThroughSoftwareStatusAndStopsOnHardware) {
    bool abort = false;
    {
        ScriptedReplies script(core, {{u"READY"}, {u"SOFTSLWORK"}, {u"SOFTPAPER"}, {u"READY"}});
        EXPECT_EQ(core.Login(u"Касир", u"1", abort), S_OK);
    }
    ASSERT_EQ(prompt.entries.size(), 1u);  // the key message; the paper warning shows nothing
    EXPECT_EQ(prompt.entries[0].text, Text(2012));

    prompt.entries.clear();
    ScriptedReplies script(core, {{u"READY"}, {u"HARDPAPER"}, {u"READY"}});
    EXPECT_EQ(core.Login(u"Касир", u"1", abort), E_UNEXPECTED);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].text, Text(2020));
    EXPECT_TRUE(core.Queue().IsEmpty());
}

TEST_F(CoreFixture, UnansweredLoginAsksAndRetriesFromTheWakeUp) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.loginReplyTimeout = 60; });
    bool abort = false;
    prompt.retryAnswers = {true};
    // Wake-up answered, log-in silent; Retry; wake-up and log-in answered.
    ScriptedReplies script(core,
                           {{u"READY"}, ScriptedReplies::Silence(200), {u"READY"}, {u"READY"}});
    EXPECT_EQ(core.Login(u"Касир", u"1", abort), S_OK);
    EXPECT_TRUE(script.Finished());
    ASSERT_EQ(prompt.Count(Kind::Question), 1);
    EXPECT_EQ(prompt.entries[0].text, Text(orvik::kStrNoAnswer));
    EXPECT_FALSE(abort);
}

TEST_F(CoreFixture, UnansweredLoginCancelledEndsTheLogin) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.loginReplyTimeout = 30; });
    bool abort = false;
    ScriptedReplies script(core, {{u"READY"}});
    EXPECT_EQ(core.Login(u"СЕРВІС", u"1", abort), E_FAIL);
    EXPECT_TRUE(abort);
    EXPECT_FALSE(core.serviceSession);
    EXPECT_EQ(prompt.Count(Kind::Question), 1);

    // Without messages the question is not asked and counts as Cancel.
    core.showMessages = 0;
    prompt.entries.clear();
    abort = false;
    ScriptedReplies again(core, {{u"READY"}});
    EXPECT_EQ(core.Login(u"Касир", u"1", abort), E_FAIL);
    EXPECT_TRUE(abort);
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_EQ(core.lastMessage, Text(orvik::kStrNoAnswer));
}

// --- Access level, disconnection -------------------------------------------------------------

TEST_F(CoreFixture, AccessLevelOnlyOnModel7) {
    core.deviceFamily = 1;
    core.deviceModel = 8;
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = 30; });
    EXPECT_EQ(core.SetAccessLevel(1), S_OK);  // nothing sent, nothing awaited
    EXPECT_TRUE(prompt.entries.empty());

    core.deviceModel = 7;
    EXPECT_EQ(core.SetAccessLevel(1), E_ABORT);  // sent, and the register stays silent
    EXPECT_EQ(prompt.Count(Kind::Error), 1);
}

TEST_F(CoreFixture, DisconnectWithoutPortSendsNothing) {
    core.receiptOpen = true;
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = 30; });
    EXPECT_EQ(core.Disconnect().code, S_FALSE);
    EXPECT_TRUE(prompt.entries.empty());
}

// --- Against a silent port --------------------------------------------------------------------

namespace {

// A pseudo-terminal whose slave is offered as COM20 in a temporary ports folder. Nothing
// answers; the test reads what the core wrote.
class SilentLine {
  public:
    SilentLine() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
            return;
        }
        const char* slave = ptsname(m_master);
        if (slave) {
            std::filesystem::create_symlink(slave, std::filesystem::path(m_ports.Path()) / "COM20");
            m_ready = true;
        }
    }
    ~SilentLine() {
        if (m_master >= 0) {
            close(m_master);
        }
    }
    bool Ready() const { return m_ready; }
    // Everything written since the last call.
    std::vector<std::uint8_t> TakeWritten() {
        std::vector<std::uint8_t> bytes;
        std::uint8_t buffer[256];
        for (;;) {
            const ssize_t n = read(m_master, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }
    void Write(const std::vector<std::uint8_t>& bytes) {
        ASSERT_EQ(write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

  private:
    TempPortsDir m_ports;
    int m_master = -1;
    bool m_ready = false;
};

// Notes at each question how many bytes the core had written by then.
class CountingPrompt : public RecordingPrompt {
  public:
    explicit CountingPrompt(SilentLine& line) : m_line(line) {}
    bool AskRetry(const std::u16string& text) override {
        for (std::uint8_t byte : m_line.TakeWritten()) {
            ++(byte == 0x55 ? wakeBytes : otherBytes);
        }
        wakeBytesAtQuestion.push_back(wakeBytes);
        return RecordingPrompt::AskRetry(text);
    }
    int wakeBytes = 0;
    int otherBytes = 0;
    std::vector<int> wakeBytesAtQuestion;

  private:
    SilentLine& m_line;
};

}  // namespace

TEST(CoreOnSilentLine, SwitchedOffRegisterIsAskedAboutAfterFourCycles) {
    SilentLine line;
    ASSERT_TRUE(line.Ready());
    CountingPrompt prompt(line);
    prompt.retryAnswers = {true};
    LinkAccessCore core;
    core.SetPrompt(&prompt);
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
        t.wakeReplyTimeout = 2;
        t.wakePause = 1;
    });

    EXPECT_EQ(core.Connect("COM20", u"Касир", u"1"), E_FAIL);
    // Each cycle is two rounds of four wake-up bytes; three cycles pass in silence, the fourth
    // asks; after Retry another four.
    ASSERT_EQ(prompt.wakeBytesAtQuestion.size(), 2u);
    EXPECT_EQ(prompt.wakeBytesAtQuestion[0], 4 * 2 * 4);
    EXPECT_EQ(prompt.wakeBytesAtQuestion[1], 2 * 4 * 2 * 4);
    EXPECT_EQ(prompt.otherBytes, 0);  // no log-in command without a woken register
    EXPECT_EQ(core.lastMessage, Text(orvik::kStrNoAnswer));
    EXPECT_FALSE(core.IsPortOpen());
    EXPECT_EQ(core.Disconnect().code, S_FALSE);
}

TEST(CoreOnSilentLine, PortThatCannotBeOpenedSaysWhy) {
    TempPortsDir ports;
    std::filesystem::create_symlink("/nonexistent/orvik-test-device",
                                    std::filesystem::path(ports.Path()) / "COM21");
    RecordingPrompt prompt;
    LinkAccessCore core;
    core.SetPrompt(&prompt);
    EXPECT_EQ(core.Connect("COM21", u"Касир", u"1"), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    const std::u16string& text = prompt.entries[0].text;
    const std::u16string expectedStart = Text(orvik::kStrPortOpenFailed) + u"\nCOM21: ";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart) << Utf8(text);
    // Then the port and the system's reason on a line of their own.
    ASSERT_FALSE(core.OpenFailureReason().empty());
    EXPECT_EQ(Utf8(text.substr(expectedStart.size())), core.OpenFailureReason());
    // The reason names what is missing, the link's target, and guesses at no other program.
    EXPECT_NE(core.OpenFailureReason().find("/nonexistent/orvik-test-device, "), std::string::npos)
        << core.OpenFailureReason();
    EXPECT_EQ(core.OpenFailureReason().find("program"), std::string::npos);
    EXPECT_EQ(core.lastMessage, text);
}

TEST(CoreOnSilentLine, DestroyingTheCoreCancelsAnOpenReceipt) {
    SilentLine line;
    ASSERT_TRUE(line.Ready());
    std::vector<std::uint8_t> written;
    {
        LinkAccessCore core;
        ASSERT_TRUE(Succeeded(core.OpenLink("COM20")));
        core.deviceFamily = 1;
        core.receiptOpen = true;
        // While the core waits, take what it wrote and answer READY once the command is there.
        core.SetIdleHook([&] {
            const std::vector<std::uint8_t> bytes = line.TakeWritten();
            written.insert(written.end(), bytes.begin(), bytes.end());
            if (!bytes.empty()) {
                line.Write({0xFD, 'R', 'E', 'A', 'D', 'Y', 0x06, 0xFE, 0x00, 0x00});
            }
        });
    }
    const std::vector<std::uint8_t> cancel = {0xFD, 'C', 'A', 'N', 'C', 0x05, 0xFE, 0x00};
    ASSERT_EQ(written.size(), cancel.size() + 1);
    EXPECT_TRUE(std::equal(cancel.begin(), cancel.end(), written.begin()));

    // Disconnecting says so and leaves no receipt marked open.
    LinkAccessCore core;
    ASSERT_TRUE(Succeeded(core.OpenLink("COM20")));
    core.deviceFamily = 1;
    core.receiptOpen = true;
    core.SetIdleHook([&] {
        if (!line.TakeWritten().empty()) {
            line.Write({0xFD, 'R', 'E', 'A', 'D', 'Y', 0x06, 0xFE, 0x00, 0x00});
        }
    });
    EXPECT_EQ(core.Disconnect().code, S_OK);
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_FALSE(core.IsPortOpen());
}

namespace {

// A pause lasts its time once, idle hook running every 20 ms or so, whether or not a stop
// request is set; a stop that says yes cuts it short. Counted in idle slices, which a slow
// machine can only make fewer: a 500 ms pause that ran its slices again and again (as one
// sliced for the stop request once did without one) would pass 40.
TEST(CorePause, LastsItsTimeOnceAndEndsOnAStop) {
    for (const bool withStop : {false, true}) {
        LinkAccessCore core;
        int slices = 0;
        core.SetIdleHook([&slices] { ++slices; });
        if (withStop) {
            core.SetStopRequest([] { return false; });
        }
        core.Pause(500);
        EXPECT_LE(slices, 40) << withStop;
        EXPECT_GE(slices, 1) << withStop;
    }
    LinkAccessCore stopped;
    int slices = 0;
    stopped.SetIdleHook([&slices] { ++slices; });
    stopped.SetStopRequest([] { return true; });
    const auto began = std::chrono::steady_clock::now();
    stopped.Pause(60'000);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5));
}

}  // namespace
