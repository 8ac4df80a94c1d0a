// The operator's log-in against the simulated register: a refused password, the service
// log-in, names and passwords cut to what the register takes, and a fatal status that makes
// the console log in again.
#include <gtest/gtest.h>

#include "tests/integration/session_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using Kind = RecordingPrompt::Kind;

TEST_F(SessionTest, ARefusedPasswordClosesThePortWithAWarningAndNoQuestion) {
    EXPECT_EQ(Connect(u"Касир", u"1234"), E_INVALIDARG);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Warning);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Message(orvik::kStrPasswordRefused));
    EXPECT_EQ(Utf8(core.lastMessage), Message(orvik::kStrPasswordRefused));
    EXPECT_FALSE(core.IsPortOpen());
    EXPECT_EQ(core.Disconnect().code, S_FALSE);
    // Nothing after the refused log-in.
    EXPECT_EQ(TakeReceived(), (Texts{"UPAS1234      Касир"}));
    State([](const auto& state) { EXPECT_FALSE(state.session.loggedIn); });

    // The port is free again: the right password connects.
    prompt.entries.clear();
    EXPECT_EQ(Connect(), S_OK);
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_EQ(TakeReceived().front(), "UPAS0000      Касир");
    State([](const auto& state) { EXPECT_TRUE(state.session.loggedIn); });
}

TEST_F(SessionTest, TheServiceEngineerLogsInWithThePasswordAlone) {
    UseProfile("f0m1");
    ASSERT_EQ(Connect(u"СЕРВІС", u"0000"), S_OK);
    EXPECT_TRUE(core.serviceSession);
    EXPECT_EQ(TakeReceived().front(), "SPAS0000      ");
    State([](const auto& state) {
        EXPECT_TRUE(state.session.serviceSession);
        EXPECT_TRUE(state.session.loggedIn);
    });

    // A wrong service password is refused like an operator's, and the session flag is cleared.
    EXPECT_EQ(Connect(u"СЕРВІС", u"9"), E_INVALIDARG);
    EXPECT_FALSE(core.serviceSession);
    EXPECT_EQ(TakeReceived(), (Texts{"SPAS9         "}));

    // Another operator name is an ordinary log-in.
    ASSERT_EQ(Connect(u"Сервис", u"0000"), S_OK);
    EXPECT_FALSE(core.serviceSession);
    EXPECT_EQ(TakeReceived().front(), "UPAS0000      Сервис");
}

TEST_F(SessionTest, NameAndPasswordAreCutToWhatTheRegisterTakes) {
    sim.SetPassword(u"0123456789");
    // An 11-character name loses two characters, a 12-character password two.
    ASSERT_EQ(Connect(u"Иванов Пётр", u"0123456789AB"), S_OK);
    EXPECT_EQ(TakeReceived().front(), "UPAS0123456789Иванов Пё");
    State([](const auto& state) { EXPECT_EQ(Utf8(state.session.operatorName), "Иванов Пё"); });

    // An empty password is padded to ten blanks like any other.
    sim.SetPassword(u"");
    ASSERT_EQ(Connect(u"Касир", u""), S_OK);
    EXPECT_EQ(TakeReceived().front(), "UPAS          Касир");
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(SessionTest, AFatalStatusDuringTheLogInShowsItsMessageAndLogsInAgain) {
    sim.Faults().InjectStatus(u"UPAS", u"HARDPAPER", 1);
    ASSERT_EQ(Connect(), S_OK);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Error);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Message(2020));
    const Texts commands = TakeReceived();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands[0], "UPAS0000      Касир");
    EXPECT_EQ(commands[1], "UPAS0000      Касир");
    EXPECT_EQ(commands[2], "CONf");
    // The register is woken again before the second log-in.
    EXPECT_EQ(WakeBytes(), 2u);
}

}  // namespace
}  // namespace sim_test
