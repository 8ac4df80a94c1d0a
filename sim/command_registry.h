#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/register_state.h"

// The commands the simulated register understands. A command is known by its name, the first
// four characters of its text (letter case matters: "CONf" and "CONF" are different commands).
// A handler gets the whole command text and the register's state and returns the replies to
// send, in order; the last one is normally "READY".
namespace orvik::sim {

using Replies = std::vector<std::u16string>;
using CommandHandler = std::function<Replies(std::u16string_view text, RegisterState& state)>;

inline constexpr std::size_t kCommandNameLength = 4;

// The name of a command text: its first four characters (fewer when the text is shorter).
std::u16string_view CommandName(std::u16string_view text);

class CommandRegistry {
  public:
    // Adds or replaces the handler of a command name.
    void Register(std::u16string name, CommandHandler handler);
    // The handler for a command name, or nullptr when the register does not know it.
    const CommandHandler* Find(std::u16string_view name) const;

    // What the register answers to the wake-up byte (the text argument is empty).
    void SetWakeHandler(CommandHandler handler) { m_wake = std::move(handler); }
    const CommandHandler* WakeHandler() const { return m_wake ? &m_wake : nullptr; }

  private:
    std::map<std::u16string, CommandHandler, std::less<>> m_handlers;
    CommandHandler m_wake;
};

// The commands every simulated register answers.
void RegisterBuiltinCommands(CommandRegistry& registry);
// The wake-up byte, the log-in, the configuration queries and the preparing commands
// (session_commands.cpp).
void RegisterSessionCommands(CommandRegistry& registry);
// The reports and test documents (report_commands.cpp) and the programmable settings with
// their queries (settings_commands.cpp). Registered after the session commands.
void RegisterReportCommands(CommandRegistry& registry);
void RegisterSettingsCommands(CommandRegistry& registry);
// The receipts and the cash drawer (receipt_commands.cpp, receipt_close.cpp,
// cash_commands.cpp).
void RegisterReceiptCommands(CommandRegistry& registry);

}  // namespace orvik::sim
