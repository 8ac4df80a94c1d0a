// Reading the simulated register's configuration: a register that ignores "CNAL1", a register
// that does not answer or refuses a configuration query, and the disconnection.
#include <gtest/gtest.h>

#include "tests/integration/session_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using Kind = RecordingPrompt::Kind;

TEST_F(SessionTest, ARegisterThatIgnoresTheTaxNamesIsStillConnected) {
    UseProfile("f1m4");
    sim.SetAnswersTaxNames(false);
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 1000; });
    ASSERT_EQ(Connect(), S_OK) << Utf8(core.lastMessage);
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_EQ(TakeReceived(),
              (Texts{"UPAS0000      Касир", "CONf", "CNAL", "CNAL1", "CRES", "TABL"}));
    // The tax table is there, without names.
    EXPECT_EQ(Utf8(core.printerInfo.taxSlots[0].rateText), "20.00");
    for (const TaxSlot& slot : core.printerInfo.taxSlots) {
        EXPECT_TRUE(slot.name.empty());
    }
    EXPECT_EQ(core.deviceModel, 4);
}

TEST_F(SessionTest, AConfigurationQueryWithoutAnswerFailsTheConnection) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 1000; });
    sim.Faults().Silence(u"CRES", 1);
    EXPECT_EQ(Connect(), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Error);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Message(orvik::kStrNoAnswer));
    EXPECT_FALSE(core.IsPortOpen());
    const Texts commands = TakeReceived();
    EXPECT_EQ(commands.back(), "CRES");
}

TEST_F(SessionTest, AFatalStatusDuringTheConfigurationFailsTheConnection) {
    sim.Faults().InjectStatus(u"CONf", u"SOFTSYSLOCK", 1);
    EXPECT_EQ(Connect(), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Message(2002));
    EXPECT_FALSE(core.IsPortOpen());
    EXPECT_EQ(TakeReceived(), (Texts{"UPAS0000      Касир", "CONf"}));

    // The next connection reads the whole configuration.
    prompt.entries.clear();
    EXPECT_EQ(Connect(), S_OK);
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(SessionTest, DisconnectingCancelsAnOpenReceiptFirst) {
    // The receipt commands are not this register's concern here: it only confirms "CANC".
    sim.RegisterCommand(u"CANC", [](std::u16string_view, orvik::sim::RegisterState&) {
        return orvik::sim::Replies{u"READY"};
    });
    ASSERT_EQ(Connect(), S_OK);
    TakeReceived();
    core.receiptOpen = true;  // as the receipt operations leave it
    EXPECT_EQ(core.Disconnect().code, S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"CANC"}));
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_FALSE(core.IsPortOpen());
    EXPECT_EQ(core.Disconnect().code, S_FALSE);

    // Without an open receipt nothing is sent.
    ASSERT_EQ(Connect(), S_OK);
    TakeReceived();
    EXPECT_EQ(core.Disconnect().code, S_OK);
    ASSERT_EQ(Connect(), S_OK);
    EXPECT_EQ(TakeReceived().front(), "UPAS0000      Касир");
    // What the core knew stays after a disconnection.
    core.Disconnect();
    EXPECT_EQ(core.deviceModel, 8);
    EXPECT_EQ(Utf8(core.printerInfo.serialNumber), "6000008901");
}

}  // namespace
}  // namespace sim_test
