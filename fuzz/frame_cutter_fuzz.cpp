// Feeds arbitrary bytes from the serial line through the frame cutter and the reply queue, the
// way the receiver does, in reads whose sizes the input chooses. The cutter is checked against a
// plain byte-by-byte statement of the cutting rules, and the queue against its bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/link/frame_cutter.h"
#include "device/link/message_container.h"
#include "fuzz/fuzz_check.h"
#include "support/text_codec.h"
#include "tests/support/reference_frame_cutter.h"

using namespace orvik::device;

namespace {

// The consumer's view of a queued reply: the text up to its first zero character.
std::u16string UpToZero(const std::u16string& text) {
    return text.substr(0, text.find(u'\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    // The first two bytes choose the two read sizes that alternate (1 to 64 and 1 to 4096
    // bytes); the third how often the consumer takes replies.
    const std::size_t smallRead = 1 + data[0] % 64;
    const std::size_t largeRead = 1 + static_cast<std::size_t>(data[1]) * 16;
    const unsigned popEvery = 1 + data[2] % 4;
    const std::span<const std::uint8_t> stream(data + 3, size - 3);

    auto cutter = std::make_unique<orvik::device::FrameCutter>();
    auto queue = std::make_unique<CMessageContainer>();
    ReferenceFrameCutter reference;
    std::deque<std::u16string> queued;  // what the queue should hold, oldest first

    std::size_t offset = 0;
    unsigned readNumber = 0;
    while (offset < stream.size()) {
        const auto space = cutter->FreeSpace();
        Check(!space.empty() && space.size() <= orvik::device::FrameCutter::kBufferSize);
        const std::size_t wanted = (readNumber % 2 == 0) ? smallRead : largeRead;
        const std::size_t count = std::min({wanted, space.size(), stream.size() - offset});
        std::memcpy(space.data(), stream.data() + offset, count);

        const auto expected = reference.Feed(stream.subspan(offset, count));
        offset += count;
        std::size_t replyNumber = 0;
        cutter->Commit(count, [&](std::span<const std::uint8_t> bytes) {
            Check(replyNumber < expected.size());
            const auto& want = expected[replyNumber++];
            Check(bytes.size() == want.size() &&
                  std::equal(bytes.begin(), bytes.end(), want.begin()));
            Check(bytes.size() <= orvik::device::FrameCutter::kBufferSize - 2);

            // As the receiver does: decode at most a slot's worth and push.
            const std::size_t length = std::min(bytes.size(), CMessageContainer::kMaxTextLength);
            std::u16string text(length, u'\0');
            for (std::size_t i = 0; i < length; ++i) {
                text[i] = orvik::support::DecodeByte(orvik::support::CodePage::Oem866, bytes[i]);
            }
            const int before = queue->Count();
            const bool accepted = queue->Push(text);
            Check(accepted == (!text.empty() && before < CMessageContainer::kCapacity - 1));
            if (accepted) {
                queued.push_back(text);
                Check(queue->IsSignalled());
            }
            Check(queue->Count() == static_cast<int>(queued.size()));
        });
        Check(replyNumber == expected.size());
        Check(cutter->HeldBytes() == reference.HeldBytes());
        Check(cutter->HeldBytes() < orvik::device::FrameCutter::kBufferSize);

        if (++readNumber % popEvery == 0) {
            // Take up to two replies, checking each against what was pushed.
            for (int i = 0; i < 2 && !queue->IsEmpty(); ++i) {
                const std::u16string_view front = queue->Front();
                Check(front.size() <= CMessageContainer::kMaxTextLength);
                Check(!queued.empty() && front == UpToZero(queued.front()));
                queue->Pop();
                queued.pop_front();
                Check(queue->IsSignalled() == !queue->IsEmpty());
            }
        }
        Check(queue->Count() >= 0 && queue->Count() <= CMessageContainer::kCapacity - 1);
    }
    while (!queue->IsEmpty()) {
        Check(!queued.empty() && queue->Front() == UpToZero(queued.front()));
        queue->Pop();
        queued.pop_front();
    }
    Check(queued.empty() && !queue->IsSignalled());
    return 0;
}
