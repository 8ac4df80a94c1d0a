#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/link/manual_reset_event.h"

namespace orvik::device {

// The reply queue: a ring of 64 fixed slots (63 usable) between the receiver thread, the only
// producer, and the user-interface thread, the only consumer. The producer fills a slot before
// it publishes the new tail; the consumer reads a slot before it publishes the new head. A
// manual-reset event tells the consumer that replies are waiting.
class CMessageContainer {
  public:
    static constexpr int kCapacity = 64;
    // A slot holds the text and its terminating zero unit in 299 units.
    static constexpr std::size_t kSlotUnits = 299;
    static constexpr std::size_t kMaxTextLength = kSlotUnits - 1;

    CMessageContainer();
    virtual ~CMessageContainer() = default;
    CMessageContainer(const CMessageContainer&) = delete;
    CMessageContainer& operator=(const CMessageContainer&) = delete;

    // Producer: queues a reply. Drops it (false) when the queue is full or the text is empty.
    // A text longer than a slot keeps its first kMaxTextLength characters.
    bool Push(std::u16string_view text);

    // Consumer: the oldest reply's text, or an empty view when the queue is empty. The view
    // stays valid until the next Pop.
    std::u16string_view Front() const;
    bool IsEmpty() const;
    int Count() const;

    // Consumer: resets the event, drops the oldest reply and sets the event again if any
    // replies remain, so that a reply pushed meanwhile is never left unsignalled.
    void Pop();

    // Consumer: zeroes the length and the first 149 characters of every queued slot; queued
    // replies then read as empty texts. Head, tail and the event are left alone.
    void BlankTexts();

    // Consumer: waits up to timeoutMs (negative: without limit) until a reply is queued; true
    // only when one is. A signal that comes late, from a push whose reply has already been
    // taken, is cleared and the wait goes on.
    // Once the producer has ended and every reply is taken, it returns false at once.
    bool WaitNotEmpty(int timeoutMs, const std::function<void()>* idle = nullptr);

    // Producer: no reply will come any more (the line hung up or the receiver failed); a
    // consumer waiting now, or later, is woken at once instead of waiting out its time-out.
    void EndProducer();
    // A new producer starts (the receiver was started again).
    void RestartProducer();
    bool ProducerEnded() const { return m_producerEnded.load(std::memory_order_acquire); }
    bool IsSignalled() const { return m_notEmpty.IsSet(); }

  private:
    struct Slot {
        std::uint16_t length;
        char16_t text[kSlotUnits];
    };

    static int Next(int index) { return (index + 1) % kCapacity; }

    orvik::device::ManualResetEvent m_notEmpty;
    std::atomic<std::int16_t> m_head{0};  // written by the consumer only
    std::atomic<std::int16_t> m_tail{0};  // written by the producer only
    std::atomic<bool> m_producerEnded{false};
    std::array<Slot, kCapacity> m_slots;
};

}  // namespace orvik::device
