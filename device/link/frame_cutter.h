#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvik::device {

// Cuts reply frames out of the bytes read from the serial line. Bytes before a frame start are
// discarded; a frame that is still arriving is kept until its end byte comes; the length byte,
// trailer and checksum of a reply are not checked. Works in one fixed buffer, allocating nothing.

class FrameCutter {
  public:
    static constexpr std::size_t kBufferSize = 4096;

    // Where the next read may put its bytes; never empty.
    std::span<std::uint8_t> FreeSpace() { return std::span(m_buffer).subspan(m_fill); }

    // Takes `count` bytes just read into FreeSpace() and calls sink(std::span<const uint8_t>)
    // with the text bytes of every complete reply (between the start byte and the length byte),
    // oldest first. A reply of only a length byte, or an empty frame, yields an empty span.
    template <class Sink>
    void Commit(std::size_t count, Sink&& sink) {
        m_fill += count;
        while (m_fill != 0) {
            if (!AlignToFrameStart()) {
                break;
            }
            const std::size_t end = FindFrameEnd();
            if (end == kNotFound) {
                // A whole buffer without a frame end cannot become a reply: drop it so that
                // reading goes on instead of stalling on a full buffer.
                if (m_fill == kBufferSize) {
                    m_fill = 0;
                }
                break;
            }
            const std::size_t textLength = end >= 2 ? end - 2 : 0;
            sink(std::span<const std::uint8_t>(m_buffer.data() + 1, textLength));
            Consume(end + 1);
        }
    }

    std::size_t HeldBytes() const { return m_fill; }

  private:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    // Drops the bytes before the first frame start; false when there is none (all dropped).
    bool AlignToFrameStart();
    std::size_t FindFrameEnd() const;
    void Consume(std::size_t count);

    std::array<std::uint8_t, kBufferSize> m_buffer{};
    std::size_t m_fill = 0;
};

}  // namespace orvik::device
