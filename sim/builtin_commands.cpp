// The commands that need no register state.
#include "sim/command_registry.h"

namespace orvik::sim {

void RegisterBuiltinCommands(CommandRegistry& registry) {
    // The no-op: the register only confirms that it is there.
    registry.Register(u"NULL",
                      [](std::u16string_view, RegisterState&) { return Replies{u"READY"}; });
}

}  // namespace orvik::sim
