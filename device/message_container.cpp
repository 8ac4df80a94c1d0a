#include "message_container.h"

#include <algorithm>
#include <cstring>

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

void CMessageContainer::BlankTexts() {
    // The first 300 bytes of a slot: its length and its first 149 characters.
    for (Slot& slot : m_slots) {
        slot.length = 0;
        std::fill_n(slot.text, 149, u'\0');
    }
}
