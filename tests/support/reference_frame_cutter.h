#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The frame-cutting rules written out byte by byte, as plainly as possible, to check the real
// cutter against: the first 0xFD starts a frame (a later 0xFD inside it is just a byte), the
// first 0xFE ends it, the byte before the 0xFE is the length byte and is dropped, bytes outside
// a frame are dropped, and a frame that reaches 4096 bytes without its end is dropped whole.
class ReferenceFrameCutter {
  public:
    static constexpr std::size_t kMaxHeld = 4096;

    // Feeds bytes and returns the texts of the replies they complete, oldest first.
    std::vector<std::vector<std::uint8_t>> Feed(std::span<const std::uint8_t> bytes) {
        std::vector<std::vector<std::uint8_t>> replies;
        for (std::uint8_t b : bytes) {
            if (!m_inFrame) {
                if (b == 0xFD) {
                    m_inFrame = true;
                    m_frame.assign(1, b);
                }
                continue;
            }
            if (b == 0xFE) {
                // m_frame holds 0xFD, the text and the length byte.
                const std::size_t textLength = m_frame.size() >= 2 ? m_frame.size() - 2 : 0;
                replies.emplace_back(m_frame.begin() + 1,
                                     m_frame.begin() + 1 + static_cast<std::ptrdiff_t>(textLength));
                m_inFrame = false;
                m_frame.clear();
                continue;
            }
            m_frame.push_back(b);
            if (m_frame.size() == kMaxHeld) {
                m_inFrame = false;
                m_frame.clear();
            }
        }
        return replies;
    }

    std::size_t HeldBytes() const { return m_frame.size(); }

  private:
    bool m_inFrame = false;
    std::vector<std::uint8_t> m_frame;
};
