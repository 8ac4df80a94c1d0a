#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "device/link/message_container.h"
#include "device/link/serial_port.h"
#include "device/orvik_core.h"
#include "sim/simulator.h"
#include "support/text_codec.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_ports_dir.h"

namespace sim_test {

using namespace std::chrono_literals;

// Bounds for waiting on things that do happen; generous, since a loaded machine or a sanitizer
// build is slow. A passing test never waits them out.
inline constexpr auto kBound = 10s;
// A shortened reply time-out for the cases that must end without an answer.
inline constexpr int kShortTimeoutMs = 300;

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

// The real device core connected to an in-process simulated register over a real
// pseudo-terminal, in a ports folder of the test's own.
class SimLinkTest : public ::testing::Test {
  protected:
    static constexpr const char* kPort = "COM7";

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        core.SetPrompt(&prompt);
        ASSERT_EQ(core.OpenPort(kPort), 1) << core.OpenFailureReason();
        ASSERT_TRUE(core.StartReceiver());
    }

    void TearDown() override {
        core.StopReceiverAndClosePort();
        sim.Stop();
    }

    // The usual transaction: send, then wait for "READY" with the given time-out.
    orvik::device::HRESULT Run(std::u16string_view command, int timeoutMs = 3000) {
        core.SendCommand(command);
        return core.WaitForReady(timeoutMs);
    }

    // Sends a command and waits, without consuming anything, until `count` replies are queued.
    ::testing::AssertionResult SendAndQueue(std::u16string_view command, int count) {
        core.SendCommand(command);
        if (!Eventually([&] { return core.Queue().Count() >= count; })) {
            return ::testing::AssertionFailure()
                   << core.Queue().Count() << " of " << count << " replies queued";
        }
        return ::testing::AssertionSuccess();
    }

    std::vector<std::string> ReadReplies(int count) {
        std::vector<std::string> replies;
        for (int i = 0; i < count; ++i) {
            replies.push_back(Utf8(core.ReadReply()));
        }
        return replies;
    }

    std::vector<std::string> ShownErrors() const {
        std::vector<std::string> texts;
        for (const auto& entry : prompt.entries) {
            EXPECT_EQ(entry.kind, RecordingPrompt::Kind::Error);
            texts.push_back(Utf8(entry.text));
        }
        return texts;
    }

    TempPortsDir ports;  // first: the simulator links its port in it
    orvik::sim::Simulator sim{{kPort, ""}};
    RecordingPrompt prompt;
    orvik::device::COrvikCore core;
};

}  // namespace sim_test
