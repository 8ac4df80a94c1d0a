#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "device/link/message_container.h"
#include "device/link/serial_port.h"
#include "device/orvik_core.h"
#include "res/string_table.h"
#include "sim/profiles.h"
#include "sim/simulator.h"
#include "support/text_codec.h"
#include "tests/support/link_access_core.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_ports_dir.h"

namespace sim_test {

using namespace std::chrono_literals;

// Bounds for waiting on things that do happen; generous, since a loaded machine or a sanitizer
// build is slow. A passing test never waits them out.
inline constexpr auto kBound = 10s;
// A shortened reply time-out for the cases that must end without an answer.
inline constexpr int kShortTimeoutMs = 300;
// The simulated register's password unless a test changes it.
inline constexpr std::u16string_view kPassword = u"0000";

using Texts = std::vector<std::string>;

inline std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}

inline std::vector<std::string> Utf8(const std::vector<std::u16string>& texts) {
    std::vector<std::string> out;
    for (const auto& text : texts) {
        out.push_back(orvik::support::ToUtf8(text));
    }
    return out;
}

// A string-table text as the core shows it.
inline std::string Message(int id) {
    return Utf8(orvik::LoadString(id));
}

// For conditions that nothing announces (the receiver's hang-up flag, the length of the reply
// queue): checks the condition every millisecond until it holds or the bound runs out.
template <class Condition>
bool Eventually(Condition condition, std::chrono::milliseconds bound = kBound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// The one "core plus simulator" fixture: the real device core and an in-process simulated
// register (profile f1m8 unless a test loads another) on a real pseudo-terminal, in a ports
// folder of the test's own, with the register's tape in that folder and a prompt that records
// what the core shows. Nothing is opened or connected yet: the fixtures built on it open the
// link (SimLinkTest) or connect as the console does (SessionTest, SimRegisterTest).
class CoreSimTest : public ::testing::Test {
  protected:
    static constexpr const char* kPort = "COM7";

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        core.SetPrompt(&prompt);
    }

    void TearDown() override {
        // Cancels a receipt left open and closes the port; harmless when nothing is open.
        core.Disconnect();
        sim.Stop();
    }

    // Becomes the register of the profile; call before connecting.
    void UseProfile(std::string_view name) {
        const orvik::sim::RegisterProfile* profile = orvik::sim::FindProfile(name);
        ASSERT_NE(profile, nullptr) << name;
        sim.LoadProfile(*profile);
    }

    template <class F>
    decltype(auto) State(F&& f) {
        return sim.WithState(std::forward<F>(f));
    }

    // Runs a command as the terminal page does: send, then wait for "READY".
    orvik::device::HRESULT Run(std::u16string_view command, int timeoutMs = 3000) {
        core.SendCommand(command);
        return core.WaitForReady(timeoutMs);
    }

    // The commands the register has received since the last call, in order. Complete once the
    // operation that sent them has had its answer.
    Texts TakeReceived() {
        const auto all = sim.Activity().Commands();
        Texts texts = Utf8(std::vector<std::u16string>(
            all.begin() + static_cast<std::ptrdiff_t>(m_taken), all.end()));
        m_taken = all.size();
        return texts;
    }

    std::size_t WakeBytes() const { return sim.Activity().Snapshot().wakeBytes; }

    // The texts of the boxes shown since the last call.
    std::vector<std::string> TakeShown() {
        std::vector<std::string> texts;
        for (const auto& entry : prompt.entries) {
            texts.push_back(Utf8(entry.text));
        }
        prompt.entries.clear();
        return texts;
    }

    // The texts of every box shown so far, each of which must be an error box.
    std::vector<std::string> ShownErrors() const {
        std::vector<std::string> texts;
        for (const auto& entry : prompt.entries) {
            EXPECT_EQ(entry.kind, RecordingPrompt::Kind::Error);
            texts.push_back(Utf8(entry.text));
        }
        return texts;
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
    LinkAccessCore core;

  private:
    std::size_t m_taken = 0;
};

}  // namespace sim_test
