#include "device/link/message_container.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace orvik::device {

CMessageContainer::CMessageContainer() {
    std::memset(m_slots.data(), 0, sizeof(m_slots));
}

bool CMessageContainer::Push(std::u16string_view text) {
    const int tail = m_tail.load(std::memory_order_relaxed);
    const int head = m_head.load(std::memory_order_acquire);
    if (Next(tail) == head || text.empty()) {
        return false;
    }
    Slot& slot = m_slots[tail];
    const std::size_t length = std::min(text.size(), kMaxTextLength);
    slot.length = static_cast<std::uint16_t>(length);
    std::copy_n(text.data(), length, slot.text);
    slot.text[length] = u'\0';
    m_tail.store(static_cast<std::int16_t>(Next(tail)), std::memory_order_release);
    m_notEmpty.Set();
    return true;
}

std::u16string_view CMessageContainer::Front() const {
    const int head = m_head.load(std::memory_order_relaxed);
    if (head == m_tail.load(std::memory_order_acquire)) {
        return {};
    }
    // The text runs to its zero unit; a blanked slot therefore reads as empty.
    const Slot& slot = m_slots[head];
    return std::u16string_view(slot.text);
}

bool CMessageContainer::IsEmpty() const {
    return m_head.load(std::memory_order_relaxed) == m_tail.load(std::memory_order_acquire);
}

int CMessageContainer::Count() const {
    const int head = m_head.load(std::memory_order_relaxed);
    const int tail = m_tail.load(std::memory_order_acquire);
    return (tail - head + kCapacity) % kCapacity;
}

void CMessageContainer::Pop() {
    m_notEmpty.Reset();
    const int head = m_head.load(std::memory_order_relaxed);
    if (head == m_tail.load(std::memory_order_acquire)) {
        return;
    }
    const int next = Next(head);
    m_head.store(static_cast<std::int16_t>(next), std::memory_order_release);
    if (next != m_tail.load(std::memory_order_acquire)) {
        m_notEmpty.Set();
    }
}

bool CMessageContainer::WaitNotEmpty(int timeoutMs, const std::function<void()>* idle) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    int remaining = timeoutMs;
    for (;;) {
        // Replies pushed before the producer ended are still handed out.
        if (IsEmpty() && ProducerEnded()) {
            return false;
        }
        if (!m_notEmpty.Wait(remaining, idle)) {
            return false;
        }
        if (!IsEmpty()) {
            return true;
        }
        // The producer publishes a reply before it signals, so the consumer may already have
        // taken that reply when the signal arrives. Clear the stale signal; a push that comes
        // after the reset signals again, and one that came before is seen by the second look.
        m_notEmpty.Reset();
        if (!IsEmpty()) {
            m_notEmpty.Set();
            return true;
        }
        if (timeoutMs >= 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            remaining = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
        }
    }
}

void CMessageContainer::EndProducer() {
    m_producerEnded.store(true, std::memory_order_release);
    m_notEmpty.Set();
}

void CMessageContainer::RestartProducer() {
    m_producerEnded.store(false, std::memory_order_release);
}

void CMessageContainer::BlankTexts() {
    // Only the queued slots: they belong to the consumer until it pops them, whereas the slot
    // at tail may be filled by the receiver at this very moment, and a reply arriving during
    // the blanking must stay whole. The other slots are rewritten before they are read again.
    const int tail = m_tail.load(std::memory_order_acquire);
    for (int index = m_head.load(std::memory_order_relaxed); index != tail; index = Next(index)) {
        // The first 300 bytes of a slot: its length and its first 149 characters.
        Slot& slot = m_slots[index];
        slot.length = 0;
        std::fill_n(slot.text, 149, u'\0');
    }
}

}  // namespace orvik::device
