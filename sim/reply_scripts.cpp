#include "sim/reply_scripts.h"

namespace orvik::sim {

void ReplyScripts::Add(std::u16string_view name, Replies replies, int times) {
    if (times == 0) {
        return;
    }
    std::lock_guard lock(m_mutex);
    m_scripts[std::u16string(name)].push_back({std::move(replies), times < 0 ? kAlways : times});
}

void ReplyScripts::Clear(std::u16string_view name) {
    std::lock_guard lock(m_mutex);
    if (const auto it = m_scripts.find(name); it != m_scripts.end()) {
        m_scripts.erase(it);
    }
}

void ReplyScripts::ClearAll() {
    std::lock_guard lock(m_mutex);
    m_scripts.clear();
}

std::optional<Replies> ReplyScripts::Take(std::u16string_view name) {
    std::lock_guard lock(m_mutex);
    const auto it = m_scripts.find(name);
    if (it == m_scripts.end() || it->second.empty()) {
        return std::nullopt;
    }
    Script& script = it->second.front();
    if (script.remaining == kAlways) {
        return script.replies;
    }
    Replies replies = std::move(script.replies);
    if (--script.remaining == 0) {
        it->second.pop_front();
        if (it->second.empty()) {
            m_scripts.erase(it);
        }
    } else {
        script.replies = replies;
    }
    return replies;
}

}  // namespace orvik::sim
