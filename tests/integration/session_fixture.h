#pragma once

#include <string>
#include <string_view>

#include "tests/integration/core_sim_fixture.h"

namespace sim_test {

// The text cut or padded with blanks to the width, as the register sends its fields.
inline std::u16string PadTo(std::u16string_view text, std::size_t width) {
    std::u16string out(text.substr(0, width));
    out.resize(width, u' ');
    return out;
}

// The shared fixture for the session: the tests connect as the console does and see the result.
class SessionTest : public CoreSimTest {
  protected:
    orvik::device::HRESULT Connect(std::u16string_view operatorName = u"Касир",
                                   std::u16string_view password = kPassword) {
        return core.Connect(kPort, operatorName, password);
    }
};

}  // namespace sim_test
