#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "device/orvik_core.h"
#include "res/string_table.h"
#include "sim/key_position.h"
#include "sim/profiles.h"
#include "sim/simulator.h"
#include "tests/integration/sim_link_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_ports_dir.h"

namespace sim_test {

using orvik::sim::KeyPosition;
using orvik::sim::RegisterState;

inline std::string MessageText(int id) {
    return Utf8(orvik::LoadString(id));
}

// The real device core connected, as the console connects, to an in-process simulated register
// with the register's own command handlers and a tape, in a ports folder of the test's own.
class SimRegisterTest : public ::testing::Test {
  protected:
    static constexpr const char* kPort = "COM6";

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        core.SetPrompt(&prompt);
    }

    void TearDown() override {
        core.Disconnect();
        sim.Stop();
    }

    // Becomes the register of the profile; call before Connect.
    void UseProfile(std::string_view name) {
        const orvik::sim::RegisterProfile* profile = orvik::sim::FindProfile(name);
        ASSERT_NE(profile, nullptr) << name;
        sim.LoadProfile(*profile);
    }

    void Connect() {
        ASSERT_EQ(core.Connect(kPort, u"Касир", u"0000"), orvik::device::S_OK)
            << Utf8(core.lastMessage);
        prompt.entries.clear();
        core.lastMessage.clear();
    }

    template <class F>
    decltype(auto) State(F&& f) {
        return sim.WithState(std::forward<F>(f));
    }

    void TurnKey(KeyPosition key) {
        State([key](RegisterState& state) { orvik::sim::TurnKey(state, key); });
    }

    // The texts of the boxes shown since the last call.
    std::vector<std::string> TakeShown() {
        std::vector<std::string> texts;
        for (const auto& entry : prompt.entries) {
            texts.push_back(Utf8(entry.text));
        }
        prompt.entries.clear();
        return texts;
    }

    // The commands the register has received since the last call, in order.
    Texts TakeReceived() {
        const auto all = sim.Activity().Commands();
        Texts texts = Utf8(std::vector<std::u16string>(
            all.begin() + static_cast<std::ptrdiff_t>(m_taken), all.end()));
        m_taken = all.size();
        return texts;
    }

    // Runs a command as the terminal page does: send, then wait for "READY".
    orvik::device::HRESULT Run(std::u16string_view command) {
        core.SendCommand(command);
        return core.WaitForReady(core.replyTimeout);
    }

    // Every line on the tape so far, the simulator's own records among them.
    std::vector<std::string> TapeLines() const {
        std::ifstream in(tapePath);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    // Whether the tape has a line that is exactly text (a printed line, not a record).
    bool TapeHasLine(std::string_view text) const {
        for (const std::string& line : TapeLines()) {
            if (line == text) {
                return true;
            }
        }
        return false;
    }

    TempPortsDir ports;  // first: the simulator links its port and keeps its tape in it
    const std::string tapePath = ports.Path() + "/tape.txt";
    orvik::sim::Simulator sim{{kPort, tapePath}};
    RecordingPrompt prompt;
    orvik::device::COrvikCore core;

  private:
    std::size_t m_taken = 0;
};

}  // namespace sim_test
