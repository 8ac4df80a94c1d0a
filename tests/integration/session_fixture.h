#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "device/orvik_core.h"
#include "res/string_table.h"
#include "sim/profiles.h"
#include "sim/simulator.h"
#include "tests/integration/sim_link_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_ports_dir.h"

namespace sim_test {

// The simulated register's password unless a test changes it.
inline constexpr std::u16string_view kPassword = u"0000";

inline std::string Message(int id) {
    return Utf8(orvik::LoadString(id));
}

// The text cut or padded with blanks to the width, as the register sends its fields.
inline std::u16string PadTo(std::u16string_view text, std::size_t width) {
    std::u16string out(text.substr(0, width));
    out.resize(width, u' ');
    return out;
}

// The real device core connecting, as the console does, to an in-process simulated register
// (profile f1m8 unless a test loads another one) in a ports folder of the test's own.
class SessionTest : public ::testing::Test {
  protected:
    static constexpr const char* kPort = "COM7";

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        core.SetPrompt(&prompt);
    }

    void TearDown() override {
        core.Disconnect();
        sim.Stop();
    }

    void UseProfile(std::string_view name) {
        const orvik::sim::RegisterProfile* profile = orvik::sim::FindProfile(name);
        ASSERT_NE(profile, nullptr) << name;
        sim.LoadProfile(*profile);
    }

    orvik::device::HRESULT Connect(std::u16string_view operatorName = u"Касир",
                                   std::u16string_view password = kPassword) {
        return core.Connect(kPort, operatorName, password);
    }

    // The commands the register has received since the last call, in order. Complete once
    // the operation that sent them has had its answer.
    Texts TakeReceived() {
        const auto all = sim.Activity().Commands();
        Texts texts = Utf8(std::vector<std::u16string>(
            all.begin() + static_cast<std::ptrdiff_t>(m_taken), all.end()));
        m_taken = all.size();
        return texts;
    }

    std::size_t WakeBytes() const { return sim.Activity().Snapshot().wakeBytes; }

    template <class F>
    decltype(auto) State(F&& f) {
        return sim.WithState(std::forward<F>(f));
    }

    TempPortsDir ports;  // first: the simulator links its port in it
    orvik::sim::Simulator sim{{kPort, ""}};
    RecordingPrompt prompt;
    orvik::device::COrvikCore core;

  private:
    std::size_t m_taken = 0;
};

}  // namespace sim_test
