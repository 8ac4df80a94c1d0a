#include "sim/command_registry.h"

namespace orvik::sim {

std::u16string_view CommandName(std::u16string_view text) {
    return text.substr(0, kCommandNameLength);
}

void CommandRegistry::Register(std::u16string name, CommandHandler handler) {
    m_handlers.insert_or_assign(std::move(name), std::move(handler));
}

const CommandHandler* CommandRegistry::Find(std::u16string_view name) const {
    const auto it = m_handlers.find(name);
    return it == m_handlers.end() ? nullptr : &it->second;
}

}  // namespace orvik::sim
