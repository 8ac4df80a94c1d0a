#include "sim/activity_record.h"

namespace orvik::sim {

template <class Change>
void CActivityRecord::Update(Change&& change) {
    {
        std::lock_guard lock(m_mutex);
        change(m_activity);
    }
    m_changed.notify_all();
}

void CActivityRecord::AddCommand(std::u16string text) {
    Update([&text](Activity& a) { a.commands.push_back(std::move(text)); });
}

void CActivityRecord::AddWakeByte() {
    Update([](Activity& a) { ++a.wakeBytes; });
}

void CActivityRecord::AddBadFrame() {
    Update([](Activity& a) { ++a.badFrames; });
}

void CActivityRecord::AddAnswer() {
    Update([](Activity& a) { ++a.answers; });
}

void CActivityRecord::SetHungUp(bool hungUp) {
    Update([hungUp](Activity& a) { a.hungUp = hungUp; });
}

Activity CActivityRecord::Snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_activity;
}

std::vector<std::u16string> CActivityRecord::Commands() const {
    std::lock_guard lock(m_mutex);
    return m_activity.commands;
}

bool CActivityRecord::WaitUntil(const std::function<bool(const Activity&)>& condition,
                                std::chrono::milliseconds bound) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, bound, [&] { return condition(m_activity); });
}

bool CActivityRecord::WaitForCommands(std::size_t count, std::chrono::milliseconds bound) const {
    return WaitUntil([count](const Activity& a) { return a.commands.size() >= count; }, bound);
}

}  // namespace orvik::sim
