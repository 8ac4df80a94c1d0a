#pragma once

#include <string>
#include <vector>

#include "sim/key_position.h"
#include "tests/integration/core_sim_fixture.h"

namespace sim_test {

using orvik::sim::KeyPosition;
using orvik::sim::RegisterState;

// The shared fixture connected, as the console connects, to the register's own command
// handlers, with what the connection showed and left behind cleared.
class SimRegisterTest : public CoreSimTest {
  protected:
    void Connect() {
        ASSERT_EQ(core.Connect(kPort, u"Касир", kPassword), orvik::device::S_OK)
            << Utf8(core.lastMessage);
        prompt.entries.clear();
        core.lastMessage.clear();
    }

    void TurnKey(KeyPosition key) {
        State([key](RegisterState& state) { orvik::sim::TurnKey(state, key); });
    }
};

}  // namespace sim_test
