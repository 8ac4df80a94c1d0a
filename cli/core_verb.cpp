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

bool RequireCapability(const device::COrvikCore& core,
                       bool device::RegisterCapabilities::*capability, const std::string& verb) {
    const device::RegisterCapabilities& caps = core.Capabilities();
    if (caps.*capability) {
        return true;
    }
    PrintProblem(verb + ": only family 1 model 8 has this; the register is family " +
                 std::to_string(caps.family) + " model " + std::to_string(caps.model));
    return false;
}

}  // namespace orvik::cli
