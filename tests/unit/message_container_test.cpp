// The reply queue between the receiver thread and the waiting core.
#include "device/link/message_container.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "tests/unit/print_helpers.h"

using namespace orvik::device;

namespace {

constexpr int kUsable = CMessageContainer::kCapacity - 1;

std::u16string Numbered(int n) {
    std::u16string text = u"R";
    for (char c : std::to_string(n)) {
        text.push_back(static_cast<char16_t>(c));
    }
    return text;
}

class MessageContainer : public testing::Test {
  protected:
    // About 38 KB: on the heap, as the core keeps it.
    std::unique_ptr<CMessageContainer> queue = std::make_unique<CMessageContainer>();
};

TEST_F(MessageContainer, StartsEmptyAndUnsignalled) {
    EXPECT_TRUE(queue->IsEmpty());
    EXPECT_EQ(queue->Count(), 0);
    EXPECT_TRUE(queue->Front().empty());
    EXPECT_FALSE(queue->IsSignalled());
}

TEST_F(MessageContainer, RepliesComeOutInOrder) {
    ASSERT_TRUE(queue->Push(u"CONF1"));
    ASSERT_TRUE(queue->Push(u"SOFTPAPER"));
    ASSERT_TRUE(queue->Push(u"READY"));
    EXPECT_EQ(queue->Count(), 3);
    for (std::u16string_view expected : {u"CONF1", u"SOFTPAPER", u"READY"}) {
        ASSERT_FALSE(queue->IsEmpty());
        EXPECT_EQ(Utf8(queue->Front()), Utf8(expected));
        queue->Pop();
    }
    EXPECT_TRUE(queue->IsEmpty());
}

TEST_F(MessageContainer, HoldsAtMost63) {
    for (int i = 0; i < kUsable; ++i) {
        ASSERT_TRUE(queue->Push(Numbered(i))) << i;
    }
    EXPECT_EQ(queue->Count(), kUsable);
    EXPECT_FALSE(queue->Push(u"DROPPED"));
    EXPECT_EQ(queue->Count(), kUsable);

    queue->Pop();
    EXPECT_TRUE(queue->Push(u"ACCEPTED"));
    EXPECT_EQ(queue->Count(), kUsable);
    // The dropped reply left no trace: the oldest is R1, the newest ACCEPTED.
    for (int i = 1; i < kUsable; ++i) {
        ASSERT_EQ(Utf8(queue->Front()), Utf8(Numbered(i)));
        queue->Pop();
    }
    EXPECT_EQ(Utf8(queue->Front()), "ACCEPTED");
}

TEST_F(MessageContainer, EmptyReplyIsDropped) {
    EXPECT_FALSE(queue->Push(u""));
    EXPECT_TRUE(queue->IsEmpty());
    EXPECT_FALSE(queue->IsSignalled());
}

TEST_F(MessageContainer, ShorterReplyInReusedSlotKeepsNoOldCharacters) {
    const std::u16string longer(200, u'Щ');
    // Two rounds of long replies through every slot, then short ones through the same slots.
    for (int i = 0; i < 2 * CMessageContainer::kCapacity; ++i) {
        ASSERT_TRUE(queue->Push(longer));
        queue->Pop();
    }
    for (int i = 0; i < CMessageContainer::kCapacity; ++i) {
        const std::u16string shorter = Numbered(i);
        ASSERT_TRUE(queue->Push(shorter));
        ASSERT_EQ(Utf8(queue->Front()), Utf8(shorter)) << "slot round " << i;
        queue->Pop();
    }
}

TEST_F(MessageContainer, OverlongReplyIsCutToSlotSize) {
    std::u16string overlong(1000, u'a');
    overlong[CMessageContainer::kMaxTextLength - 1] = u'z';
    ASSERT_TRUE(queue->Push(overlong));
    const std::u16string_view kept = queue->Front();
    ASSERT_EQ(kept.size(), CMessageContainer::kMaxTextLength);
    EXPECT_EQ(kept.back(), u'z');
    // The neighbouring slot is untouched.
    ASSERT_TRUE(queue->Push(u"NEXT"));
    queue->Pop();
    EXPECT_EQ(Utf8(queue->Front()), "NEXT");
}

TEST_F(MessageContainer, EventFollowsTheQueue) {
    ASSERT_TRUE(queue->Push(u"ONE"));
    EXPECT_TRUE(queue->IsSignalled());
    ASSERT_TRUE(queue->Push(u"TWO"));
    queue->Pop();
    EXPECT_TRUE(queue->IsSignalled()) << "a reply is still queued";
    queue->Pop();
    EXPECT_FALSE(queue->IsSignalled()) << "the last reply was taken";
    EXPECT_TRUE(queue->IsEmpty());
}

TEST_F(MessageContainer, PopOnEmptyOnlyResetsTheEvent) {
    ASSERT_TRUE(queue->Push(u"ONE"));
    queue->Pop();
    queue->Pop();
    EXPECT_TRUE(queue->IsEmpty());
    EXPECT_FALSE(queue->IsSignalled());
    // Head did not move past tail: the next reply is found normally.
    ASSERT_TRUE(queue->Push(u"TWO"));
    EXPECT_EQ(queue->Count(), 1);
    EXPECT_EQ(Utf8(queue->Front()), "TWO");
}

TEST_F(MessageContainer, BlankTextsEmptiesQueuedTextsButKeepsThem) {
    ASSERT_TRUE(queue->Push(u"CONF1"));
    ASSERT_TRUE(queue->Push(std::u16string(250, u'Ы')));
    ASSERT_TRUE(queue->Push(u"READY"));
    queue->BlankTexts();
    EXPECT_EQ(queue->Count(), 3);
    EXPECT_TRUE(queue->IsSignalled());
    for (int i = 0; i < 3; ++i) {
        ASSERT_FALSE(queue->IsEmpty());
        EXPECT_EQ(Utf8(queue->Front()), "") << "reply " << i;
        queue->Pop();
    }
    EXPECT_TRUE(queue->IsEmpty());
    // Replies that arrive afterwards read normally.
    ASSERT_TRUE(queue->Push(u"READY"));
    EXPECT_EQ(Utf8(queue->Front()), "READY");
}

TEST_F(MessageContainer, WaitOnEmptyQueueTimesOut) {
    EXPECT_FALSE(queue->WaitNotEmpty(20));
    ASSERT_TRUE(queue->Push(u"READY"));
    EXPECT_TRUE(queue->WaitNotEmpty(0));
}

// One producer thread and one consumer, as the receiver and the core use the queue.
TEST(MessageContainerThreads, ProducerAndConsumerAgreeOnEveryReply) {
    constexpr int kReplies = 100000;
    auto queue = std::make_unique<CMessageContainer>();
    // Lengths vary so that short replies land in slots that held longer ones.
    auto textOf = [](int n) {
        return Numbered(n) + std::u16string(static_cast<std::size_t>(n % 37), u'ж');
    };

    std::thread producer([&] {
        for (int n = 0; n < kReplies; ++n) {
            const std::u16string text = textOf(n);
            while (!queue->Push(text)) {
                std::this_thread::yield();  // full: the consumer is behind
            }
        }
    });

    int received = 0;
    std::string failure;
    // The consumer keeps taking replies after a mismatch so that the producer can finish.
    while (received < kReplies) {
        if (!queue->WaitNotEmpty(10000)) {
            failure = "no reply within 10 s after " + std::to_string(received);
            break;
        }
        if (queue->IsEmpty()) {
            if (failure.empty()) {
                failure = "woke with an empty queue after " + std::to_string(received);
            }
            continue;
        }
        if (failure.empty() && queue->Front() != textOf(received)) {
            failure = "reply " + std::to_string(received) + " read as " + Utf8(queue->Front());
        }
        queue->Pop();
        ++received;
    }
    producer.join();
    EXPECT_EQ(failure, "");
    EXPECT_EQ(received, kReplies);
}

// A consumer that blanks the queue while the producer goes on: every reply reads either as
// itself or, if it was queued when the blanking ran, as the empty text, never as a fragment.
TEST(MessageContainerThreads, BlankingWhileRepliesArriveCorruptsNone) {
    constexpr int kReplies = 20000;
    auto queue = std::make_unique<CMessageContainer>();
    auto textOf = [](int n) { return Numbered(n) + std::u16string(120, u'x'); };

    std::thread producer([&] {
        for (int n = 0; n < kReplies; ++n) {
            const std::u16string text = textOf(n);
            while (!queue->Push(text)) {
                std::this_thread::yield();
            }
        }
    });

    int received = 0;
    int blanked = 0;
    std::string failure;
    while (received < kReplies) {
        if (!queue->WaitNotEmpty(10000)) {
            failure = "no reply within 10 s after " + std::to_string(received);
            break;
        }
        if (queue->IsEmpty()) {
            if (failure.empty()) {
                failure = "woke with an empty queue after " + std::to_string(received);
            }
            continue;
        }
        if (received % 50 == 0) {
            queue->BlankTexts();
        }
        const std::u16string_view text = queue->Front();
        if (text.empty()) {
            ++blanked;
        } else if (failure.empty() && text != textOf(received)) {
            failure = "reply " + std::to_string(received) + " read as " + Utf8(text);
        }
        queue->Pop();
        ++received;
    }
    producer.join();
    EXPECT_EQ(failure, "");
    EXPECT_GT(blanked, 0);
}

}  // namespace
