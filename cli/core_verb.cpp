#include "cli/core_verb.h"

#include <cstdio>

#include "device/orvik_core.h"
#include "support/text_codec.h"

namespace orvik::cli {

int ExitStatusFor(device::HRESULT result) {
    return device::Succeeded(result) ? 0 : 1;
}

void PrintProblem(const std::string& text) {
    std::fprintf(stderr, "orvik-cli: %s\n", support::EscapeControls(text).c_str());
}

bool RequireModel8(const device::COrvikCore& core, const std::string& verb) {
    if (core.deviceFamily == 1 && core.deviceModel == 8) {
        return true;
    }
    PrintProblem(verb + ": only family 1 model 8 has this; the register is family " +
                 std::to_string(core.deviceFamily) + " model " + std::to_string(core.deviceModel));
    return false;
}

}  // namespace orvik::cli
