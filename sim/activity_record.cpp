#include "sim/activity_record.h"

namespace orvik::sim {

template <class Change>
void ActivityRecord::Update(Change&& change) {
    {
        std::lock_guard lock(m_mutex);
        change(m_activity);
    }
    m_changed.notify_all();
}

void ActivityRecord::AddCommand(std::u16string text) {
    Update([&text](Activity& a) { a.commands.push_back(std::move(text)); });
}

void ActivityRecord::AddWakeByte() {
    Update([](Activity& a) { ++a.wakeBytes; });
}

void ActivityRecord::AddBadFrame() {
    Update([](Activity& a) { ++a.badFrames; });
}

void ActivityRecord::AddAnswer() {
    Update([](Activity& a) { ++a.answers; });
}

void ActivityRecord::SetHungUp(bool hungUp) {
    Update([hungUp](Activity& a) { a.hungUp = hungUp; });
}

Activity ActivityRecord::Snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_activity;
}

std::vector<std::u16string> ActivityRecord::Commands() const {
    std::lock_guard lock(m_mutex);
    return m_activity.commands;
}

bool ActivityRecord::WaitUntil(const std::function<bool(const Activity&)>& condition,
                               std::chrono::milliseconds bound) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, bound, [&] { return condition(m_activity); });
}

bool ActivityRecord::WaitForCommands(std::size_t count, std::chrono::milliseconds bound) const {
    return WaitUntil([count](const Activity& a) { return a.commands.size() >= count; }, bound);
}

}  // namespace orvik::sim
