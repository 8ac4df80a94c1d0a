#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "sim/command_registry.h"

// Replies that a test scripts for a command name. While a script for a name is present it
// replaces that command's handler. Scripts for one name queue up: the first is used until its
// count runs out, then the next. Safe to use from several threads.
namespace orvik::sim {

// A count meaning "until cleared".
inline constexpr int kAlways = -1;

class ReplyScripts {
  public:
    // Queues a script: the replies to send, in order, for the next `times` commands with this
    // name (kAlways: until cleared). Any text may be a reply: data, status tokens, "READY",
    // or a text holding several of them.
    void Add(std::u16string_view name, Replies replies, int times = kAlways);
    // Drops every script of a name, or of every name.
    void Clear(std::u16string_view name);
    void ClearAll();

    // The scripted replies for a command name, using up one count; nothing when no script is
    // present.
    std::optional<Replies> Take(std::u16string_view name);

  private:
    struct Script {
        Replies replies;
        int remaining;
    };

    mutable std::mutex m_mutex;  // guards m_scripts
    std::map<std::u16string, std::deque<Script>, std::less<>> m_scripts;
};

}  // namespace orvik::sim
